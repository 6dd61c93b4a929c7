#pragma once

#include <chrono>
#include <vector>

#include <QObject>
#include <QRect>

#include "app/OverlayPresenter.h"
#include "core/MainLoop.h"

class QScreen;
class QWidget;

namespace tavelo {

class BreakEngine;
class Clock;
class DoNotDisturb;
class WindowList;

// Puts a break overlay on every display while a break runs. Strict: above everything,
// with focus and the keyboard. Gentle, or whenever a window already fills a display or
// the user asked not to be disturbed: above ordinary windows, leaving focus where it is.
// Rebuilds itself when the displays change while it is up.
class BreakOverlayController final : public QObject, public OverlayPresenter {
    Q_OBJECT
public:
    BreakOverlayController(BreakEngine &engine, OverlayActions actions, const WindowList &windowList,
                           DoNotDisturb &doNotDisturb, const Clock &clock, MainLoop &loop, QObject *parent = nullptr);
    ~BreakOverlayController() override;

    // Built windows unused for this long after the warning are released: the break came
    // later than announced (the user stepped away, paused), and show() builds anew.
    static constexpr std::chrono::seconds kPreparedSlack{15};

    void prepare(bool strictMode) override;
    void show(bool strictMode) override;
    void hide() override;
    bool isVisible() const override;

    // The overlay windows in screen order; empty while hidden.
    const std::vector<QWidget *> &windows() const { return m_windows; }
    // Windows built by prepare() that no show() has taken yet.
    const std::vector<QWidget *> &preparedWindows() const { return m_prepared; }
    // Whether the last show took the strict set-up (false when it found full-screen content
    // or Do Not Disturb).
    bool lastShowWasStrict() const { return m_lastShowWasStrict; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Target {
        QRect frame;
        QScreen *screen = nullptr;
    };
    static std::vector<Target> targets();
    QWidget *makeWindow(const Target &target, bool strict);
    static void mapWindow(QWidget *window, const QRect &frame);
    bool takePrepared(const std::vector<Target> &targets, bool strict);
    void releasePrepared();
    bool isFullscreenContentActive() const;
    void installScreenObserverIfNeeded();
    void observeScreen(QScreen *screen);
    void displaysChanged();
    void keepOnTop(bool strict);
    void takeKeyboard();
    void makeKeyboardAnchor(const QRect &frame);
    bool isOverlayWindow(const QWidget *widget) const;

    BreakEngine &m_engine;
    OverlayActions m_actions;
    const WindowList &m_windowList;
    DoNotDisturb &m_doNotDisturb;
    const Clock &m_clock;
    MainLoop &m_loop;
    std::vector<QWidget *> m_windows;
    std::vector<QWidget *> m_prepared;
    bool m_preparedStrict = false;
    int m_preparedGeneration = 0;
    // Strict, where the compositor needs a managed window of ours focused first: a tiny
    // one under the overlays, whose keys go to the overlay.
    QWidget *m_keyboardAnchor = nullptr;
    bool m_lastShowWasStrict = false;
    bool m_screenObserverInstalled = false;
    bool m_rebuildPending = false;
    bool m_keyboardGrabbed = false;
    TimerHandle m_keepOnTop;
};

} // namespace tavelo
