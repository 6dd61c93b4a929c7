#include <gtest/gtest.h>

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
        start();
        center.clearCalls();
        return *model;
    }
    std::vector<Shown> shownKinds() const
    {
        std::vector<Shown> kinds;
        for (const auto &s : onboarding.shown)
            kinds.push_back(s.kind);
        return kinds;
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> result;
        for (const auto &request : center.added())
            result.push_back(request.title);
        return result;
    }
};

TEST_F(AppModelTest, StartsFromTheSavedSettings)
{
    files.files[settingsFile] = R"({"focusMinutes": 2, "shortBreakSeconds": 1})";
    auto &m = started();
    EXPECT_EQ(m.settings().shortBreakSeconds, 5);
    EXPECT_EQ(m.engine().settings(), m.settings());
    EXPECT_EQ(m.engine().remainingSeconds(), 120);
}

// The notice goes out before the overlay shows, and the overlay goes before "complete".
TEST_F(AppModelTest, ABreakIsAnnouncedThenShownThenHiddenThenReported)
{
    files.files[settingsFile] = R"({"strictMode": false})";
    auto &m = started();
    m.engine().expireForTesting();
    ASSERT_EQ(overlayCalls(), Calls{"show gentle"});
    EXPECT_EQ(titles().back(), "Microbreak");
    EXPECT_EQ(overlayLog[0].notificationCallsBefore, center.calls().size());

    // The strict flag is read when each break starts.
    BreakSettings strict = m.settings();
    strict.strictMode = true;
    m.applySettings(strict);
    center.clearCalls();
    m.engine().expireForTesting();
    EXPECT_EQ(overlayCalls(), (Calls{"show gentle", "hide"}));
    EXPECT_EQ(overlayLog[1].notificationCallsBefore, 0u);
    EXPECT_EQ(titles(), Calls{"Break complete"});
    m.engine().expireForTesting();
    EXPECT_EQ(overlayCalls().back(), "show strict");
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
            EXPECT_EQ(m.engine().remainingSeconds(), postpone ? 300 : 1500);
        }
    }
}

TEST_F(AppModelTest, CommandsReachTheEngine)
{
    auto &m = started();
    m.skipBreak();
    EXPECT_EQ(m.engine().completedFocusSessions(), 1);
    m.pauseFor(60);
    EXPECT_EQ(m.engine().pauseRemainingSeconds(), 60);
    m.togglePause();
    EXPECT_FALSE(m.engine().isPaused());
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());

    // Reset ends a break silently: the model hides the overlay itself.
    m.startBreakNow(BreakType::micro);
    center.clearCalls();
    m.resetFocus();
    EXPECT_EQ(overlayCalls().back(), "hide");
    EXPECT_TRUE(center.calls().empty());
    EXPECT_EQ(m.engine().remainingSeconds(), 1500);

    m.togglePause();
    m.engine().advancePausedClockForTesting(3600);
    EXPECT_EQ(titles(), Calls{"Timer still paused"});
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
    center.autoGrant = false;
    struct Case {
        AuthorizationStatus status;
        std::string action;
        std::optional<std::string> state;
    };
    const std::string on = "Notifications are on ✓";
    for (const Case &c : {Case{AuthorizationStatus::authorized, on, on}, Case{AuthorizationStatus::provisional, on, on},
                          Case{AuthorizationStatus::ephemeral, on, on},
                          Case{AuthorizationStatus::notDetermined, "Allow notifications when your desktop asks.", {}},
                          Case{AuthorizationStatus::denied, "Opening Notification Settings…", {}}}) {
        center.autoStatus = c.status;
        std::vector<std::string> texts;
        std::vector<std::optional<std::string>> states;
        m.handleNotificationCTA([&](const std::string &text) { texts.push_back(text); });
        m.handleNotificationCTA(nullptr);
        m.refreshNotificationState([&](const std::optional<std::string> &text) { states.push_back(text); });
        m.refreshNotificationState(nullptr);
        loop.runPending();
        EXPECT_EQ(texts, Calls{c.action});
        EXPECT_EQ(states, std::vector<std::optional<std::string>>{c.state});
    }
}

TEST_F(AppModelTest, VersionTextFallsBackToZero)
{
    auto &m = started();
    EXPECT_EQ(m.appVersionString(), "0.2.0");
    bundle.version.reset();
    EXPECT_EQ(m.appVersionString(), "0");
}

TEST_F(AppModelTest, NothingHappensOnceTheModelIsGone)
{
    build();
    model.reset();
    loop.runPending();
    EXPECT_TRUE(onboarding.shown.empty());

    runner.autoFinish = false;
    start().setLaunchAtLogin(true, [] { FAIL(); });
    auto breakStarted = engine().onBreakStarted;
    auto breakFinished = engine().onBreakFinished;
    OverlayActions actions = overlayActions;
    model.reset();
    center.clearCalls();
    overlayLog.clear();
    breakStarted(BreakType::micro, 20);
    breakFinished();
    actions.skip();
    onboarding.finish();
    runner.finishNext();
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());
    EXPECT_FALSE(onboardingStore.onboardingCompleted());
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
        SCOPED_TRACE(c.lastSeen.value_or("(none)") + " -> " + c.running);
        EXPECT_EQ(kinds, c.shown);
        EXPECT_EQ(f.onboardingStore.lastSeenVersion(), c.running);
        if (!kinds.empty()) {
            EXPECT_EQ(recordedWhenShown, c.running);
            EXPECT_EQ(f.onboarding.shown[0].notes.size(), c.notes);
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
    defaults.values[OnboardingStore::lastVersionKey] = std::string("0.2.0");
    EXPECT_FALSE(m.canShowWhatsNew());
    m.openWhatsNew();
    EXPECT_TRUE(onboarding.shown.empty());
    defaults.values[OnboardingStore::lastVersionKey] = std::string("0.1.0");
    m.openWhatsNew();
    ASSERT_EQ(shownKinds(), std::vector<Shown>{Shown::whatsNew});
    EXPECT_EQ(onboarding.shown[0].notes.size(), 1u);
    EXPECT_EQ(defaults.writes, 0);
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

TEST_F(AppModelTest, UpdateChecksAndSettingsOnRequest)
{
    for (bool installed : {true, false}) {
        test::AppFixture f;
        f.bundle.installed = installed;
        AppModel &m = f.start();
        EXPECT_EQ(m.updateChecksAvailable(), installed);
        m.checkForUpdates();
        EXPECT_EQ(f.http.requestedUrls.size(), installed ? 1u : 0u);
        if (installed) {
            // A check the user asked for answers even when it fails; an automatic one would not.
            ASSERT_TRUE(f.http.fail());
            ASSERT_FALSE(f.center.added().empty());
            EXPECT_EQ(f.center.added().back().title, "Update check failed");
        }
        m.openSettings();
        EXPECT_EQ(f.settingsWindow.shownFor, std::vector<AppModel *>{&m});
    }
}

} // namespace
