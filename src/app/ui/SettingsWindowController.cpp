#include "app/ui/SettingsWindowController.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "app/AppModel.h"
#include "app/ui/SettingsView.h"

namespace tavelo {

SettingsWindowController::SettingsWindowController(MainLoop &loop, QObject *parent) : QObject(parent), m_loop(loop) {}

SettingsWindowController::~SettingsWindowController() = default;

void SettingsWindowController::show(AppModel &model)
{
    if (!m_window || &m_window->model() != &model)
        makeWindow(model);
    installObserversIfNeeded();
    centerOnActiveScreen();
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    // Again, now that the window manager's frame around it is known.
    centerOnActiveScreen();
    m_window->raise();
    m_window->activateWindow();
}

void SettingsWindowController::makeWindow(AppModel &model)
{
    m_window = std::make_unique<SettingsView>(model, m_loop);
    m_window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                             Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    m_window->setWindowTitle(tr("Tavelo Settings"));
    // Closing only hides it; the same window, draft included, comes back next time.
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    // Not resizable: the content's size, grown only if the desktop's fonts need more room.
    m_window->fitToContent();
}

std::optional<QPoint> SettingsWindowController::centredPosition(const QPoint &pointer, const QSize &size)
{
    QScreen *target = nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().contains(pointer)) {
            target = screen;
            break;
        }
    }
    if (!target)
        target = QGuiApplication::primaryScreen();
    if (!target)
        return std::nullopt;
    const QRect free = target->availableGeometry();
    return QPoint(free.x() + (free.width() - size.width()) / 2, free.y() + (free.height() - size.height()) / 2);
}

void SettingsWindowController::centerOnActiveScreen()
{
    if (!m_window)
        return;
    // The frame's size once the window manager has decorated it, else the content's.
    const QSize size = m_window->frameGeometry().size().expandedTo(m_window->size());
    if (const std::optional<QPoint> position = centredPosition(QCursor::pos(), size))
        m_window->move(*position);
}

void SettingsWindowController::installObserversIfNeeded()
{
    if (m_didInstallObservers)
        return;
    m_didInstallObservers = true;
    auto recentre = [this] { recentreLater(); };
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, recentre](QScreen *screen) {
        watch(screen);
        recentre();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, recentre);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, recentre);
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
}

void SettingsWindowController::watch(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, [this] { recentreLater(); });
    connect(screen, &QScreen::availableGeometryChanged, this, [this] { recentreLater(); });
}

void SettingsWindowController::recentreLater()
{
    // After the display change has settled: a screen going away is still listed while
    // it is being announced.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_window && m_window->isVisible())
                centerOnActiveScreen();
        },
        Qt::QueuedConnection);
}

} // namespace tavelo
