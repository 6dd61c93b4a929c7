#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/OverlayPresenter.h"
#include "core/BreakEngine.h"
#include "core/BreakModels.h"
#include "core/Clock.h"
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
    using OverlayFactory = std::function<std::unique_ptr<OverlayPresenter>(BreakEngine &)>;

    // The collaborators the entry builds; each later feature adds its own here.
    struct Collaborators {
        BreakSettingsStore &settingsStore;
        NotificationService &notifier;
        OverlayFactory makeOverlay;
        const BundleInfo &bundle;
        const Clock &clock;
        MainLoop &loop;
        // The tour and What's New windows and what they remember between runs; without
        // them (tests that do not need them) there are no launch screens.
        OnboardingPresenter *onboardingController = nullptr;
        OnboardingStore *onboardingStore = nullptr;
        // Launch at login and the settings window; without them launch at login is
        // unsupported and there is no settings window.
        LaunchAtLoginService *launchAtLoginService = nullptr;
        SettingsWindowPresenter *settingsWindowController = nullptr;
        // Idle time and suspend; without them the user never counts as away and sleep
        // is not made up for.
        IdleMonitor *idleMonitor = nullptr;
        SleepWatcher *sleepWatcher = nullptr;
        // The daily update check; without it update checks are unavailable.
        UpdateService *updateService = nullptr;
    };

    explicit AppModel(Collaborators collaborators);
    ~AppModel();
    AppModel(const AppModel &) = delete;
    AppModel &operator=(const AppModel &) = delete;

    BreakEngine &engine() { return *m_engine; }
    const BreakEngine &engine() const { return *m_engine; }

    // Published: `changed` fires on every assignment of a published value.
    const BreakSettings &settings() const { return m_settings; }
    Signal<> changed;

    void applySettings(const BreakSettings &settings);

    // The enable-notifications action; `completion` (optional) receives the text to show.
    void handleNotificationCTA(std::function<void(const std::string &)> completion);
    // Calls `completion` with "Notifications are on ✓" when allowed, else with nothing.
    void refreshNotificationState(std::function<void(const std::optional<std::string> &)> completion);

    std::string appVersionString() const;

    void skipBreak();
    void postponeBreak();
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

private:
    struct Alive {
        AppModel *model;
    };

    void wireEngineCallbacks();
    // Records that the tour was finished, skipped or closed.
    void finishOnboarding();
    void showTour();
    // Runs `fn` on the model only while it still exists.
    template <typename Fn> auto guarded(Fn fn);

    Collaborators m_deps;
    std::shared_ptr<Alive> m_alive;
    BreakSettings m_settings;
    std::unique_ptr<BreakEngine> m_engine;
    std::unique_ptr<OverlayPresenter> m_overlay;
    std::unique_ptr<PresenceTracker> m_presence;
    bool m_launchAtLoginSupported = false;
    bool m_launchAtLoginEnabled = false;
    std::optional<std::string> m_launchAtLoginMessage;
};

} // namespace tavelo
