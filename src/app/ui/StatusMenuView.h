#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QElapsedTimer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/ui/CoalescedRefresh.h"
#include "app/ui/PanelButtonColumn.h"
#include "app/ui/StatusSnapshot.h"
#include "core/Signal.h"

class QAction;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWindow;

namespace tavelo {

class AppModel;
class PanelButton;
class PanelCountdown;

// The panel that drops down from the status item: the timer's state in words and
// numbers and every control over it. Follows the engine and the model only while open,
// refreshing at most once per event-loop turn; closed, it costs nothing.
class StatusMenuView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 260;
    static constexpr int kMargin = 12;
    static constexpr int kSpacing = 10;

    explicit StatusMenuView(AppModel &model, QWidget *parent = nullptr);
    ~StatusMenuView() override;

    // Opens beside the status icon when its geometry is valid, else at `pointer`; always
    // inside the free area of the screen it opens on.
    void popupAt(const QPoint &pointer, const QRect &iconGeometry = QRect());
    // Whether the panel closed less than `interval` ago (a click on the status icon that
    // closed it must not open it again).
    bool closedWithin(std::chrono::milliseconds interval) const;
    // Asked each time the panel opens: with a compositor the panel has rounded corners
    // and a shadow, without one a plain frame. Unset, it always has the plain frame.
    void setCompositorCheck(std::function<bool()> compositorRunning);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildLayout();
    QLabel *addText(const char *name, const QFont &font, qreal alpha);
    PanelButton *addButton(const char *name, const QString &text, std::function<void()> action);
    void setTranslucent(bool translucent);
    // The panel itself: the window less the shadow drawn around it, if any.
    QRect cardRect() const;
    void addDivider();
    void addHelp();
    void refreshHelp();
    void setWrappedText(QLabel *label, const QString &text);
    void refresh();
    void fitAndPlace();
    void focusMoved(QWindow *window);
    bool isOwnWindow(const QWindow *window) const;

    AppModel &m_model;
    Connection m_engineChanged;
    Connection m_modelChanged;
    // A hidden panel refreshes when it is shown.
    CoalescedRefresh m_refresh;
    std::function<bool()> m_compositorRunning;
    bool m_translucent = false;
    std::optional<StatusSnapshot> m_shown;
    QString m_shownVersion;
    QRect m_anchor;
    QElapsedTimer m_sinceClosed;
    bool m_hadFocus = false;

    QVBoxLayout *m_layout = nullptr;
    QLabel *m_headline = nullptr;
    PanelCountdown *m_countdown = nullptr;
    QLabel *m_statusLine = nullptr;
    QLabel *m_sessionLine = nullptr;
    PanelButton *m_pause = nullptr;
    PanelButton *m_resume = nullptr;
    PanelButton *m_startMicro = nullptr;
    PanelButton *m_startLong = nullptr;
    PanelButton *m_skip = nullptr;
    PanelButton *m_postpone = nullptr;
    QLabel *m_version = nullptr;
    QAction *m_whatsNew = nullptr;
    PanelButton *m_checkForUpdates = nullptr;
    PanelButtonColumn m_column;
};

} // namespace tavelo
