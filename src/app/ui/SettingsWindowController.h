#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QPoint>
#include <QSize>

#include "app/SettingsWindowPresenter.h"

class QScreen;

namespace tavelo {

class MainLoop;
class SettingsView;

// Owns the one settings window: made at the first show, then only hidden and shown
// again, centred on the screen under the pointer each time and whenever the displays
// change while it is open. Main thread only.
class SettingsWindowController final : public QObject, public SettingsWindowPresenter {
    Q_OBJECT
public:
    explicit SettingsWindowController(MainLoop &loop, QObject *parent = nullptr);
    ~SettingsWindowController() override;

    void show(AppModel &model) override;

    // The window, once made.
    SettingsView *window() const { return m_window.get(); }

    // Where a window of `size` goes to be centred in the free area of the first screen
    // containing `pointer`, else of the primary screen; nothing without screens.
    static std::optional<QPoint> centredPosition(const QPoint &pointer, const QSize &size);

private:
    void makeWindow(AppModel &model);
    void centerOnActiveScreen();
    void installObserversIfNeeded();
    void watch(QScreen *screen);
    void recentreLater();

    MainLoop &m_loop;
    std::unique_ptr<SettingsView> m_window;
    bool m_didInstallObservers = false;
};

} // namespace tavelo
