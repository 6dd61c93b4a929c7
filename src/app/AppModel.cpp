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
#include "core/TimeMath.h"
#include "platform/BundleInfo.h"

namespace tavelo {

AppModel::AppModel(Collaborators collaborators)
    : m_deps(std::move(collaborators)), m_settings(m_deps.settingsStore.load())
{
    m_engine = std::make_unique<BreakEngine>(m_settings, m_deps.clock, m_deps.loop);
    m_overlay = m_deps.makeOverlay(*m_engine, OverlayActions{m_liveness.guard([this] { skipBreak(); }),
                                                             m_liveness.guard([this] { postponeBreak(); })});
    m_deps.notifier.requestAuthorizationIfNeeded();
    if (const auto &copy = m_deps.settingsStore.damagedCopy())
        m_deps.notifier.notifySettingsCopiedAside(copy->string());
    refreshLaunchAtLoginState();
    wireEngineCallbacks();
    watchPauseAndAbsence();
    m_presence = std::make_unique<PresenceTracker>(*m_engine, m_deps.idleMonitor, m_deps.sleepWatcher, m_deps.clock,
                                                   m_deps.loop);
    m_presence->start();
    m_deps.loop.post(m_liveness.guard([this] { presentLaunchScreensIfNeeded(); }));
}

AppModel::~AppModel()
{
    m_liveness.end();
    m_presence.reset();
    if (m_engine)
        m_engine->stop();
}

void AppModel::wireEngineCallbacks()
{
    BreakEngine &engine = *m_engine;
    engine.onBreakStarted = m_liveness.guard([this](BreakType type, std::int64_t duration) {
        m_runningBreak = {type, duration};
        record(HistoryEventKind::breakStarted, type, duration);
        m_deps.notifier.notifyBreakStarted(type, duration);
        // Read now, so that a change of mode applies from the next break on.
        m_overlay->show(m_engine->settings().strictMode);
    });
    engine.onBreakWarning = m_liveness.guard([this](std::int64_t seconds) {
        m_deps.notifier.notifyBreakWarning(seconds);
        // Built now, the overlay needs only mapping when the break starts.
        m_overlay->prepare(m_engine->settings().strictMode);
    });
    engine.onPausedReminder =
        m_liveness.guard([this](std::int64_t elapsed) { m_deps.notifier.notifyStillPaused(elapsed); });
    engine.onBreakFinished = m_liveness.guard([this] {
        if (m_runningBreak)
            record(m_engine->isAway() ? HistoryEventKind::breakTakenWhileAway : HistoryEventKind::breakCompleted,
                   m_runningBreak->first, m_runningBreak->second);
        m_runningBreak.reset();
        hideOverlay();
        m_deps.notifier.notifyBreakEnded();
    });
    engine.onBreakCancelled = m_liveness.guard([this] {
        m_runningBreak.reset();
        hideOverlay();
        m_deps.notifier.cancelBreakNotifications();
    });
}

// Pauses are recorded by the commands that start them, with their length; resuming and
// absence can also come from the engine itself, so they are read off its state.
void AppModel::watchPauseAndAbsence()
{
    m_engineWatch = m_engine->changed.connect([this] {
        if (m_wasPaused != m_engine->isPaused()) {
            m_wasPaused = m_engine->isPaused();
            if (!m_wasPaused)
                record(HistoryEventKind::resumed);
        }
        if (m_wasAway != m_engine->isAway()) {
            m_wasAway = m_engine->isAway();
            record(m_wasAway ? HistoryEventKind::away : HistoryEventKind::back);
        }
    });
}

void AppModel::record(HistoryEventKind kind, std::optional<BreakType> type, std::int64_t plannedSeconds)
{
    historyEvent.notify(HistoryEvent{m_deps.clock.now(), kind, type, plannedSeconds});
}

void AppModel::recordBreakAction(HistoryEventKind kind)
{
    if (m_engine->phase() == TimerPhase::breakTime && m_runningBreak) {
        record(kind, m_runningBreak->first, m_runningBreak->second);
        return;
    }
    const BreakType next = m_engine->nextScheduledBreakType();
    const BreakSettings &settings = m_engine->settings();
    record(kind, next,
           next == BreakType::long_ ? timemath::minutesToPhaseSeconds(settings.longBreakMinutes)
                                    : timemath::capPhaseSeconds(settings.shortBreakSeconds));
}

void AppModel::hideOverlay()
{
    m_overlay->hide();
}

std::optional<std::string> AppModel::applySettings(const BreakSettings &settings)
{
    const BreakSettings clean = settings.sanitized();
    m_settings = clean;
    changed.notify();
    auto failure = m_deps.settingsStore.save(clean);
    m_engine->updateSettings(clean);
    return failure;
}

void AppModel::handleNotificationCTA(std::function<void(const std::string &)> completion)
{
    m_deps.notifier.handleEnableAction([completion](NotificationEnableResult result) {
        if (!completion)
            return;
        switch (result) {
        case NotificationEnableResult::permissionRequested:
            completion(tr("Allow notifications when your desktop asks.").toStdString());
            break;
        case NotificationEnableResult::openedSettings:
            completion(tr("Opening Notification Settings…").toStdString());
            break;
        case NotificationEnableResult::alreadyEnabled:
            completion(tr("Notifications are on ✓").toStdString());
            break;
        case NotificationEnableResult::unavailable:
            completion(tr("Notifications are not available on this desktop.").toStdString());
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
        completion(allowed ? std::optional<std::string>(tr("Notifications are on ✓").toStdString()) : std::nullopt);
    });
}

std::string AppModel::appVersionString() const
{
    return m_deps.bundle.shortVersion().value_or("0");
}

void AppModel::pauseFor(std::int64_t seconds)
{
    m_engine->pauseFor(seconds);
    record(HistoryEventKind::paused, std::nullopt, timemath::capPhaseSeconds(std::max<std::int64_t>(seconds, 1)));
}

void AppModel::togglePause()
{
    const bool pausing = !m_engine->isPaused();
    m_engine->togglePause();
    if (pausing)
        record(HistoryEventKind::paused);
}

void AppModel::startBreakNow(BreakType type)
{
    m_engine->startBreakNow(type);
}

void AppModel::skipBreak()
{
    recordBreakAction(HistoryEventKind::breakSkipped);
    m_engine->skip();
}

void AppModel::postponeBreak()
{
    recordBreakAction(HistoryEventKind::breakPostponed);
    m_engine->postpone();
}

void AppModel::resetFocus()
{
    if (m_engine->phase() == TimerPhase::breakTime && m_runningBreak)
        record(HistoryEventKind::breakCancelled, m_runningBreak->first, m_runningBreak->second);
    m_runningBreak.reset();
    m_engine->resetFocusTimer();
    hideOverlay();
}

void AppModel::presentLaunchScreensIfNeeded()
{
    if (!m_deps.bundle.isInstalled())
        return;
    OnboardingStore &store = m_deps.onboardingStore;
    const std::string running = appVersionString();
    if (!store.onboardingCompleted()) {
        store.setLastSeenVersion(running);
        showTour();
        return;
    }
    const std::optional<std::string> previous = store.lastSeenVersion();
    // Recorded first: each upgrade is announced once, however its window ends.
    store.setLastSeenVersion(running);
    if (!previous || !(AppVersion(*previous) < AppVersion(running)))
        return;
    auto notes = ReleaseNotes::notesNewer(previous);
    if (!notes.empty())
        m_deps.onboardingController.showWhatsNew(std::move(notes), [] {});
}

void AppModel::openTour()
{
    showTour();
}

void AppModel::openWhatsNew()
{
    auto notes = ReleaseNotes::notesNewer(m_deps.onboardingStore.lastSeenVersion());
    if (!notes.empty())
        m_deps.onboardingController.showWhatsNew(std::move(notes), [] {});
}

bool AppModel::canShowWhatsNew() const
{
    return !ReleaseNotes::notesNewer(m_deps.onboardingStore.lastSeenVersion()).empty();
}

void AppModel::refreshLaunchAtLoginState()
{
    LaunchAtLoginService &service = m_deps.launchAtLoginService;
    m_launchAtLoginSupported = service.isSupported();
    changed.notify();
    const LaunchAtLoginService::State state = service.refreshState();
    m_launchAtLoginEnabled = state.enabled;
    changed.notify();
    m_launchAtLoginMessage = state.message;
    changed.notify();
}

void AppModel::setLaunchAtLogin(bool enabled, std::function<void()> done)
{
    m_deps.launchAtLoginService.setEnabled(
        enabled, m_liveness.guard([this, done](const std::optional<LaunchAtLoginError> &error) {
            refreshLaunchAtLoginState();
            if (error) {
                m_launchAtLoginMessage = error->description();
                changed.notify();
            }
            if (done)
                done();
        }));
}

void AppModel::openSettings()
{
    m_deps.settingsWindowController.show(*this);
}

void AppModel::showTour()
{
    m_deps.onboardingController.showTour(*this, m_liveness.guard([this] { finishOnboarding(); }));
}

void AppModel::finishOnboarding()
{
    m_deps.onboardingStore.setOnboardingCompleted(true);
    m_deps.onboardingStore.setLastSeenVersion(appVersionString());
}

bool AppModel::updateChecksAvailable() const
{
    return m_deps.updateService.isAvailable();
}

void AppModel::checkForUpdates()
{
    if (updateChecksAvailable())
        m_deps.updateService.checkForUpdates(true);
}

} // namespace tavelo
