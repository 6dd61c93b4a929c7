#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include "platform/StatusItemBackend.h"
#include "platform/linux/BackoffTimer.h"
#include "platform/linux/QtMainLoop.h"

namespace tavelo {

// The status item as a QSystemTrayIcon: an XEmbed tray icon on X11, or whatever the
// Qt platform theme provides. XEmbed trays show no text, so the label is dropped; the
// menu comes up on a right click.
class TrayIconBackend final : public QObject, public StatusItemBackend {
public:
    // Waits for a tray on `loop`, or on Qt's event loop when none is given.
    explicit TrayIconBackend(MainLoop *loop = nullptr, QObject *parent = nullptr);
    ~TrayIconBackend() override;

    void setIcon(const std::vector<QImage> &images) override;
    std::vector<int> iconSizes() const override;
    void setToolTip(const QString &text) override;
    void setLabel(const QString &) override {}
    void show() override;
    QRect iconGeometry() const override;
    bool showsLabel() const override { return false; }
    void setMenu(const std::vector<MenuEntry> &entries) override;

    // Whether a tray is there to show the icon; replaceable so that a test can play one.
    std::function<bool()> isTrayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchForShown();
    void reportShown();
    void fillMenu(QMenu &menu, const std::vector<MenuEntry> &entries);
    void updateMenu(const std::vector<MenuEntry> &entries);

    // Outlives the icon that shows it.
    std::unique_ptr<QMenu> m_contextMenu;
    std::vector<MenuEntry> m_menuEntries;
    std::map<int, QAction *> m_actions;
    QSystemTrayIcon m_tray;
    QtMainLoop m_qtLoop{this};
    BackoffTimer m_shownPoll;
    QPointer<QObject> m_watchedWindow;
    bool m_shown = false;
};

} // namespace tavelo
