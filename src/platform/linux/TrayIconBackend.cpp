#include "platform/linux/TrayIconBackend.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace tavelo {

namespace {

// Qt's own XEmbed window for the icon; absent when the platform theme shows the icon
// some other way, or while no tray is running.
QWidget *trayWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QSystemTrayIconSys") || widget->objectName() == QLatin1String("QSystemTrayIconSys"))
            return widget;
    }
    return nullptr;
}

using std::chrono::milliseconds;
// Soon at first, for a tray that is still starting, then ever more rarely: some
// 6 minutes in 20 looks. A tray that appears later is still used; only the "shown"
// report gives up.
constexpr milliseconds kFirstPoll{100};
constexpr milliseconds kPollCap{30'000};
constexpr int kPollCount = 20;

} // namespace

TrayIconBackend::TrayIconBackend(MainLoop *loop, QObject *parent)
    : QObject(parent), m_shownPoll(loop ? *loop : m_qtLoop, kFirstPoll, kPollCap, kPollCount)
{
    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason) {
        if (onActivate)
            onActivate(QCursor::pos());
    });
}

TrayIconBackend::~TrayIconBackend()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

void TrayIconBackend::setIcon(const std::vector<QImage> &images)
{
    QIcon icon;
    for (const QImage &image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    m_tray.setIcon(icon);
}

void TrayIconBackend::setToolTip(const QString &text)
{
    m_tray.setToolTip(text);
}

QRect TrayIconBackend::iconGeometry() const
{
    return m_tray.geometry();
}

void TrayIconBackend::show()
{
    m_tray.show();
    m_shownPoll.reset();
    watchForShown();
}

void TrayIconBackend::watchForShown()
{
    if (m_shown || m_watchedWindow)
        return;
    if (isTrayAvailable()) {
        QWidget *window = trayWindow();
        if (!window) {
            // The platform theme draws the icon itself (a D-Bus tray): it is up once shown.
            reportShown();
            return;
        }
        // Shown means painted inside the tray, which happens once the tray has embedded it.
        m_watchedWindow = window;
        window->installEventFilter(this);
        return;
    }
    m_shownPoll.schedule([this] { watchForShown(); });
}

bool TrayIconBackend::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        reportShown();
    }
    return QObject::eventFilter(watched, event);
}

void TrayIconBackend::reportShown()
{
    if (m_shown)
        return;
    m_shown = true;
    if (onShown)
        onShown();
}

} // namespace tavelo
