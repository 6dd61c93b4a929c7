#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "core/MainLoop.h"
#include "core/UpdateFeed.h"
#include "platform/BundleInfo.h"
#include "platform/HttpSession.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "platform/Workspace.h"

namespace tavelo {

// Checks the update feed at start, every 24 hours and when the user asks, and announces
// a newer release with a notice whose click opens its download address. Outside an
// installed build it does nothing at all.
class UpdateService {
public:
    static constexpr const char *defaultFeedUrl = "https://tavelo.app/latest.json";
    static constexpr const char *lastNotifiedKey = "com.tavelo.app.lastNotifiedUpdateVersion";
    static constexpr const char *updateAvailableIdentifier = "tavelo.update-available";
    static constexpr const char *checkResultIdentifier = "tavelo.update-check-result";
    static constexpr std::chrono::hours checkInterval{24};
    // The first check waits this long: the first https request loads the TLS stack
    // (some 30 ms on the main thread), which should not fall on start-up.
    static constexpr std::chrono::seconds firstCheckDelay{5};
    // A check still unanswered after this long has failed, however the feed trickles in:
    // a user who asked should not wait longer.
    static constexpr std::chrono::seconds checkDeadline{30};

    // When installed: takes the centre's clicks, schedules a first check and starts the
    // daily timer. The feed is the bundle's updateFeedUrl() when that is an https address.
    UpdateService(HttpSession &session, NotificationCenter &center, UserDefaults &defaults, const BundleInfo &bundle,
                  Workspace &workspace, MainLoop &loop, FeedArchitecture architecture);
    ~UpdateService();
    UpdateService(const UpdateService &) = delete;
    UpdateService &operator=(const UpdateService &) = delete;

    bool isAvailable() const { return m_isAvailable; }

    // Starts one check. `force` (the user asked) says the check is running, answers when
    // nothing is newer, and announces a version again even if it was announced before.
    void checkForUpdates(bool force);

private:
    void handleResponse(const std::optional<HttpResponse> &response, bool force);
    void handleUpdateFound(const std::string &version, const std::string &url, bool force);
    void postChecking();
    void postUpToDate();
    void postCheckFailed();
    void handleClick(const std::string &identifier);
    std::string currentVersion() const;

    const bool m_isAvailable;
    HttpSession &m_session;
    NotificationCenter &m_center;
    UserDefaults &m_defaults;
    const BundleInfo &m_bundle;
    Workspace &m_workspace;
    MainLoop &m_loop;
    const FeedArchitecture m_architecture;
    const std::string m_feedUrl;
    TimerHandle m_timer;
    // The address of the last "Update available" notice; kept in memory only.
    std::optional<std::string> m_pendingDownloadUrl;
    // Session answers, clicks and the timer hold it weakly.
    std::shared_ptr<UpdateService *> m_self;
};

} // namespace tavelo
