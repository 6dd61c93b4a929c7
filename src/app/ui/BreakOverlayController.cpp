#include "app/ui/BreakOverlayController.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/ui/BreakOverlayView.h"
#include "core/BreakEngine.h"
#include "platform/DoNotDisturb.h"
#include "platform/KeyboardActivation.h"
#include "platform/WindowClass.h"
#include "platform/WindowList.h"

namespace tavelo {

namespace {

const QRect kFallbackFrame(0, 0, 1200, 800);
// Another window may be raised above an overlay (a full-screen window the window manager
// stacks high); raising again this often keeps it covered.
constexpr std::chrono::milliseconds kKeepOnTopInterval{500};
// A window this large in both directions counts as filling a display.
constexpr double kFullscreenFraction = 0.95;

} // namespace

BreakOverlayController::BreakOverlayController(BreakEngine &engine, OverlayActions actions,
                                               const WindowList &windowList, DoNotDisturb &doNotDisturb,
                                               const Clock &clock, MainLoop &loop, QObject *parent)
    : QObject(parent), m_engine(engine), m_actions(std::move(actions)), m_windowList(windowList),
      m_doNotDisturb(doNotDisturb), m_clock(clock), m_loop(loop)
{
    // Turned on during a strict break (a call, a talk begins): the rest of it is gentle.
    m_doNotDisturb.setChangeHandler([this] {
        if (m_doNotDisturb.isOn() && m_lastShowWasStrict && isVisible())
            show(true);
    });
}

BreakOverlayController::~BreakOverlayController()
{
    m_doNotDisturb.setChangeHandler(nullptr);
    m_keepOnTop.cancel();
    for (QWidget *window : m_windows)
        delete window;
    for (QWidget *window : m_prepared)
        delete window;
}

std::vector<BreakOverlayController::Target> BreakOverlayController::targets()
{
    QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        if (QScreen *primary = QGuiApplication::primaryScreen())
            screens.append(primary);
    }
    std::vector<Target> result;
    for (QScreen *screen : screens)
        result.push_back({screen->geometry().isEmpty() ? kFallbackFrame : screen->geometry(), screen});
    if (result.empty())
        result.push_back({kFallbackFrame, nullptr});
    return result;
}

void BreakOverlayController::prepare(bool strictMode)
{
    if (isVisible())
        return;
    releasePrepared();
    // Full-screen content is looked for when the break starts; Do Not Disturb is likely to stay.
    m_preparedStrict = strictMode && !m_doNotDisturb.isOn();
    for (const Target &target : targets())
        m_prepared.push_back(makeWindow(target, m_preparedStrict));
    const int generation = ++m_preparedGeneration;
    const auto lifetime = std::chrono::seconds(m_engine.settings().preBreakWarningSeconds) + kPreparedSlack;
    m_loop.postAfter(lifetime, [self = QPointer<BreakOverlayController>(this), generation] {
        if (self && self->m_preparedGeneration == generation)
            self->releasePrepared();
    });
}

void BreakOverlayController::show(bool strictMode)
{
    // Our own windows go first, so the check below sees only other programs' windows.
    hide();
    const bool strict = strictMode && !m_doNotDisturb.isOn() && !isFullscreenContentActive();
    m_lastShowWasStrict = strict;

    const std::vector<Target> wanted = targets();
    if (strict && keyboardNeedsManagedWindow())
        makeKeyboardAnchor(wanted.front().frame);
    if (!takePrepared(wanted, strict)) {
        for (const Target &target : wanted)
            m_windows.push_back(makeWindow(target, strict));
    }
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        mapWindow(m_windows[i], wanted[i].frame);

    installScreenObserverIfNeeded();

    if (strict) {
        m_keyboardGrabbed = false;
        takeKeyboard();
    }
    m_keepOnTop = m_loop.every(kKeepOnTopInterval, [this, strict] { keepOnTop(strict); });
}

bool BreakOverlayController::takePrepared(const std::vector<Target> &wanted, bool strict)
{
    bool fits = !m_prepared.empty() && m_preparedStrict == strict && m_prepared.size() == wanted.size();
    for (std::size_t i = 0; fits && i < wanted.size(); ++i)
        fits = m_prepared[i]->geometry() == wanted[i].frame &&
               (!wanted[i].screen || m_prepared[i]->screen() == wanted[i].screen);
    if (!fits) {
        releasePrepared();
        return false;
    }
    m_windows = std::exchange(m_prepared, {});
    ++m_preparedGeneration;
    return true;
}

void BreakOverlayController::releasePrepared()
{
    for (QWidget *window : std::exchange(m_prepared, {}))
        window->deleteLater();
}

bool BreakOverlayController::eventFilter(QObject *watched, QEvent *event)
{
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && watched == m_keyboardAnchor && !m_windows.empty()) {
        QCoreApplication::sendEvent(m_windows.front(), event);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *window = qobject_cast<QWidget *>(watched); window && isOverlayWindow(window))
            window->activateWindow();
    }
    return QObject::eventFilter(watched, event);
}

void BreakOverlayController::hide()
{
    m_keepOnTop.cancel();
    if (m_keyboardAnchor) {
        m_keyboardAnchor->hide();
        m_keyboardAnchor->deleteLater();
        m_keyboardAnchor = nullptr;
    }
    if (m_windows.empty())
        return;
    const std::vector<QWidget *> windows = std::move(m_windows);
    m_windows.clear();
    for (QWidget *window : windows) {
        if (QWidget::keyboardGrabber() == window)
            window->releaseKeyboard();
        window->hide();
        // Later: the call may come from one of these windows' own buttons.
        window->deleteLater();
    }
}

bool BreakOverlayController::isVisible() const
{
    for (const QWidget *window : m_windows) {
        if (window->isVisible())
            return true;
    }
    return false;
}

QWidget *BreakOverlayController::makeWindow(const Target &target, bool strict)
{
    auto *view = new BreakOverlayView(m_engine, m_actions.skip, m_actions.postpone, m_clock, m_loop);
    view->setWindowTitle(tr("Tavelo break"));
    // Past the window manager either way: a managed window is placed where the manager
    // likes (inside the work area, on the output with the pointer), not on its own output.
    if (strict) {
        view->setWindowFlags(Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                             Qt::WindowStaysOnTopHint);
    } else {
        // A utility window: compositors that hand focus to unmanaged windows leave these alone.
        view->setWindowFlags(Qt::Tool | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                             Qt::WindowStaysOnTopHint);
        view->setAttribute(Qt::WA_ShowWithoutActivating);
        // Nobody gives an unmanaged window focus on a click; keys work once it is clicked.
        view->installEventFilter(this);
    }
    if (target.screen)
        view->setScreen(target.screen);
    view->setGeometry(target.frame);
    setNativeWindowClass(view->winId(), "tavelo-overlay", "Tavelo");
    // Styled and laid out now, so that mapping it is all that is left.
    view->ensurePolished();
    if (QLayout *layout = view->layout())
        layout->activate();
    return view;
}

void BreakOverlayController::mapWindow(QWidget *window, const QRect &frame)
{
    window->show();
    window->setGeometry(frame); // again, now that the window exists
    window->raise();
}

bool BreakOverlayController::isFullscreenContentActive() const
{
    const auto windows = m_windowList.onScreenWindows();
    if (!windows)
        return false;
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty() || windows->empty())
        return false;
    for (const WindowBounds &bounds : *windows) {
        if (!std::isfinite(bounds.x) || !std::isfinite(bounds.y) || !std::isfinite(bounds.width) ||
            !std::isfinite(bounds.height))
            continue;
        for (const QScreen *screen : screens) {
            // A display without a size would be "filled" by any window at all.
            if (screen->geometry().isEmpty())
                continue;
            // Window bounds come in device pixels.
            const QSizeF size = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
            if (size.width() * kFullscreenFraction <= bounds.width &&
                size.height() * kFullscreenFraction <= bounds.height)
                return true;
        }
    }
    return false;
}

void BreakOverlayController::installScreenObserverIfNeeded()
{
    if (m_screenObserverInstalled)
        return;
    m_screenObserverInstalled = true;
    auto *app = qGuiApp;
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        observeScreen(screen);
        displaysChanged();
    });
    connect(app, &QGuiApplication::screenRemoved, this, [this](QScreen *) { displaysChanged(); });
    for (QScreen *screen : QGuiApplication::screens())
        observeScreen(screen);
}

void BreakOverlayController::observeScreen(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, [this] { displaysChanged(); });
}

void BreakOverlayController::displaysChanged()
{
    // Several changes of one reconfiguration make one rebuild, on a later turn.
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    m_loop.post([self = QPointer<BreakOverlayController>(this)] {
        if (!self)
            return;
        self->m_rebuildPending = false;
        if (self->isVisible())
            self->show(self->m_engine.settings().strictMode);
    });
}

void BreakOverlayController::makeKeyboardAnchor(const QRect &frame)
{
    auto *anchor = new QWidget;
    anchor->setWindowTitle(tr("Tavelo break"));
    anchor->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    anchor->setGeometry(QRect(frame.topLeft(), QSize(1, 1)));
    setNativeWindowClass(anchor->winId(), "tavelo-keyboard", "Tavelo");
    anchor->installEventFilter(this);
    anchor->show();
    m_keyboardAnchor = anchor;
}

void BreakOverlayController::keepOnTop(bool strict)
{
    for (QWidget *window : m_windows)
        window->raise();
    if (strict)
        takeKeyboard();
}

void BreakOverlayController::takeKeyboard()
{
    // A popup of ours (the status panel) holds the keyboard while it is open.
    if (m_windows.empty() || QApplication::activePopupWidget())
        return;
    QWidget *keyWindow = m_windows.front();
    if (QWidget *active = QApplication::activeWindow(); !isOverlayWindow(active) && active != m_keyboardAnchor) {
        if (m_keyboardAnchor) {
            requestUserActivation(m_keyboardAnchor->winId());
        } else {
            keyWindow->activateWindow();
            keyWindow->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    if (!m_keyboardGrabbed) {
        // The grab fails while another client holds the keyboard; it is tried again on the next round.
        keyWindow->grabKeyboard();
        QWindow *handle = keyWindow->windowHandle();
        m_keyboardGrabbed = handle && handle->setKeyboardGrabEnabled(true);
    }
}

bool BreakOverlayController::isOverlayWindow(const QWidget *widget) const
{
    return widget && std::find(m_windows.begin(), m_windows.end(), widget) != m_windows.end();
}

} // namespace tavelo
