#include "app/AppModel.h"

#include <QCoreApplication>

#include "app/OnboardingPresenter.h"
#include "app/OnboardingStore.h"
#include "app/PresenceTracker.h"
#include "app/SettingsWindowPresenter.h"
#include "app/services/LaunchAtLoginService.h"
#include "app/services/NotificationService.h"
#include "app/services/UpdateService.h"
#include "core/AppVersion.h"
#include "core/BreakSettingsStore.h"
#include "core/ReleaseNotes.h"
#include "platform/BundleInfo.h"

namespace tavelo {

namespace {
std::string tr(const char *text)
{
    return QCoreApplication::translate("AppModel", text).toStdString();
}
} // namespace

template <typename Fn> auto AppModel::guarded(Fn fn)
{
    std::weak_ptr<Alive> weak = m_alive;
    return [weak, fn](auto... args) {
        if (auto alive = weak.lock(); alive && alive->model)
            fn(*alive->model, args...);
    };
}

AppModel::AppModel(Collaborators collaborators)
    : m_deps(std::move(collaborators)), m_alive(std::make_shared<Alive>(Alive{this})),
      m_settings(m_deps.settingsStore.load())
{
    m_engine = std::make_unique<BreakEngine>(m_settings, m_deps.clock, m_deps.loop);
    m_overlay = m_deps.makeOverlay(*m_engine);
    m_deps.notifier.requestAuthorizationIfNeeded();
    refreshLaunchAtLoginState();
    wireEngineCallbacks();
    if (m_deps.idleMonitor && m_deps.sleepWatcher) {
        m_presence = std::make_unique<PresenceTracker>(*m_engine, *m_deps.idleMonitor, *m_deps.sleepWatcher,
                                                       m_deps.clock, m_deps.loop);
        m_presence->start();
    }
    m_deps.loop.post(guarded([](AppModel &m) { m.presentLaunchScreensIfNeeded(); }));
}

AppModel::~AppModel()
{
    m_alive->model = nullptr;
    m_presence.reset();
    if (m_engine)
        m_engine->stop();
}

void AppModel::wireEngineCallbacks()
{
    BreakEngine &engine = *m_engine;
    engine.onBreakStarted = guarded([](AppModel &m, BreakType type, std::int64_t duration) {
        m.m_deps.notifier.notifyBreakStarted(type, duration);
        // Read now, so that a change of mode applies from the next break on.
        m.m_overlay->show(m.m_engine->settings().strictMode);
    });
    engine.onBreakWarning =
        guarded([](AppModel &m, std::int64_t seconds) { m.m_deps.notifier.notifyBreakWarning(seconds); });
    engine.onPausedReminder =
        guarded([](AppModel &m, std::int64_t elapsed) { m.m_deps.notifier.notifyStillPaused(elapsed); });
    engine.onBreakFinished = guarded([](AppModel &m) {
        m.m_overlay->hide();
        m.m_deps.notifier.notifyBreakEnded();
    });
    engine.onBreakCancelled = guarded([](AppModel &m) {
        m.m_overlay->hide();
        m.m_deps.notifier.cancelBreakNotifications();
    });
}

void AppModel::applySettings(const BreakSettings &settings)
{
    const BreakSettings clean = settings.sanitized();
    m_settings = clean;
    changed.notify();
    m_deps.settingsStore.save(clean);
    m_engine->updateSettings(clean);
}

void AppModel::handleNotificationCTA(std::function<void(const std::string &)> completion)
{
    m_deps.notifier.handleEnableAction([completion](NotificationEnableResult result) {
        if (!completion)
            return;
        switch (result) {
        case NotificationEnableResult::permissionRequested:
            completion(tr("Allow notifications when your desktop asks."));
            break;
        case NotificationEnableResult::openedSettings:
            completion(tr("Opening Notification Settings…"));
            break;
        case NotificationEnableResult::alreadyEnabled:
            completion(tr("Notifications are on ✓"));
            break;
        }
    });
}

void AppModel::refreshNotificationState(std::function<void(const std::optional<std::string> &)> completion)
{
    m_deps.notifier.fetchAuthorizationStatus([completion](AuthorizationStatus status) {
        if (!completion)
            return;
        const bool allowed = status == AuthorizationStatus::authorized || status == AuthorizationStatus::provisional ||
                             status == AuthorizationStatus::ephemeral;
        completion(allowed ? std::optional<std::string>(tr("Notifications are on ✓")) : std::nullopt);
    });
}

std::string AppModel::appVersionString() const
{
    return m_deps.bundle.shortVersion().value_or("0");
}

void AppModel::skipBreak()
{
    m_engine->skip();
    if (m_engine->phase() == TimerPhase::focus)
        m_overlay->hide();
}

void AppModel::postponeBreak()
{
    m_engine->postpone();
    if (m_engine->phase() == TimerPhase::focus)
        m_overlay->hide();
}

void AppModel::resetFocus()
{
    m_engine->resetFocusTimer();
    m_overlay->hide();
}

void AppModel::presentLaunchScreensIfNeeded()
{
    OnboardingStore *store = m_deps.onboardingStore;
    if (!store || !m_deps.onboardingController || !m_deps.bundle.isInstalled())
        return;
    const std::string running = appVersionString();
    if (!store->onboardingCompleted()) {
        store->setLastSeenVersion(running);
        showTour();
        return;
    }
    const std::optional<std::string> previous = store->lastSeenVersion();
    // Recorded first: each upgrade is announced once, however its window ends.
    store->setLastSeenVersion(running);
    if (!previous || !(AppVersion(*previous) < AppVersion(running)))
        return;
    auto notes = ReleaseNotes::notesNewer(previous);
    if (!notes.empty())
        m_deps.onboardingController->showWhatsNew(std::move(notes), [] {});
}

void AppModel::openTour()
{
    if (m_deps.onboardingController && m_deps.onboardingStore)
        showTour();
}

void AppModel::openWhatsNew()
{
    if (!m_deps.onboardingController || !m_deps.onboardingStore)
        return;
    auto notes = ReleaseNotes::notesNewer(m_deps.onboardingStore->lastSeenVersion());
    if (!notes.empty())
        m_deps.onboardingController->showWhatsNew(std::move(notes), [] {});
}

bool AppModel::canShowWhatsNew() const
{
    return m_deps.onboardingStore && !ReleaseNotes::notesNewer(m_deps.onboardingStore->lastSeenVersion()).empty();
}

void AppModel::refreshLaunchAtLoginState()
{
    LaunchAtLoginService *service = m_deps.launchAtLoginService;
    m_launchAtLoginSupported = service && service->isSupported();
    changed.notify();
    const LaunchAtLoginService::State state = service ? service->refreshState() : LaunchAtLoginService::State{};
    m_launchAtLoginEnabled = state.enabled;
    changed.notify();
    m_launchAtLoginMessage = state.message;
    changed.notify();
}

void AppModel::setLaunchAtLogin(bool enabled, std::function<void()> done)
{
    LaunchAtLoginService *service = m_deps.launchAtLoginService;
    if (!service) {
        refreshLaunchAtLoginState();
        if (done)
            done();
        return;
    }
    service->setEnabled(enabled, guarded([done](AppModel &m, const std::optional<LaunchAtLoginError> &error) {
                            m.refreshLaunchAtLoginState();
                            if (error) {
                                m.m_launchAtLoginMessage = error->description();
                                m.changed.notify();
                            }
                            if (done)
                                done();
                        }));
}

void AppModel::openSettings()
{
    if (m_deps.settingsWindowController)
        m_deps.settingsWindowController->show(*this);
}

void AppModel::showTour()
{
    m_deps.onboardingController->showTour(*this, guarded([](AppModel &m) { m.finishOnboarding(); }));
}

void AppModel::finishOnboarding()
{
    m_deps.onboardingStore->setOnboardingCompleted(true);
    m_deps.onboardingStore->setLastSeenVersion(appVersionString());
}

bool AppModel::updateChecksAvailable() const
{
    return m_deps.updateService && m_deps.updateService->isAvailable();
}

void AppModel::checkForUpdates()
{
    if (updateChecksAvailable())
        m_deps.updateService->checkForUpdates(true);
}

} // namespace tavelo
