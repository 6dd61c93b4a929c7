#include <gtest/gtest.h>

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
};

// The notice goes out before the overlay shows, and the overlay goes before "complete".
TEST_F(AppModelTest, StartsFromTheSavedSettingsAndAnnouncesThenShowsThenHidesThenReportsABreak)
{
    files.files[settingsFile] = R"({"strictMode": false, "focusMinutes": 2})";
    auto &m = started();
    EXPECT_EQ(m.engine().remainingSeconds(), 120);
    m.engine().expireForTesting();
    ASSERT_EQ(overlayLog, Calls{"show gentle"});
    EXPECT_EQ(noticesBeforeOverlay[0], center.calls().size());

    // One clean record goes everywhere; the strict flag is read when each break starts.
    int notified = 0;
    auto connection = m.changed.connect([&] { ++notified; });
    const BreakSettings wild{0, 1, -4, 0, 0, 600, 99999, true};
    m.applySettings(wild);
    EXPECT_EQ(m.engine().settings(), wild.sanitized());
    EXPECT_EQ(settingsStore.load(), wild.sanitized());
    EXPECT_EQ(notified, 1);
    center.clearCalls();
    m.engine().expireForTesting();
    EXPECT_EQ(noticesBeforeOverlay.at(1), 0u);
    EXPECT_EQ(titles(), Calls{"Break complete"});
    m.engine().expireForTesting();
    EXPECT_EQ(overlayLog, (Calls{"show gentle", "hide", "show strict"}));
}

// The overlay is built at the warning, in the mode the settings ask for, and shown at the break.
TEST_F(AppModelTest, TheWarningPreparesTheOverlay)
{
    files.files[settingsFile] = R"({"strictMode": false, "focusMinutes": 1, "preBreakWarningSeconds": 10})";
    started();
    loop.advance(std::chrono::seconds(49));
    EXPECT_TRUE(overlayPrepares.empty());
    loop.advance(std::chrono::seconds(1));
    EXPECT_EQ(overlayPrepares, std::vector<bool>{false});
    EXPECT_TRUE(overlayLog.empty());
}

// The overlay's buttons act on the engine, whose callback hides the overlay and withdraws
// the break notices; reset ends a break silently, so the model hides the overlay itself.
TEST_F(AppModelTest, SkipPostponeOrResetEndTheBreakAndALongPauseIsReported)
{
    auto &m = started();
    enum Action { skip, postpone, reset };
    for (Action action : {skip, postpone, reset}) {
        m.startBreakNow(BreakType::long_);
        center.clearCalls();
        overlayLog.clear();
        action == reset ? m.resetFocus() : (action == postpone ? overlayActions.postpone : overlayActions.skip)();
        EXPECT_EQ(overlayLog, Calls{"hide"});
        EXPECT_EQ(center.count(Kind::add), 0u);
        EXPECT_EQ(center.count(Kind::removeDelivered) > 0, action != reset);
        EXPECT_EQ(center.calls().empty(), action == reset);
        EXPECT_EQ(m.engine().remainingSeconds(), action == postpone ? 300 : 1500);
    }
    m.togglePause();
    m.engine().advancePausedClockForTesting(3600);
    EXPECT_EQ(titles(), Calls{"Timer still paused"});
}

TEST_F(AppModelTest, NotificationTexts)
{
    auto &m = started();
    center.autoGrant = false;
    const std::string on = "Notifications are on ✓";
    using S = AuthorizationStatus;
    for (const auto &[status, action] :
         std::vector<std::pair<S, std::string>>{{S::authorized, on},
                                                {S::provisional, on},
                                                {S::ephemeral, on},
                                                {S::notDetermined, "Allow notifications when your desktop asks."},
                                                {S::denied, "Opening Notification Settings…"}}) {
        center.autoStatus = status;
        Calls texts;
        std::vector<std::optional<std::string>> states;
        m.handleNotificationCTA([&](const std::string &text) { texts.push_back(text); });
        m.handleNotificationCTA(nullptr);
        m.refreshNotificationState([&](const std::optional<std::string> &text) { states.push_back(text); });
        m.refreshNotificationState(nullptr);
        loop.runPending();
        EXPECT_EQ(texts, Calls{action});
        EXPECT_EQ(states, std::vector<std::optional<std::string>>{action == on ? std::optional(on) : std::nullopt});
    }
}

TEST_F(AppModelTest, NothingHappensOnceTheModelIsGone)
{
    build();
    model.reset();
    loop.runPending();
    EXPECT_TRUE(onboarding.shown.empty());

    // Through the fallback unit, so that systemctl keeps the request waiting.
    loginItem.registerError = "refused";
    runner.autoFinish = false;
    start().setLaunchAtLogin(true, [] { FAIL(); });
    auto breakStarted = engine().onBreakStarted;
    OverlayActions actions = overlayActions;
    model.reset();
    center.clearCalls();
    overlayLog.clear();
    breakStarted(BreakType::micro, 20);
    actions.skip();
    onboarding.finish();
    runner.finishNext();
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());
    EXPECT_FALSE(onboardingStore.onboardingCompleted());
}

TEST_F(AppModelTest, LaunchScreenFollowsTheRecordedVersion)
{
    // completed, last seen, running, what shows, how many notes
    using Case = std::tuple<bool, std::optional<std::string>, std::string, std::vector<Shown>, std::size_t>;
    for (const auto &[completed, lastSeen, running, shown, notes] :
         {Case{false, "9.0", "0.2.0", {Shown::tour}, 0}, Case{true, "0.1.0", "0.2.0", {Shown::whatsNew}, 1},
          Case{true, "unknown", "0.2.0", {Shown::whatsNew}, 2}, Case{true, "0.2.0", "0.2.0", {}, 0},
          Case{true, "0.2", "0.2.0", {}, 0}, Case{true, "0.2.0", "0.1.0", {}, 0},
          Case{true, std::nullopt, "0.2.0", {}, 0}, Case{true, "0.2.0", "9.0", {}, 0}}) {
        SCOPED_TRACE(lastSeen.value_or("(none)") + " -> " + running);
        test::AppFixture f;
        f.defaults.values[OnboardingStore::completedKey] = completed;
        if (lastSeen)
            f.defaults.values[OnboardingStore::lastVersionKey] = *lastSeen;
        f.bundle.version = running;
        std::optional<std::string> recordedWhenShown;
        f.onboarding.onShow = [&] { recordedWhenShown = f.onboardingStore.lastSeenVersion(); };
        f.start();
        EXPECT_EQ(f.shownKinds(), shown);
        EXPECT_EQ(f.onboardingStore.lastSeenVersion(), running);
        if (!shown.empty()) {
            EXPECT_EQ(recordedWhenShown, running);
            EXPECT_EQ(f.onboarding.shown[0].notes.size(), notes);
        }
        f.onboarding.finish();
        EXPECT_TRUE(f.onboardingStore.onboardingCompleted());
    }
}

// What's new on request follows the last seen version without changing it.
TEST_F(AppModelTest, NotInstalledShowsNothingAtLaunchButTheMenuCommandsWork)
{
    bundle.installed = false;
    bundle.version.reset();
    AppModel &m = started();
    EXPECT_EQ(m.appVersionString(), "0");
    m.checkForUpdates();
    EXPECT_TRUE(http.requestedUrls.empty());
    defaults.values[OnboardingStore::lastVersionKey] = std::string("0.2.0");
    EXPECT_FALSE(m.canShowWhatsNew());
    m.openWhatsNew();
    defaults.values[OnboardingStore::lastVersionKey] = std::string("0.1.0");
    EXPECT_TRUE(m.canShowWhatsNew());
    m.openWhatsNew();
    m.openTour();
    EXPECT_EQ(shownKinds(), (std::vector<Shown>{Shown::whatsNew, Shown::tour}));
    EXPECT_EQ(defaults.writes, 0);
}

TEST_F(AppModelTest, LaunchAtLoginSwitchPublishesTheStateOrTheFailureWhenDone)
{
    loginItem.registerError = "refused";
    runner.autoFinish = false;
    auto &m = started();
    bool done = false;
    m.setLaunchAtLogin(true, [&] { done = true; });
    EXPECT_FALSE(m.launchAtLoginEnabled());
    runner.finishNext();
    EXPECT_TRUE(done);
    EXPECT_TRUE(m.launchAtLoginEnabled());

    // A failure shows until the next refresh.
    units.files[units.unitPath("com.tavelo.app.loginitem").value()] = "/usr/bin/tavelo";
    units.removeError = "Could not remove the unit: permission denied";
    loginItem.currentStatus = LoginItemService::Status::notFound;
    m.setLaunchAtLogin(false);
    runner.finishNext();
    EXPECT_TRUE(m.launchAtLoginEnabled());
    EXPECT_EQ(m.launchAtLoginMessage(), "Could not remove the unit: permission denied");
    m.refreshLaunchAtLoginState();
    EXPECT_EQ(m.launchAtLoginMessage(), "Enabled via systemd user service fallback.");
}

// Hand edits in a file that does not parse survive the next save, in a copy the user is told about once.
TEST_F(AppModelTest, ADamagedSettingsFileIsCopiedAsideAndTheUserToldWhere)
{
    const std::string damaged = R"({"focusMinutes": 50,})";
    const std::filesystem::path earlier = "/config/Tavelo/settings.json.damaged-20260105-090000";
    files.files[earlier] = "a copy from earlier";
    files.files[settingsFile] = damaged;
    AppModel &m = start();
    const std::filesystem::path copy = earlier.string() + "-2";
    EXPECT_EQ(std::pair(files.files[copy], files.files[earlier]),
              std::pair(damaged, std::string("a copy from earlier")));
    m.applySettings(BreakSettings::standard);
    ASSERT_EQ(center.added().size(), 1u);
    EXPECT_NE(center.added()[0].body.find(copy.string()), std::string::npos) << center.added()[0].body;
    EXPECT_NE(errors.str().find(copy.string()), std::string::npos) << errors.str();
    EXPECT_EQ(files.files[copy], damaged);
}

TEST_F(AppModelTest, UpdateChecksAndSettingsOnRequest)
{
    auto &m = started();
    m.checkForUpdates();
    // A check the user asked for answers even when it fails; an automatic one would not.
    EXPECT_TRUE(http.fail());
    EXPECT_EQ(titles(), (Calls{"Checking for updates…", "Update check failed"}));
    m.openSettings();
    EXPECT_EQ(settingsWindow.shownFor, std::vector<AppModel *>{&m});
}

} // namespace
