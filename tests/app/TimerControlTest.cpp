#include <tuple>

#include <gtest/gtest.h>

#include "app/PresenceTracker.h"
#include "app/TimerControl.h"
#include "support/AppFixture.h"
#include "support/FakeTimerEndpoint.h"

using namespace tavelo;
using Status = TimerReply::Status;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kStart = test::ManualClock::kStart.count();

class TimerControlTest : public ::testing::Test, protected test::AppFixture {
protected:
    TimerControlTest()
    {
        start();
        control = std::make_unique<TimerControl>(*model, endpoint, loop, [this] { ++panelsOpened; });
    }
    // Lets the loop run what the commands and ticks queued.
    void settle() { loop.runPending(); }

    test::FakeTimerEndpoint endpoint;
    std::unique_ptr<TimerControl> control;
    int panelsOpened = 0;
};

// Refusals mirror the panel: no resume button unless paused, no pause menu while paused,
// no start button for the break already running.
TEST_F(TimerControlTest, RefusesWhatThePanelDoesNotOfferAndBadArguments)
{
    ASSERT_EQ(endpoint.commands, control.get());
    struct Case {
        const char *what;
        std::function<TimerReply()> command;
        Status expected;
    };
    const Case cases[] = {
        {"resume while running", [&] { return control->resume(); }, Status::notNow},
        {"negative pause", [&] { return control->pause(-1); }, Status::invalidArgument},
        {"pause past ten years", [&] { return control->pause(315'360'001); }, Status::invalidArgument},
        {"unknown break kind", [&] { return control->startBreak("Long"); }, Status::invalidArgument},
        {"skip in focus skips the next break", [&] { return control->skip(); }, Status::done},
        {"pause for 15 minutes", [&] { return control->pause(900); }, Status::done},
        {"pause while paused", [&] { return control->pause(0); }, Status::notNow},
        {"resume", [&] { return control->resume(); }, Status::done},
        {"start a long break", [&] { return control->startBreak("long"); }, Status::done},
        {"the same break again", [&] { return control->startBreak("long"); }, Status::notNow},
        {"switch to a microbreak", [&] { return control->startBreak("micro"); }, Status::done},
        {"postpone the break", [&] { return control->postpone(); }, Status::done},
        {"open the panel", [&] { return control->openPanel(); }, Status::done},
    };
    for (const Case &c : cases) {
        const TimerReply reply = c.command();
        EXPECT_EQ(reply.status, c.expected) << c.what << ": " << reply.message;
        EXPECT_EQ(reply.message.empty(), reply.ok()) << c.what;
    }
    EXPECT_EQ(engine().completedFocusSessions(), 1);
    EXPECT_EQ(engine().phase(), TimerPhase::focus);
    EXPECT_EQ(panelsOpened, 1);
}

// The countdowns tick without a word; each change of plan is announced once, with the
// instants a listener counts down from.
TEST_F(TimerControlTest, AnnouncesChangesOfPlanButNotTheTicks)
{
    const TimerState first = endpoint.state();
    EXPECT_EQ(first.phaseEndsAt, kStart + 1500);
    // A countdown ending half a second past a whole one, read by late and early ticks.
    advance(500ms);
    ASSERT_TRUE(control->resetFocus().ok());
    for (int i = 0; i < 20; ++i) {
        clock.advance(i % 2 ? 600ms : 1200ms);
        loop.fireTimersOnce();
    }
    settle();
    EXPECT_TRUE(endpoint.announced.empty());
    EXPECT_EQ(endpoint.state().phaseEndsAt, kStart + 1500) << "held through the countdown's rounding";
    EXPECT_EQ(endpoint.state().remainingSeconds, 1482);

    ASSERT_TRUE(control->pause(600).ok());
    settle();
    ASSERT_EQ(endpoint.announced.size(), 1u);
    const TimerState paused = endpoint.announced.back();
    EXPECT_TRUE(paused.paused);
    EXPECT_EQ(paused.phaseEndsAt, 0);
    EXPECT_EQ(paused.pauseEndsAt, kStart + 18 + 600);

    advance(10min);
    settle();
    ASSERT_EQ(endpoint.announced.size(), 2u) << "the pause ran out";
    EXPECT_FALSE(endpoint.announced.back().paused);
    EXPECT_EQ(endpoint.announced.back().phaseEndsAt, first.phaseEndsAt + 600);

    ASSERT_TRUE(control->startBreak("micro").ok());
    settle();
    ASSERT_EQ(endpoint.announced.size(), 3u);
    const TimerState inBreak = endpoint.announced.back();
    EXPECT_EQ(std::tie(inBreak.phase, inBreak.activeBreak, inBreak.phaseLengthSeconds),
              std::tuple("break", "micro", std::int64_t{20}));

    // Away from focus the countdown is held, so there is no end to count down to.
    ASSERT_TRUE(control->resetFocus().ok());
    idleSource.read = [] { return std::optional(600.0); };
    advance(PresenceTracker::kSampleInterval + 1s);
    settle();
    ASSERT_TRUE(endpoint.announced.back().away);
    EXPECT_EQ(endpoint.announced.back().phaseEndsAt, 0);
}

TEST_F(TimerControlTest, WithdrawsWhenGone)
{
    control.reset();
    EXPECT_EQ(endpoint.commands, nullptr);
    EXPECT_FALSE(endpoint.state);
}

} // namespace
