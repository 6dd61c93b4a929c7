#include <gtest/gtest.h>

#include <fstream>

#include "core/ReleaseNotes.h"
#include "support/AppFixture.h"

using namespace tavelo;
using Kind = test::FakeNotificationCenter::Kind;
using Shown = test::FakeOnboardingPresenter::Shown::Kind;
using Calls = std::vector<std::string>;

namespace {

class AppModelTest : public ::testing::Test, protected test::AppFixture {
protected:
    AppModel &started()
    {
        if (!model) {
            start();
            center.clearCalls();
        }
        return *model;
    }
    void writeSettings(const std::string &json)
    {
        files.files[settingsFile] = json;
    }
    void remember(bool completed, std::optional<std::string> lastSeen)
    {
        defaults.values[OnboardingStore::completedKey] = completed;
        if (lastSeen)
            defaults.values[OnboardingStore::lastVersionKey] = *lastSeen;
        defaults.writes = 0;
    }
    std::vector<Shown> shownKinds() const
    {
        std::vector<Shown> kinds;
        for (const auto &s : onboarding.shown)
            kinds.push_back(s.kind);
        return kinds;
    }
};

TEST_F(AppModelTest, StartsFromTheSavedSettings)
{
    writeSettings(R"({"focusMinutes": 2, "shortBreakSeconds": 1})");
    auto &m = started();
    EXPECT_EQ(m.settings().shortBreakSeconds, 5);
    EXPECT_EQ(m.engine().remainingSeconds(), 120);
    EXPECT_EQ(m.engine().settings(), m.settings());
}

TEST_F(AppModelTest, BreakStartPostsThenShowsWithTheStrictFlagReadAtThatMoment)
{
    writeSettings(R"({"strictMode": false})");
    auto &m = started();
    m.engine().expireForTesting();
    ASSERT_EQ(overlayCalls(), Calls{"show gentle"});
    const auto added = center.added();
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[1].title, "Microbreak");
    EXPECT_EQ(overlayLog[0].notificationCallsBefore, center.calls().size());

    BreakSettings strict = m.settings();
    strict.strictMode = true;
    m.applySettings(strict);
    EXPECT_EQ(overlayCalls(), Calls{"show gentle"});
    m.engine().expireForTesting(); // break ends
    m.engine().expireForTesting(); // next break
    EXPECT_EQ(overlayCalls().back(), "show strict");
}

TEST_F(AppModelTest, FinishedBreakHidesBeforeBreakCompleteIsPosted)
{
    auto &m = started();
    m.startBreakNow(BreakType::micro);
    center.clearCalls();
    overlayLog.clear();
    m.engine().expireForTesting();
    ASSERT_EQ(overlayCalls(), Calls{"hide"});
    EXPECT_EQ(overlayLog[0].notificationCallsBefore, 0u);
    ASSERT_EQ(center.added().size(), 1u);
    EXPECT_EQ(center.added()[0].title, "Break complete");
}

// The overlay's own buttons and the panel's take the same way: the engine's callback
// hides the overlay and withdraws the break notices.
TEST_F(AppModelTest, SkipAndPostponeEndABreakThroughTheEnginesCallback)
{
    for (bool fromOverlay : {false, true}) {
        for (bool postpone : {false, true}) {
            test::AppFixture f;
            AppModel &m = f.start();
            m.startBreakNow(BreakType::long_);
            f.center.clearCalls();
            f.overlayLog.clear();
            if (fromOverlay)
                (postpone ? f.overlayActions.postpone : f.overlayActions.skip)();
            else
                postpone ? m.postponeBreak() : m.skipBreak();
            EXPECT_EQ(f.overlayCalls(), Calls{"hide"});
            EXPECT_EQ(f.center.count(Kind::add), 0u);
            EXPECT_GT(f.center.count(Kind::removeDelivered), 0u);
            EXPECT_EQ(m.engine().phase(), TimerPhase::focus);
            EXPECT_EQ(m.engine().remainingSeconds(), postpone ? 300 : 1500);
        }
    }
}

TEST_F(AppModelTest, CommandsInFocusLeaveTheOverlayAndNotificationsAlone)
{
    auto &m = started();
    m.skipBreak();
    EXPECT_EQ(m.engine().completedFocusSessions(), 1);
    m.postponeBreak();
    EXPECT_EQ(m.engine().remainingSeconds(), 1800);
    m.pauseFor(60);
    EXPECT_EQ(m.engine().pauseRemainingSeconds(), 60);
    m.togglePause();
    EXPECT_FALSE(m.engine().isPaused());
    m.togglePause();
    EXPECT_TRUE(m.engine().isPaused());
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());
}

TEST_F(AppModelTest, AnHourPausedIsRemindedOfThroughTheNotifier)
{
    auto &m = started();
    m.togglePause();
    m.engine().advancePausedClockForTesting(3600);
    ASSERT_EQ(center.added().size(), 1u);
    EXPECT_EQ(center.added()[0].title, "Timer still paused");
}

TEST_F(AppModelTest, ResetDuringABreakHidesWithoutTouchingNotifications)
{
    auto &m = started();
    m.startBreakNow(BreakType::micro);
    center.clearCalls();
    overlayLog.clear();
    m.resetFocus();
    EXPECT_EQ(overlayCalls(), Calls{"hide"});
    EXPECT_TRUE(center.calls().empty());
    EXPECT_EQ(m.engine().remainingSeconds(), 1500);
}

TEST_F(AppModelTest, ApplySettingsSendsTheSameSanitisedRecordEverywhere)
{
    auto &m = started();
    int notified = 0;
    auto connection = m.changed.connect([&] { ++notified; });
    const BreakSettings wild{0, 1, -4, 0, 0, 600, 99999, false};
    m.applySettings(wild);
    const BreakSettings clean = wild.sanitized();
    EXPECT_EQ(m.settings(), clean);
    EXPECT_EQ(m.engine().settings(), clean);
    EXPECT_EQ(settingsStore.load(), clean);
    EXPECT_EQ(notified, 1);
}

TEST_F(AppModelTest, NotificationTexts)
{
    auto &m = started();
    std::vector<std::string> texts;
    const auto record = [&](const std::string &text) { texts.push_back(text); };
    center.autoStatus = AuthorizationStatus::authorized;
    m.handleNotificationCTA(record);
    loop.runPending();
    center.autoStatus = AuthorizationStatus::notDetermined;
    center.autoGrant = false;
    m.handleNotificationCTA(record);
    loop.runPending();
    center.autoStatus = AuthorizationStatus::denied;
    m.handleNotificationCTA(record);
    m.handleNotificationCTA(nullptr);
    loop.runPending();
    EXPECT_EQ(texts, (Calls{"Notifications are on ✓", "Allow notifications when your desktop asks.",
                            "Opening Notification Settings…"}));

    std::vector<std::optional<std::string>> states;
    for (auto status : {AuthorizationStatus::provisional, AuthorizationStatus::ephemeral,
                        AuthorizationStatus::authorized, AuthorizationStatus::denied}) {
        center.autoStatus = status;
        m.refreshNotificationState([&](const std::optional<std::string> &text) { states.push_back(text); });
        m.refreshNotificationState(nullptr);
        loop.runPending();
    }
    const std::optional<std::string> on = "Notifications are on ✓";
    EXPECT_EQ(states, (std::vector<std::optional<std::string>>{on, on, on, std::nullopt}));
}

TEST_F(AppModelTest, VersionTextFallsBackToZero)
{
    auto &m = started();
    EXPECT_EQ(m.appVersionString(), "0.2.0");
    bundle.version.reset();
    EXPECT_EQ(m.appVersionString(), "0");
}

TEST_F(AppModelTest, CallbacksThatOutliveTheModelDoNothing)
{
    start();
    auto started = engine().onBreakStarted;
    auto finished = engine().onBreakFinished;
    OverlayActions actions = overlayActions;
    model.reset();
    center.clearCalls();
    overlayLog.clear();
    started(BreakType::micro, 20);
    finished();
    actions.skip();
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());
}

TEST_F(AppModelTest, FirstInstalledRunShowsTheTourOnTheNextTurnAndRecordsItsEnd)
{
    AppModel &m = build();
    EXPECT_TRUE(onboarding.shown.empty());
    loop.runPending();
    ASSERT_EQ(shownKinds(), std::vector<Shown>{Shown::tour});
    EXPECT_EQ(onboarding.shown[0].model, &m);
    EXPECT_EQ(onboardingStore.lastSeenVersion(), "0.2.0");
    EXPECT_FALSE(onboardingStore.onboardingCompleted());
    defaults.values[OnboardingStore::lastVersionKey] = std::string("5.0");
    onboarding.finish();
    EXPECT_TRUE(onboardingStore.onboardingCompleted());
    EXPECT_EQ(onboardingStore.lastSeenVersion(), "0.2.0");
}

TEST_F(AppModelTest, LaunchScreenFollowsTheRecordedVersion)
{
    struct Case {
        bool completed;
        std::optional<std::string> lastSeen;
        std::string running;
        std::vector<Shown> shown;
        std::size_t notes;
    };
    for (const Case &c :
         {Case{false, "9.0", "0.2.0", {Shown::tour}, 0}, Case{true, "0.1.0", "0.2.0", {Shown::whatsNew}, 1},
          Case{true, "unknown", "0.2.0", {Shown::whatsNew}, 2}, Case{true, "0.2.0", "0.2.0", {}, 0},
          Case{true, "0.2", "0.2.0", {}, 0}, Case{true, "0.2.0", "0.1.0", {}, 0},
          Case{true, std::nullopt, "0.2.0", {}, 0}, Case{true, "0.2.0", "9.0", {}, 0}}) {
        test::AppFixture f;
        f.defaults.values[OnboardingStore::completedKey] = c.completed;
        if (c.lastSeen)
            f.defaults.values[OnboardingStore::lastVersionKey] = *c.lastSeen;
        f.bundle.version = c.running;
        std::optional<std::string> recordedWhenShown;
        f.onboarding.onShow = [&] { recordedWhenShown = f.onboardingStore.lastSeenVersion(); };
        f.start();
        std::vector<Shown> kinds;
        for (const auto &s : f.onboarding.shown)
            kinds.push_back(s.kind);
        const std::string label = c.lastSeen.value_or("(none)") + " -> " + c.running;
        EXPECT_EQ(kinds, c.shown) << label;
        EXPECT_EQ(f.onboardingStore.lastSeenVersion(), c.running) << label;
        if (!kinds.empty()) {
            EXPECT_EQ(recordedWhenShown, c.running) << label;
            EXPECT_EQ(f.onboarding.shown[0].notes.size(), c.notes) << label;
        }
    }
}

TEST_F(AppModelTest, NotInstalledShowsNothingAtLaunchButTheMenuCommandsWork)
{
    bundle.installed = false;
    AppModel &m = started();
    EXPECT_TRUE(onboarding.shown.empty());
    EXPECT_EQ(defaults.writes, 0);
    m.openWhatsNew();
    m.openTour();
    EXPECT_EQ(shownKinds(), (std::vector<Shown>{Shown::whatsNew, Shown::tour}));
}

TEST_F(AppModelTest, WhatsNewOnRequestFollowsTheLastSeenVersionWithoutChangingIt)
{
    AppModel &m = build();
    EXPECT_TRUE(m.canShowWhatsNew());
    remember(true, "0.2.0");
    EXPECT_FALSE(m.canShowWhatsNew());
    m.openWhatsNew();
    EXPECT_TRUE(onboarding.shown.empty());
    remember(true, "0.1.0");
    EXPECT_TRUE(m.canShowWhatsNew());
    m.openWhatsNew();
    ASSERT_EQ(shownKinds(), std::vector<Shown>{Shown::whatsNew});
    EXPECT_EQ(onboarding.shown[0].notes.size(), 1u);
    EXPECT_EQ(defaults.writes, 0);
}

TEST_F(AppModelTest, NothingHappensOnceTheModelIsGone)
{
    build();
    model.reset();
    loop.runPending();
    EXPECT_TRUE(onboarding.shown.empty());
    start();
    model.reset();
    onboarding.finish();
    EXPECT_FALSE(onboardingStore.onboardingCompleted());
}

TEST_F(AppModelTest, LaunchAtLoginSwitchPublishesTheStateWhenItIsDone)
{
    runner.autoFinish = false;
    auto &m = started();
    EXPECT_TRUE(m.launchAtLoginSupported());
    int notices = 0;
    Connection observe = m.changed.connect([&] { ++notices; });
    bool done = false;
    m.setLaunchAtLogin(true, [&] { done = true; });
    EXPECT_FALSE(done);
    EXPECT_FALSE(m.launchAtLoginEnabled());
    runner.finishNext();
    EXPECT_TRUE(done);
    EXPECT_TRUE(m.launchAtLoginEnabled());
    EXPECT_EQ(m.launchAtLoginMessage(), std::nullopt);
    EXPECT_EQ(notices, 3);
}

TEST_F(AppModelTest, FailedLaunchAtLoginSwitchShowsTheFailureUntilTheNextRefresh)
{
    units.files[units.unitPath("com.tavelo.app.loginitem").value()] = "/usr/bin/tavelo";
    units.removeError = "Could not remove the unit: permission denied";
    loginItem.currentStatus = LoginItemService::Status::enabled;
    auto &m = started();
    m.setLaunchAtLogin(false);
    EXPECT_TRUE(m.launchAtLoginEnabled());
    EXPECT_EQ(m.launchAtLoginMessage(), "Could not remove the unit: permission denied");
    m.refreshLaunchAtLoginState();
    EXPECT_EQ(m.launchAtLoginMessage(), "Enabled via systemd user service fallback.");
}

TEST_F(AppModelTest, UninstalledBuildHasNoLaunchAtLoginNorUpdateChecks)
{
    bundle.installed = false;
    auto &m = started();
    EXPECT_FALSE(m.launchAtLoginSupported());
    EXPECT_FALSE(m.updateChecksAvailable());
    m.checkForUpdates();
    EXPECT_TRUE(http.requestedUrls.empty());
    bool done = false;
    m.setLaunchAtLogin(true, [&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_EQ(m.launchAtLoginMessage(), "Launch at login is available only when Tavelo is installed.");
}

TEST_F(AppModelTest, LaunchAtLoginEndingAfterTheModelIsGoneIsDropped)
{
    runner.autoFinish = false;
    started().setLaunchAtLogin(true, [] { FAIL(); });
    model.reset();
    runner.finishNext();
}

TEST_F(AppModelTest, InstalledBuildChecksForUpdatesOnRequest)
{
    auto &m = started();
    EXPECT_TRUE(m.updateChecksAvailable());
    m.checkForUpdates();
    EXPECT_EQ(http.requestedUrls.size(), 1u);
    m.openSettings();
    EXPECT_EQ(settingsWindow.shownFor, std::vector<AppModel *>{&m});
}

} // namespace
