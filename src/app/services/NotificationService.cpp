#include "app/services/NotificationService.h"
#include "app/PluralCount.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QUuid>

namespace tavelo {

namespace {

std::int64_t longBreakMinutes(std::int64_t durationSeconds)
{
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(static_cast<double>(durationSeconds) / 60.0)));
}

QString pausedSpan(std::int64_t elapsedSeconds)
{
    if (elapsedSeconds < 7200)
        return QCoreApplication::translate("NotificationService", "about an hour");
    const PluralCount hours(elapsedSeconds / 3600);
    return hours.shown(QCoreApplication::translate("NotificationService", "about %n hours", nullptr, hours.form()));
}

} // namespace

NotificationService::NotificationService(NotificationCenter &center, const BundleInfo &bundle, Workspace &workspace,
                                         MainLoop &loop)
    : m_notificationsAvailable(bundle.isInstalled()), m_center(center), m_workspace(workspace), m_loop(loop),
      m_self(std::make_shared<NotificationService *>(this))
{
}

void NotificationService::requestAuthorizationIfNeeded()
{
    if (!m_notificationsAvailable || m_requestedAuthorization)
        return;
    m_requestedAuthorization = true;
    m_center.requestAuthorization([](bool) {});
}

void NotificationService::fetchAuthorizationStatus(std::function<void(AuthorizationStatus)> completion)
{
    std::weak_ptr<NotificationService *> weak = m_self;
    m_center.getAuthorizationStatus([weak, completion](AuthorizationStatus status) {
        if (auto self = weak.lock()) {
            (*self)->postIfAlive([completion, status] {
                if (completion)
                    completion(status);
            });
        }
    });
}

void NotificationService::handleEnableAction(std::function<void(NotificationEnableResult)> completion)
{
    if (!m_notificationsAvailable)
        return;
    std::weak_ptr<NotificationService *> weak = m_self;
    m_center.getAuthorizationStatus([weak, completion](AuthorizationStatus status) {
        if (auto self = weak.lock())
            (*self)->onEnableStatus(status, completion);
    });
}

void NotificationService::onEnableStatus(AuthorizationStatus status,
                                         std::function<void(NotificationEnableResult)> completion)
{
    auto finish = [completion](NotificationEnableResult result) {
        if (completion)
            completion(result);
    };
    switch (status) {
    case AuthorizationStatus::authorized:
    case AuthorizationStatus::provisional:
    case AuthorizationStatus::ephemeral:
        postIfAlive([finish] { finish(NotificationEnableResult::alreadyEnabled); });
        break;
    case AuthorizationStatus::denied:
        postIfAlive([this, finish] {
            openNotificationSettings();
            finish(NotificationEnableResult::openedSettings);
        });
        break;
    case AuthorizationStatus::unavailable:
        // No settings can bring a missing service; saying so beats opening them.
        postIfAlive([finish] { finish(NotificationEnableResult::unavailable); });
        break;
    case AuthorizationStatus::notDetermined: {
        std::weak_ptr<NotificationService *> weak = m_self;
        m_center.requestAuthorization([weak, finish](bool) {
            if (auto self = weak.lock())
                (*self)->postIfAlive([finish] { finish(NotificationEnableResult::permissionRequested); });
        });
        break;
    }
    default:
        // A status this program does not know: leave the caller unanswered.
        break;
    }
}

void NotificationService::openNotificationSettings()
{
    // GNOME's and then KDE's notification settings; the first that starts counts.
    if (m_workspace.startDetached("gnome-control-center", {"notifications"}))
        return;
    m_workspace.startDetached("systemsettings", {"kcm_notifications"});
}

void NotificationService::postIfAlive(std::function<void()> task)
{
    std::weak_ptr<NotificationService *> weak = m_self;
    m_loop.post([weak, task = std::move(task)] {
        if (weak.lock())
            task();
    });
}

void NotificationService::post(const std::string &identifier, const QString &title, const QString &body,
                               std::optional<std::chrono::milliseconds> expiresAfter)
{
    if (!m_notificationsAvailable)
        return;
    m_center.add(NotificationRequest{identifier, title.toStdString(), body.toStdString(), true, expiresAfter});
}

void NotificationService::notifyBreakWarning(std::int64_t seconds)
{
    post(breakWarningIdentifier, QCoreApplication::translate("NotificationService", "Break coming up"),
         PluralCount(seconds).shown(QCoreApplication::translate(
             "NotificationService", "Your break will start in %n seconds.", nullptr, PluralCount(seconds).form())));
}

void NotificationService::notifyBreakStarted(BreakType type, std::int64_t durationSeconds)
{
    m_center.removeDelivered({breakWarningIdentifier});
    m_center.removePending({breakWarningIdentifier});
    if (type == BreakType::long_) {
        const PluralCount minutes(longBreakMinutes(durationSeconds));
        post(breakStartedIdentifier, QCoreApplication::translate("NotificationService", "Long break"),
             minutes.shown(QCoreApplication::translate("NotificationService", "Step away for about %n minutes.",
                                                       nullptr, minutes.form())));
    } else {
        post(breakStartedIdentifier, QCoreApplication::translate("NotificationService", "Microbreak"),
             QCoreApplication::translate("NotificationService", "Look away from your screen for a moment."));
    }
}

void NotificationService::notifyBreakEnded()
{
    m_center.removeDelivered({breakStartedIdentifier, breakWarningIdentifier});
    // Every break-complete notice stays in the server's history; a fresh identifier keeps
    // them from replacing one another, and the expiry from piling up on screen.
    const QString identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    post(identifier.toStdString(), QCoreApplication::translate("NotificationService", "Break complete"),
         QCoreApplication::translate("NotificationService", "Focus session resumed."), recordExpiry);
}

void NotificationService::notifyStillPaused(std::int64_t elapsedSeconds)
{
    m_center.removeDelivered({stillPausedIdentifier});
    post(stillPausedIdentifier, QCoreApplication::translate("NotificationService", "Timer still paused"),
         QCoreApplication::translate("NotificationService",
                                     "You've been paused for %1. Resume from the menu bar when you're ready.")
             .arg(pausedSpan(elapsedSeconds)));
}

void NotificationService::cancelBreakNotifications()
{
    m_center.removeDelivered({breakStartedIdentifier, breakWarningIdentifier});
    m_center.removePending({breakStartedIdentifier, breakWarningIdentifier});
}

void NotificationService::notifySettingsCopiedAside(const std::string &copyPath)
{
    post(settingsCopiedIdentifier, QCoreApplication::translate("NotificationService", "Settings could not be read"),
         QCoreApplication::translate("NotificationService", "Using the defaults. Your file was copied to %1.")
             .arg(QString::fromStdString(copyPath)));
}

void NotificationService::notifyNoStatusHost()
{
    post(noStatusHostIdentifier, QCoreApplication::translate("NotificationService", "Tavelo is running"),
         QCoreApplication::translate("NotificationService",
                                     "Your desktop shows no status icons. Launch Tavelo again from the applications "
                                     "menu to open it. On GNOME, the AppIndicator extension adds the icon."));
}

void NotificationService::notifyHistoryUnavailable(const std::string &path)
{
    post(historyUnavailableIdentifier, QCoreApplication::translate("NotificationService", "Break history not saved"),
         QCoreApplication::translate("NotificationService", "Tavelo could not write %1. Your breaks go on as usual.")
             .arg(QString::fromStdString(path)),
         recordExpiry);
}

} // namespace tavelo
