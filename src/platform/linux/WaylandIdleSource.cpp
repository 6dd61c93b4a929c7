#include "platform/linux/WaylandIdleSource.h"

#include <cerrno>
#include <cstring>

#include <QSocketNotifier>
#include <wayland-client.h>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

namespace tavelo {

// The C callbacks, as one nested type so that they may reach the source's members.
struct WaylandIdleSource::Listeners {
    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
    {
        auto &self = *static_cast<WaylandIdleSource *>(data);
        // Version 1 of each is all that is used; the first seat is the one with the keyboard.
        if (!self.m_seat && std::strcmp(interface, wl_seat_interface.name) == 0)
            self.m_seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        else if (!self.m_extNotifier && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
            self.m_extNotifier = static_cast<ext_idle_notifier_v1 *>(
                wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
        else if (!self.m_kdeIdle && std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0)
            self.m_kdeIdle =
                static_cast<org_kde_kwin_idle *>(wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    }

    static void globalRemoved(void *, wl_registry *, uint32_t) {}

    static void listed(void *data, wl_callback *, uint32_t) { static_cast<WaylandIdleSource *>(data)->globalsListed(); }

    static void idled(void *data)
    {
        static_cast<WaylandIdleSource *>(data)->m_idledAt = std::chrono::steady_clock::now();
    }

    static void resumed(void *data) { static_cast<WaylandIdleSource *>(data)->m_idledAt.reset(); }

    static void extIdled(void *data, ext_idle_notification_v1 *) { idled(data); }
    static void extResumed(void *data, ext_idle_notification_v1 *) { resumed(data); }
    static void kdeIdled(void *data, org_kde_kwin_idle_timeout *) { idled(data); }
    static void kdeResumed(void *data, org_kde_kwin_idle_timeout *) { resumed(data); }

    static constexpr wl_registry_listener kRegistry{&global, &globalRemoved};
    static constexpr wl_callback_listener kListed{&listed};
    static constexpr ext_idle_notification_v1_listener kExt{&extIdled, &extResumed};
    static constexpr org_kde_kwin_idle_timeout_listener kKde{&kdeIdled, &kdeResumed};
};

WaylandIdleSource::WaylandIdleSource(std::string displayName, std::chrono::milliseconds noticeAfter,
                                     std::ostream &errors)
    : m_displayName(std::move(displayName)), m_noticeAfter(noticeAfter), m_errors(errors)
{
}

WaylandIdleSource::~WaylandIdleSource()
{
    m_notifier.reset();
    giveUp();
}

std::optional<double> WaylandIdleSource::idleSeconds()
{
    if (m_state == State::unstarted)
        connect();
    if (m_state != State::watching)
        return std::nullopt;
    if (!m_idledAt)
        return 0.0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - *m_idledAt + m_noticeAfter).count();
}

void WaylandIdleSource::connect()
{
    m_state = State::over;
    m_display = wl_display_connect(m_displayName.c_str());
    if (!m_display)
        return;
    m_state = State::asking;
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &Listeners::kRegistry, this);
    // The sync's answer comes after every global has been announced.
    m_listed = wl_display_sync(m_display);
    wl_callback_add_listener(m_listed, &Listeners::kListed, this);
    m_notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { readEvents(); });
    // A fresh connection's buffer takes these few requests whole.
    wl_display_flush(m_display);
}

void WaylandIdleSource::readEvents()
{
    bool failed = false;
    while (!failed && wl_display_prepare_read(m_display) != 0)
        failed = wl_display_dispatch_pending(m_display) < 0;
    // The notifier said readable, and libwayland reads without waiting: neither call blocks.
    failed = failed || wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0 ||
             (wl_display_flush(m_display) < 0 && errno != EAGAIN);
    if (failed) {
        const int error = wl_display_get_error(m_display);
        m_errors << "tavelo: lost the Wayland connection (" << std::strerror(error ? error : EPIPE)
                 << "); idle time from the compositor is no longer known\n";
        m_state = State::over;
    }
    if (m_state == State::over)
        giveUp();
}

void WaylandIdleSource::globalsListed()
{
    wl_callback_destroy(m_listed);
    m_listed = nullptr;
    if (m_seat && (m_extNotifier || m_kdeIdle))
        watch();
    else
        m_state = State::over;
}

void WaylandIdleSource::watch()
{
    const auto timeout = static_cast<uint32_t>(m_noticeAfter.count());
    if (m_extNotifier) {
        m_extNotification = ext_idle_notifier_v1_get_idle_notification(m_extNotifier, timeout, m_seat);
        ext_idle_notification_v1_add_listener(m_extNotification, &Listeners::kExt, this);
    } else {
        m_kdeTimeout = org_kde_kwin_idle_get_idle_timeout(m_kdeIdle, m_seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(m_kdeTimeout, &Listeners::kKde, this);
    }
    m_state = State::watching;
}

void WaylandIdleSource::giveUp()
{
    m_idledAt.reset();
    if (m_notifier) {
        // This may run inside the notifier's own signal.
        m_notifier->setEnabled(false);
        m_notifier.release()->deleteLater();
    }
    if (!m_display)
        return;
    if (m_extNotification)
        ext_idle_notification_v1_destroy(m_extNotification);
    if (m_extNotifier)
        ext_idle_notifier_v1_destroy(m_extNotifier);
    if (m_kdeTimeout)
        org_kde_kwin_idle_timeout_release(m_kdeTimeout);
    if (m_kdeIdle)
        org_kde_kwin_idle_destroy(m_kdeIdle);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_listed)
        wl_callback_destroy(m_listed);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
    m_extNotification = nullptr;
    m_extNotifier = nullptr;
    m_kdeTimeout = nullptr;
    m_kdeIdle = nullptr;
    m_seat = nullptr;
    m_listed = nullptr;
    m_registry = nullptr;
    m_display = nullptr;
}

} // namespace tavelo
