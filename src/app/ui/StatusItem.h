#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QObject>
#include <QPoint>
#include <QString>

#include "app/ui/CoalescedRefresh.h"
#include "app/ui/StatusHostMenu.h"
#include "app/ui/StatusIconRenderer.h"
#include "app/ui/StatusSnapshot.h"
#include "core/Clock.h"
#include "core/Signal.h"
#include "platform/StatusItemBackend.h"

namespace tavelo {

class AppModel;
class StatusMenuPresentation;
class StatusMenuView;

// The program's item in the panel: an icon showing the state and the part of the phase
// left (and the minutes left where the host shows no label), the menu title as label,
// what comes next as tooltip, and the drop-down panel on a click. The icon is redrawn
// only when its picture changes, the texts only when they change. Hosts that show a menu
// of their own get the panel's commands, the panel itself first.
class StatusItem final : public QObject {
    Q_OBJECT
public:
    // Shows itself through `backend`, which the platform picks.
    StatusItem(AppModel &model, std::unique_ptr<StatusItemBackend> backend, QObject *parent = nullptr);
    ~StatusItem() override;

    void show();
    // Opens the panel at the icon, or at the pointer when the icon's place is unknown
    // (a second launch asks for this).
    void openPanel();
    // Built once the item is up (or when first asked for), so that it does not delay the item.
    StatusMenuView &panel();
    // Handed to the panel when it is built: whether its window may be translucent.
    void setCompositorCheck(std::function<bool()> compositorRunning);
    StatusItemBackend &backend() { return *m_backend; }

    StatusIconKey iconKey() const { return m_iconKey.value_or(StatusIconKey{}); }
    // The label as last set: empty where the host shows none.
    QString title() const { return m_title; }
    QString toolTip() const { return m_toolTip; }
    bool hasBeenShown() const { return m_hasBeenShown; }

Q_SIGNALS:
    // The item became visible for the first time.
    void shown();

private:
    void activated(const QPoint &pointer);
    void refresh();
    void update(const StatusSnapshot &snapshot);
    // The moment the tooltip names, held steady while the state keeps it.
    TimePoint toolTipDue(const StatusMenuPresentation &presentation);
    void updateMenu();

    AppModel &m_model;
    std::unique_ptr<StatusItemBackend> m_backend;
    std::unique_ptr<StatusMenuView> m_panel;
    std::function<bool()> m_compositorRunning;
    Connection m_engineChanged;
    Connection m_modelChanged;
    CoalescedRefresh m_update;
    StatusHostMenu m_hostMenu{m_model, [this] { openPanel(); }};
    std::vector<StatusItemBackend::MenuEntry> m_menu;
    std::optional<StatusIconKey> m_iconKey;
    QString m_title;
    QString m_toolTip;
    std::optional<TimePoint> m_toolTipDue;
    std::optional<std::pair<StatusSnapshot, TimePoint>> m_toolTipShownFor;
    std::optional<StatusSnapshot> m_menuShownFor;
    bool m_hasBeenShown = false;
};

} // namespace tavelo
