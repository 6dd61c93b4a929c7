#include "platform/linux/StatusItemBackendChooser.h"

#include <chrono>

#include "platform/linux/StatusNotifierBackend.h"
#include "platform/linux/TrayIconBackend.h"

namespace tavelo {

namespace {
// The probe answers within a bus round trip; a bus that does not answer by then gets
// the tray icon, and the D-Bus item still takes over if the answer comes later.
constexpr int kDecisionTimeoutMs = 500;
// Long enough for a panel that starts with the session after us.
constexpr std::chrono::seconds kNoHostDelay{10};
} // namespace

StatusItemBackendChooser::StatusItemBackendChooser(QDBusConnection connection, MainLoop *loop, QObject *parent)
    : QObject(parent), m_connection(connection), m_loop(loop ? *loop : m_qtLoop), m_probe(connection)
{
    m_probe.onChanged = [this](bool available) {
        m_decisionTimeout.stop();
        choose(available ? Kind::statusNotifier : Kind::trayIcon);
    };
    m_decisionTimeout.setSingleShot(true);
    m_decisionTimeout.setInterval(kDecisionTimeoutMs);
    connect(&m_decisionTimeout, &QTimer::timeout, this, [this] {
        if (m_kind == Kind::undecided)
            choose(Kind::trayIcon);
    });
    m_probe.start();
    if (m_kind == Kind::undecided)
        m_decisionTimeout.start();
}

StatusItemBackendChooser::~StatusItemBackendChooser() = default;

void StatusItemBackendChooser::setIcon(const std::vector<QImage> &images)
{
    m_images = images;
    if (m_backend)
        m_backend->setIcon(images);
}

std::vector<int> StatusItemBackendChooser::iconSizes() const
{
    return m_backend ? m_backend->iconSizes() : std::vector<int>{};
}

void StatusItemBackendChooser::setToolTip(const QString &text)
{
    m_toolTip = text;
    if (m_backend)
        m_backend->setToolTip(text);
}

void StatusItemBackendChooser::setLabel(const QString &text)
{
    m_label = text;
    if (m_backend)
        m_backend->setLabel(text);
}

void StatusItemBackendChooser::show()
{
    if (!m_shown) {
        std::weak_ptr<int> alive = m_alive;
        m_loop.postAfter(kNoHostDelay, [this, alive] {
            if (alive.lock() && !m_hostSeen && onNoHost)
                onNoHost();
        });
    }
    m_shown = true;
    if (m_backend)
        m_backend->show();
}

QRect StatusItemBackendChooser::iconGeometry() const
{
    return m_backend ? m_backend->iconGeometry() : QRect();
}

bool StatusItemBackendChooser::showsLabel() const
{
    return m_backend && m_backend->showsLabel();
}

void StatusItemBackendChooser::setMenu(const std::vector<MenuEntry> &entries)
{
    m_menu = entries;
    if (m_backend)
        m_backend->setMenu(entries);
}

void StatusItemBackendChooser::choose(Kind kind)
{
    if (kind == m_kind)
        return;
    // The old item leaves the panel before the new one arrives.
    m_backend.reset();
    m_kind = kind;
    if (kind == Kind::statusNotifier) {
        auto backend = std::make_unique<StatusNotifierBackend>(m_connection, &m_loop);
        // Queued: the back-end that reports it must not be destroyed while it does.
        backend->item().onRegistrationFailed = [this] {
            QMetaObject::invokeMethod(
                this, [this] { choose(Kind::trayIcon); }, Qt::QueuedConnection);
        };
        m_backend = std::move(backend);
    } else {
        auto backend = std::make_unique<TrayIconBackend>(&m_loop);
        backend->isTrayAvailable = isTrayAvailable;
        m_backend = std::move(backend);
    }
    m_backend->onActivate = [this](const QPoint &point) {
        if (onActivate)
            onActivate(point);
    };
    m_backend->onShown = [this] {
        m_hostSeen = true;
        if (onShown)
            onShown();
    };
    m_backend->onHostChanged = [this] {
        if (onHostChanged)
            onHostChanged();
    };
    m_backend->onMenuEntryChosen = [this](int id) {
        if (onMenuEntryChosen)
            onMenuEntryChosen(id);
    };
    m_backend->onMenuAboutToShow = [this] {
        if (onMenuAboutToShow)
            onMenuAboutToShow();
    };
    if (!m_images.empty())
        m_backend->setIcon(m_images);
    m_backend->setToolTip(m_toolTip);
    m_backend->setLabel(m_label);
    m_backend->setMenu(m_menu);
    if (m_shown)
        m_backend->show();
    if (onHostChanged)
        onHostChanged();
}

} // namespace tavelo
