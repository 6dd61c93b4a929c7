#include <gtest/gtest.h>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

BreakSettings standardWith(std::int64_t focusMinutes, std::int64_t shortBreakSeconds, std::int64_t warning)
{
    BreakSettings s = BreakSettings::standard;
    s.focusMinutes = focusMinutes;
    s.shortBreakSeconds = shortBreakSeconds;
    s.preBreakWarningSeconds = warning;
    return s;
}

} // namespace

TEST(BreakEngineSettingsTest, ShortensButNeverLengthensTheFocusCountdown)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().updateSettings(standardWith(50, 20, 10));
    EXPECT_EQ(h.e().remainingSeconds(), 600);
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 599);
    h.e().updateSettings(standardWith(5, 20, 10));
    EXPECT_EQ(h.e().remainingSeconds(), 300);
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 299);
    EXPECT_TRUE(h.take().empty());
    EXPECT_EQ(h.e().settings().focusMinutes, 5);
}

TEST(BreakEngineSettingsTest, ShortensButNeverLengthensTheRunningBreak)
{
    EngineHarness h;
    h.e().expireForTesting();
    h.e().advanceForTesting(5);
    EXPECT_EQ(h.e().remainingSeconds(), 15);
    h.e().updateSettings(standardWith(25, 30, 10));
    EXPECT_EQ(h.e().remainingSeconds(), 15);
    h.e().updateSettings(standardWith(25, 10, 10));
    EXPECT_EQ(h.e().remainingSeconds(), 10);
    EXPECT_EQ(h.e().activeBreak(), BreakType::micro);
    h.take();

    h.e().startBreakNow(BreakType::long_);
    BreakSettings shorterLong = BreakSettings::standard;
    shorterLong.longBreakMinutes = 2;
    h.e().updateSettings(shorterLong);
    EXPECT_EQ(h.e().remainingSeconds(), 120);
    h.run(120s);
    EXPECT_EQ(h.take(), (Events{"started:long:900", "finished"}));
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
}

TEST(BreakEngineSettingsTest, ARaisedLeadWarnsAtTheNextTickUnlessAlreadyWarned)
{
    EngineHarness fresh;
    fresh.e().advanceForTesting(1470);
    fresh.e().updateSettings(standardWith(25, 20, 60));
    EXPECT_TRUE(fresh.take().empty());
    fresh.run(1s);
    EXPECT_EQ(fresh.take(), (Events{"warning:60"}));

    EngineHarness warned;
    warned.e().advanceForTesting(1490);
    warned.e().postpone();
    warned.e().advanceForTesting(280);
    EXPECT_EQ(warned.e().remainingSeconds(), 30);
    warned.e().updateSettings(standardWith(25, 20, 60));
    warned.run(30s);
    EXPECT_EQ(warned.take(), (Events{"warning:10", "started:micro:20"}));
}

TEST(BreakEngineSettingsTest, AnUpdateWithTimeToSpareReArmsTheWarning)
{
    EngineHarness h;
    h.e().advanceForTesting(1490);
    h.e().postpone();
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
    h.e().updateSettings(BreakSettings::standard);
    h.e().advanceForTesting(300);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
}

TEST(BreakEngineSettingsTest, SettingsAreSanitisedOnTheWayIn)
{
    EngineHarness h(BreakSettings{0, 0, 0, 0, 0, 99, -4, false});
    EXPECT_EQ(h.e().settings(), (BreakSettings{1, 5, 1, 1, 1, 60, 0, false}));
    EXPECT_EQ(h.e().remainingSeconds(), 60);
    h.e().updateSettings(BreakSettings{-1, 4, -1, -1, -1, -1, 9999, true});
    EXPECT_EQ(h.e().settings(), (BreakSettings{1, 5, 1, 1, 1, 0, 3600, true}));
}

TEST(BreakEngineSettingsTest, AnUpdateLeavesPhasePauseAndCountAlone)
{
    EngineHarness h;
    h.e().expireForTesting();
    h.e().pauseFor(600);
    h.take();
    h.e().updateSettings(standardWith(1, 5, 0));
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    EXPECT_EQ(h.e().activeBreak(), BreakType::micro);
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 600);
    EXPECT_EQ(h.e().completedFocusSessions(), 1);
    EXPECT_EQ(h.e().remainingSeconds(), 5);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineSettingsTest, ACountdownShortenedWhilePausedIsNotGivenThePauseOnTop)
{
    EngineHarness h;
    h.e().advanceForTesting(300); // 1200 left
    h.e().togglePause();
    h.run(10min);
    h.e().updateSettings(standardWith(5, 20, 10));
    EXPECT_EQ(h.e().remainingSeconds(), 300);
    h.run(5min);
    h.e().togglePause();
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 299); // not 899: the ten minutes paused before the update stay spent
}
