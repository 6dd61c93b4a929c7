#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/OverlayPresenter.h"
#include "core/BreakEngine.h"
#include "core/BreakModels.h"
#include "core/Clock.h"
#include "core/HistoryEvent.h"
#include "core/Liveness.h"
#include "core/MainLoop.h"
#include "core/Signal.h"

namespace tavelo {

class BreakSettingsStore;
class BundleInfo;
class IdleMonitor;
class PresenceTracker;
class SleepWatcher;
class UpdateService;
class LaunchAtLoginService;
class NotificationService;
class OnboardingPresenter;
class OnboardingStore;
class SettingsWindowPresenter;

// Owns the engine and ties the services and windows to it. Main thread only.
class AppModel {
public:
    // The overlay reaches the model through the actions it is handed.
    using OverlayFactory = std::function<std::unique_ptr<OverlayPresenter>(BreakEngine &, OverlayActions)>;

    // The collaborators the entry builds. A feature a build lacks says so through its
    // service (not installed, unavailable), never through a missing collaborator.
    struct Collaborators {
        BreakSettingsStore &settingsStore;
        NotificationService &notifier;
        OverlayFactory makeOverlay;
        const BundleInfo &bundle;
        const Clock &clock;
        MainLoop &loop;
        OnboardingPresenter &onboardingController;
        OnboardingStore &onboardingStore;
        LaunchAtLoginService &launchAtLoginService;
        SettingsWindowPresenter &settingsWindowController;
        IdleMonitor &idleMonitor;
        SleepWatcher &sleepWatcher;
        UpdateService &updateService;
    };

    explicit AppModel(Collaborators collaborators);
    ~AppModel();
    AppModel(const AppModel &) = delete;
    AppModel &operator=(const AppModel &) = delete;

    const Clock &clock() const { return m_deps.clock; }
    MainLoop &loop() { return m_deps.loop; }
    BreakEngine &engine() { return *m_engine; }
    const BreakEngine &engine() const { return *m_engine; }

    // Published: `changed` fires on every assignment of a published value.
    const BreakSettings &settings() const { return m_settings; }
    Signal<> changed;
    // Every break started, ended, skipped or postponed, every pause, resume and absence,
    // as it happens.
    Signal<HistoryEvent> historyEvent;

    // Runs on `settings` from now on; returns why they could not be saved, if they were not.
    std::optional<std::string> applySettings(const BreakSettings &settings);

    // The enable-notifications action; `completion` (optional) receives the text to show.
    void handleNotificationCTA(std::function<void(const std::string &)> completion);
    // Calls `completion` with "Notifications are on ✓" when allowed, else with nothing.
    void refreshNotificationState(std::function<void(const std::optional<std::string> &)> completion);

    std::string appVersionString() const;

    // The engine's commands, for every view; the engine's callbacks show and hide the
    // overlay.
    void pauseFor(std::int64_t seconds);
    // Pauses indefinitely, or resumes a pause.
    void togglePause();
    void startBreakNow(BreakType type);
    void skipBreak();
    void postponeBreak();
    // Ends a running break silently (the engine sends no callback), so it hides the
    // overlay itself.
    void resetFocus();

    bool updateChecksAvailable() const;
    // A check the user asked for: it also says when Tavelo is up to date.
    void checkForUpdates();

    // Greets a first run with the tour and an upgrade with What's New; queued by the
    // constructor to the next turn of the loop. Only for an installed build.
    void presentLaunchScreensIfNeeded();
    void openTour();
    // The release notes newer than the last version seen, if there are any.
    void openWhatsNew();
    bool canShowWhatsNew() const;

    // Published, false (and no message) until the first refresh.
    bool launchAtLoginSupported() const { return m_launchAtLoginSupported; }
    bool launchAtLoginEnabled() const { return m_launchAtLoginEnabled; }
    const std::optional<std::string> &launchAtLoginMessage() const { return m_launchAtLoginMessage; }
    void refreshLaunchAtLoginState();
    // Switches launch at login, then refreshes the state; a failure's text becomes the
    // message. The switch may run a helper program, so `done` (optional) runs when it is over.
    void setLaunchAtLogin(bool enabled, std::function<void()> done = {});
    void openSettings();
    // Asks whoever shows the statistics to do so.
    void openStatistics() { statisticsRequested.notify(); }
    Signal<> statisticsRequested;

private:
    void wireEngineCallbacks();
    void hideOverlay();
    // Records that the tour was finished, skipped or closed.
    void finishOnboarding();
    void showTour();
    void watchPauseAndAbsence();
    void record(HistoryEventKind kind, std::optional<BreakType> type = std::nullopt, std::int64_t plannedSeconds = 0);
    // Skip and postpone act on the running break, or in focus on the next one.
    void recordBreakAction(HistoryEventKind kind);
    Collaborators m_deps;
    Liveness m_liveness;
    BreakSettings m_settings;
    std::unique_ptr<BreakEngine> m_engine;
    std::unique_ptr<OverlayPresenter> m_overlay;
    std::unique_ptr<PresenceTracker> m_presence;
    bool m_launchAtLoginSupported = false;
    bool m_launchAtLoginEnabled = false;
    std::optional<std::string> m_launchAtLoginMessage;
    // The break under way, for the history: its kind and planned length.
    std::optional<std::pair<BreakType, std::int64_t>> m_runningBreak;
    bool m_wasPaused = false;
    bool m_wasAway = false;
    Connection m_engineWatch;

    Q_DECLARE_TR_FUNCTIONS(tavelo::AppModel)
};

} // namespace tavelo
