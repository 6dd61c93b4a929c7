#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/AppModel.h"
#include "app/services/NotificationService.h"
#include "core/BreakSettingsStore.h"
#include "platform/linux/PosixFileSystem.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;
using namespace std::chrono_literals;
using Kind = test::FakeNotificationCenter::Kind;

namespace {

// Records overlay calls together with how many notification calls preceded each,
// so that tests can check the order across the two collaborators.
class RecordingOverlay final : public OverlayPresenter {
public:
    struct Event {
        std::string what;
        std::size_t notificationCallsBefore;
    };

    explicit RecordingOverlay(const test::FakeNotificationCenter &center, std::vector<Event> &log)
        : m_center(center), m_log(log)
    {
    }
    void show(bool strictMode) override
    {
        m_visible = true;
        m_log.push_back({strictMode ? "show strict" : "show gentle", m_center.calls().size()});
    }
    void hide() override
    {
        m_visible = false;
        m_log.push_back({"hide", m_center.calls().size()});
    }
    bool isVisible() const override { return m_visible; }

private:
    const test::FakeNotificationCenter &m_center;
    std::vector<Event> &m_log;
    bool m_visible = false;
};

class AppModelTest : public ::testing::Test {
protected:
    void writeSettings(const std::string &json)
    {
        std::filesystem::create_directories(folder.path() / "Tavelo");
        std::ofstream(folder.path() / "Tavelo" / "settings.json") << json;
    }

    AppModel &model()
    {
        if (!m_model) {
            m_model = std::make_unique<AppModel>(AppModel::Collaborators{
                store, notifier,
                [this](BreakEngine &) { return std::make_unique<RecordingOverlay>(center, overlayLog); }, bundle, clock,
                loop});
            loop.runPending();
            center.clearCalls();
        }
        return *m_model;
    }

    std::vector<std::string> overlayCalls() const
    {
        std::vector<std::string> calls;
        for (const auto &event : overlayLog)
            calls.push_back(event.what);
        return calls;
    }

    test::TemporaryFolder folder;
    std::ostringstream errors;
    PosixFileSystem files;
    BreakSettingsStore store{files, folder.path() / "Tavelo", errors};
    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    test::FakeNotificationCenter center;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;
    NotificationService notifier{center, bundle, workspace, loop};
    std::vector<RecordingOverlay::Event> overlayLog;

private:
    std::unique_ptr<AppModel> m_model;
};

TEST_F(AppModelTest, StartsFromTheSavedSettingsAndAsksForPermissionOnce)
{
    writeSettings(R"({"focusMinutes": 2, "shortBreakSeconds": 1})");
    center.autoGrant = true;
    auto &m = model();
    EXPECT_EQ(m.settings().focusMinutes, 2);
    EXPECT_EQ(m.settings().shortBreakSeconds, 5);
    EXPECT_EQ(m.engine().remainingSeconds(), 120);
    EXPECT_EQ(m.engine().settings(), m.settings());
}

TEST_F(AppModelTest, BreakStartPostsThenShowsWithTheStrictFlagReadAtThatMoment)
{
    writeSettings(R"({"strictMode": false})");
    auto &m = model();
    m.engine().expireForTesting();
    ASSERT_EQ(overlayCalls(), std::vector<std::string>{"show gentle"});
    // The warning and the break-started notice (with its withdrawals) come before the overlay.
    const auto added = center.added();
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[0].title, "Break coming up");
    EXPECT_EQ(added[1].title, "Microbreak");
    EXPECT_EQ(overlayLog[0].notificationCallsBefore, center.calls().size());

    // Switching strict mode on during the break changes nothing until the next one.
    BreakSettings strict = m.settings();
    strict.strictMode = true;
    m.applySettings(strict);
    EXPECT_EQ(overlayCalls(), std::vector<std::string>{"show gentle"});
    m.engine().expireForTesting(); // break ends
    m.engine().expireForTesting(); // next break
    EXPECT_EQ(overlayCalls().back(), "show strict");
}

TEST_F(AppModelTest, FinishedBreakHidesBeforeBreakCompleteIsPosted)
{
    auto &m = model();
    m.engine().startBreakNow(BreakType::micro);
    center.clearCalls();
    overlayLog.clear();
    m.engine().expireForTesting();
    ASSERT_EQ(overlayCalls(), std::vector<std::string>{"hide"});
    EXPECT_EQ(overlayLog[0].notificationCallsBefore, 0u);
    const auto added = center.added();
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].title, "Break complete");
}

TEST_F(AppModelTest, CancelledBreakHidesAndWithdrawsWithoutPosting)
{
    auto &m = model();
    m.engine().startBreakNow(BreakType::long_);
    center.clearCalls();
    overlayLog.clear();
    m.postponeBreak();
    // Once by the engine's callback, once more by the menu action: harmless.
    EXPECT_EQ(overlayCalls(), (std::vector<std::string>{"hide", "hide"}));
    EXPECT_EQ(center.count(Kind::add), 0u);
    EXPECT_GT(center.count(Kind::removeDelivered), 0u);
    EXPECT_EQ(m.engine().phase(), TimerPhase::focus);
    EXPECT_EQ(m.engine().remainingSeconds(), 300);
}

TEST_F(AppModelTest, MenuActionsInFocus)
{
    auto &m = model();
    m.skipBreak();
    EXPECT_EQ(m.engine().completedFocusSessions(), 1);
    EXPECT_EQ(overlayCalls(), std::vector<std::string>{"hide"});
    m.postponeBreak();
    EXPECT_EQ(m.engine().remainingSeconds(), 1800);
    EXPECT_EQ(overlayCalls().size(), 2u);
    EXPECT_EQ(center.calls().size(), 0u);
}

TEST_F(AppModelTest, ResetDuringABreakHidesWithoutTouchingNotifications)
{
    auto &m = model();
    m.engine().startBreakNow(BreakType::micro);
    center.clearCalls();
    overlayLog.clear();
    m.resetFocus();
    EXPECT_EQ(overlayCalls(), std::vector<std::string>{"hide"});
    EXPECT_TRUE(center.calls().empty());
    EXPECT_EQ(m.engine().phase(), TimerPhase::focus);
    EXPECT_EQ(m.engine().remainingSeconds(), 1500);
}

TEST_F(AppModelTest, ApplySettingsSendsTheSameSanitisedRecordEverywhere)
{
    auto &m = model();
    int notified = 0;
    auto connection = m.changed.connect([&] { ++notified; });
    const BreakSettings wild{0, 1, -4, 0, 0, 600, 99999, false};
    m.applySettings(wild);
    const BreakSettings clean = wild.sanitized();
    EXPECT_EQ(m.settings(), clean);
    EXPECT_EQ(m.engine().settings(), clean);
    EXPECT_EQ(store.load(), clean);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(m.engine().remainingSeconds(), 60); // shortened to the new focus length
}

TEST_F(AppModelTest, NotificationTextsForTheTour)
{
    auto &m = model();
    std::vector<std::string> texts;
    center.autoStatus = AuthorizationStatus::authorized;
    m.handleNotificationCTA([&](const std::string &text) { texts.push_back(text); });
    loop.runPending();
    center.autoStatus = AuthorizationStatus::notDetermined;
    center.autoGrant = false;
    m.handleNotificationCTA([&](const std::string &text) { texts.push_back(text); });
    loop.runPending();
    center.autoStatus = AuthorizationStatus::denied;
    m.handleNotificationCTA([&](const std::string &text) { texts.push_back(text); });
    m.handleNotificationCTA(nullptr); // still carries out the action
    loop.runPending();
    EXPECT_EQ(texts, (std::vector<std::string>{"Notifications are on ✓", "Allow notifications when your desktop asks.",
                                               "Opening Notification Settings…"}));
    EXPECT_EQ(workspace.startedCommands.size(), 2u);

    std::vector<std::optional<std::string>> states;
    for (auto status :
         {AuthorizationStatus::provisional, AuthorizationStatus::denied, AuthorizationStatus::notDetermined}) {
        center.autoStatus = status;
        m.refreshNotificationState([&](const std::optional<std::string> &text) { states.push_back(text); });
        loop.runPending();
    }
    EXPECT_EQ(states, (std::vector<std::optional<std::string>>{"Notifications are on ✓", std::nullopt, std::nullopt}));
}

TEST_F(AppModelTest, VersionTextFallsBackToZero)
{
    auto &m = model();
    EXPECT_EQ(m.appVersionString(), "0.2.0");
    bundle.version.reset();
    EXPECT_EQ(m.appVersionString(), "0");
}

TEST_F(AppModelTest, EngineCallbacksThatOutliveTheModelDoNothing)
{
    std::function<void(BreakType, std::int64_t)> started;
    std::function<void()> finished;
    {
        AppModel local(AppModel::Collaborators{
            store, notifier, [this](BreakEngine &) { return std::make_unique<RecordingOverlay>(center, overlayLog); },
            bundle, clock, loop});
        started = local.engine().onBreakStarted;
        finished = local.engine().onBreakFinished;
    }
    loop.runPending();
    center.clearCalls();
    overlayLog.clear();
    started(BreakType::micro, 20);
    finished();
    EXPECT_TRUE(overlayLog.empty());
    EXPECT_TRUE(center.calls().empty());
}

} // namespace
