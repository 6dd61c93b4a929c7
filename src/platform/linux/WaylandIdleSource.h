#pragma once

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "platform/IdleTimeSource.h"

struct wl_display;
struct wl_registry;
struct wl_callback;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;
class QSocketNotifier;

namespace tavelo {

// The compositor's own idle notice, for Wayland sessions without GNOME's D-Bus counter:
// ext_idle_notifier_v1, else org_kde_kwin_idle, on a Wayland connection of this source's
// own (the program's windows go through XWayland, so the toolkit has none). These only
// say "idle for T" and "back", so the idle time reads 0 until T has passed without input.
// Connects on the first reading and never blocks: the answers come through the event loop.
class WaylandIdleSource final : public IdleTimeSource {
public:
    // Presence is sampled every five seconds, so a shorter T would add wake-ups for short
    // pauses in typing without making any away threshold of 5 s or more come sooner.
    static constexpr std::chrono::milliseconds kNoticeAfter{5000};

    // `displayName` as in WAYLAND_DISPLAY: a socket name in XDG_RUNTIME_DIR or a path.
    explicit WaylandIdleSource(std::string displayName, std::chrono::milliseconds noticeAfter = kNoticeAfter,
                               std::ostream &errors = std::cerr);
    ~WaylandIdleSource() override;
    WaylandIdleSource(const WaylandIdleSource &) = delete;
    WaylandIdleSource &operator=(const WaylandIdleSource &) = delete;

    // Nothing until the compositor has answered; nothing for good when it offers neither
    // protocol or goes away.
    std::optional<double> idleSeconds() override;

private:
    enum class State { unstarted, asking, watching, over };
    struct Listeners;

    void connect();
    void readEvents();
    void globalsListed();
    void watch();
    void giveUp();

    std::string m_displayName;
    std::chrono::milliseconds m_noticeAfter;
    std::ostream &m_errors;
    State m_state = State::unstarted;
    std::optional<std::chrono::steady_clock::time_point> m_idledAt;

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_callback *m_listed = nullptr;
    wl_seat *m_seat = nullptr;
    ext_idle_notifier_v1 *m_extNotifier = nullptr;
    ext_idle_notification_v1 *m_extNotification = nullptr;
    org_kde_kwin_idle *m_kdeIdle = nullptr;
    org_kde_kwin_idle_timeout *m_kdeTimeout = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tavelo
