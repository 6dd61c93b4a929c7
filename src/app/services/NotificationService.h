#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "core/BreakModels.h"
#include "core/MainLoop.h"
#include "platform/BundleInfo.h"
#include "platform/NotificationCenter.h"
#include "platform/Workspace.h"

namespace tavelo {

// The outcome of the enable-notifications action; `unavailable`: the desktop has no
// notification service, so nothing was opened.
enum class NotificationEnableResult { permissionRequested, openedSettings, alreadyEnabled, unavailable };

// Posts, replaces and withdraws the break notices and handles notification permission.
// Outside an installed build nothing is posted and the enable action does nothing;
// withdrawals and status queries still reach the centre.
class NotificationService {
public:
    static constexpr const char *breakWarningIdentifier = "tavelo.break-warning";
    static constexpr const char *breakStartedIdentifier = "tavelo.break-started";
    static constexpr const char *stillPausedIdentifier = "tavelo.still-paused";
    static constexpr const char *settingsCopiedIdentifier = "tavelo.settings-copied";
    // How long a notice kept only for the record stays on screen.
    static constexpr std::chrono::seconds recordExpiry{10};
    static constexpr const char *noStatusHostIdentifier = "tavelo.no-status-host";
    static constexpr const char *historyUnavailableIdentifier = "tavelo.history-unavailable";

    NotificationService(NotificationCenter &center, const BundleInfo &bundle, Workspace &workspace, MainLoop &loop);
    NotificationService(const NotificationService &) = delete;
    NotificationService &operator=(const NotificationService &) = delete;

    // Asks for permission once per run.
    void requestAuthorizationIfNeeded();
    void fetchAuthorizationStatus(std::function<void(AuthorizationStatus)> completion);
    // `completion` may be empty; it is not called when notifications are unavailable.
    void handleEnableAction(std::function<void(NotificationEnableResult)> completion);

    void notifyBreakWarning(std::int64_t seconds);
    void notifyBreakStarted(BreakType type, std::int64_t durationSeconds);
    void notifyBreakEnded();
    void notifyStillPaused(std::int64_t elapsedSeconds);
    void cancelBreakNotifications();
    // The settings file could not be read and was copied to `copyPath`.
    void notifySettingsCopiedAside(const std::string &copyPath);
    // Nothing on the desktop shows the status item: say how to reach the program.
    void notifyNoStatusHost();
    // The break history at `path` cannot be written; the timer runs on regardless.
    void notifyHistoryUnavailable(const std::string &path);

    bool notificationsAvailable() const { return m_notificationsAvailable; }

private:
    // `expiresAfter`: for notices kept only for the record, so that their popups do not
    // pile up on servers that keep them until clicked.
    void post(const std::string &identifier, const QString &title, const QString &body,
              std::optional<std::chrono::milliseconds> expiresAfter = std::nullopt);
    void onEnableStatus(AuthorizationStatus status, std::function<void(NotificationEnableResult)> completion);
    void openNotificationSettings();
    // Runs `task` on the main thread in a later turn, if this service still exists then.
    void postIfAlive(std::function<void()> task);

    bool m_requestedAuthorization = false;
    const bool m_notificationsAvailable;
    NotificationCenter &m_center;
    Workspace &m_workspace;
    MainLoop &m_loop;
    // Completions hold it weakly, so a late answer after destruction does nothing.
    std::shared_ptr<NotificationService *> m_self;
};

} // namespace tavelo
