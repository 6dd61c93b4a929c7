#include <ostream>

#include <gtest/gtest.h>

#include "app/ui/StatusMenuPresentation.h"
#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

// Readable failure messages.
[[maybe_unused]] static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tavelo {
namespace {

StatusSnapshot focus(std::int64_t remaining = 750)
{
    StatusSnapshot s;
    s.phase = TimerPhase::focus;
    s.remainingSeconds = remaining;
    s.nextScheduledBreakType = BreakType::long_;
    s.phaseLengthSeconds = 1500;
    return s;
}

StatusSnapshot inBreak(BreakType type, std::int64_t remaining = 12)
{
    StatusSnapshot s = focus(remaining);
    s.phase = TimerPhase::breakTime;
    s.activeBreak = type;
    return s;
}

StatusSnapshot paused(StatusSnapshot s, std::int64_t elapsed, std::int64_t pauseLeft = 0)
{
    s.isPaused = true;
    s.pausedElapsedSeconds = elapsed;
    s.pauseRemainingSeconds = pauseLeft;
    return s;
}

TEST(StatusMenuPresentation, FocusTexts)
{
    const StatusMenuPresentation p(focus(750));
    EXPECT_EQ(p.menuTitle(), "12:30");
    EXPECT_EQ(p.headline(), "Focus in progress");
    EXPECT_EQ(p.countdown(), "12:30");
    EXPECT_EQ(p.statusLine(), "Next: Long break in 12:30");
    EXPECT_EQ(p.skipTitle(), "Skip Next Break (Long break)");
    EXPECT_FALSE(p.showsResumeButton());
}

TEST(StatusMenuPresentation, BreakTexts)
{
    const StatusMenuPresentation micro(inBreak(BreakType::micro, 12));
    EXPECT_EQ(micro.menuTitle(), "00:12");
    EXPECT_EQ(micro.headline(), "Microbreak in progress");
    EXPECT_EQ(micro.statusLine(), "Microbreak ends in 00:12");
    EXPECT_EQ(micro.skipTitle(), "Skip Current Break");

    StatusSnapshot unknown = inBreak(BreakType::long_, 3725);
    unknown.activeBreak.reset();
    const StatusMenuPresentation p(unknown);
    EXPECT_EQ(p.headline(), "Break in progress");
    EXPECT_EQ(p.statusLine(), "Break ends in 1:02:05");
}

TEST(StatusMenuPresentation, PausedComesBeforeAwayAndAwayBeforeFocus)
{
    StatusSnapshot away = focus(600);
    away.isAway = true;
    const StatusMenuPresentation a(away);
    EXPECT_EQ(a.menuTitle(), "Away");
    EXPECT_EQ(a.headline(), "Away — timer frozen");
    EXPECT_EQ(a.statusLine(), "Away — focus resumes when you're back");
    EXPECT_EQ(a.countdown(), "10:00");

    const StatusMenuPresentation p(paused(away, 30));
    EXPECT_EQ(p.menuTitle(), "Paused");
    EXPECT_EQ(p.headline(), "Timer paused");
    EXPECT_EQ(p.statusLine(), "Paused — timer frozen");
    EXPECT_EQ(p.countdown(), "10:00");
    EXPECT_TRUE(p.showsResumeButton());
}

TEST(StatusMenuPresentation, AwayDuringBreakKeepsCountingTheBreak)
{
    StatusSnapshot s = inBreak(BreakType::long_, 842);
    s.isAway = true;
    const StatusMenuPresentation p(s);
    EXPECT_EQ(p.menuTitle(), "14:02");
    EXPECT_EQ(p.headline(), "Long break in progress");
    EXPECT_EQ(p.statusLine(), "Long break ends in 14:02");
}

TEST(StatusMenuPresentation, StatusLineTestsBreakTimeBeforePause)
{
    const StatusMenuPresentation p(paused(inBreak(BreakType::micro, 15), 120, 299));
    EXPECT_EQ(p.statusLine(), "Microbreak ends in 00:15");
    // The other texts still put the pause first.
    EXPECT_EQ(p.menuTitle(), "Paused 2m");
    EXPECT_EQ(p.headline(), "Timer paused · 2m");
    EXPECT_EQ(p.resumeLabel(), "Resume Timer (04:59)");
}

TEST(StatusMenuPresentation, PauseTextsSwitchAtSixtySeconds)
{
    const StatusMenuPresentation before(paused(focus(), 59));
    EXPECT_EQ(before.menuTitle(), "Paused");
    EXPECT_EQ(before.headline(), "Timer paused");
    EXPECT_EQ(before.statusLine(), "Paused — timer frozen");
    EXPECT_EQ(before.resumeLabel(), "Resume Timer");

    const StatusMenuPresentation after(paused(focus(), 60));
    EXPECT_EQ(after.menuTitle(), "Paused 1m");
    EXPECT_EQ(after.headline(), "Timer paused · 1m");
    EXPECT_EQ(after.statusLine(), "Paused 1m ago — timer frozen");
    EXPECT_EQ(after.resumeLabel(), "Resume Timer (paused 1m)");

    const StatusMenuPresentation long_(paused(focus(), 3 * 3600 + 5 * 60));
    EXPECT_EQ(long_.menuTitle(), "Paused 3h 05m");
}

TEST(StatusMenuPresentation, TimedAndIndefinitePauseExamples)
{
    const StatusMenuPresentation timed(paused(focus(), 1, 299));
    EXPECT_EQ(timed.statusLine(), "Paused — resumes in 04:59");
    EXPECT_EQ(timed.resumeLabel(), "Resume Timer (04:59)");
    EXPECT_EQ(timed.menuTitle(), "Paused");

    const StatusMenuPresentation indefinite(paused(focus(), 120));
    EXPECT_EQ(indefinite.statusLine(), "Paused 2m ago — timer frozen");
    EXPECT_EQ(indefinite.resumeLabel(), "Resume Timer (paused 2m)");
}

TEST(StatusMenuPresentation, SessionLine)
{
    StatusSnapshot s = focus();
    s.completedFocusSessions = 6;
    s.longBreakEvery = 4;
    EXPECT_EQ(StatusMenuPresentation(s).sessionLine(), "Session 3 of 4 • 6 completed");

    for (const std::int64_t every : {0, 1, -3}) {
        s.longBreakEvery = every;
        for (const std::int64_t n : {0, 1, 7}) {
            s.completedFocusSessions = n;
            EXPECT_EQ(StatusMenuPresentation(s).sessionLine(), QString("Session 1 of 1 • %1 completed").arg(n))
                << "every " << every << ", n " << n;
        }
    }

    s.longBreakEvery = 4;
    s.completedFocusSessions = 1'000'000'007;
    EXPECT_EQ(StatusMenuPresentation(s).sessionLine(), "Session 4 of 4 • 1000000007 completed");
}

TEST(StatusMenuPresentation, PostponeTitleUsesTheModelSetting)
{
    StatusSnapshot s = focus();
    s.postponeMinutes = 12;
    EXPECT_EQ(StatusMenuPresentation(s).postponeTitle(), "Postpone 12 min");
}

TEST(StatusMenuPresentation, StartButtonsDisableOnlyTheRunningKind)
{
    const StatusMenuPresentation inFocus(focus());
    EXPECT_TRUE(inFocus.startMicrobreakEnabled());
    EXPECT_TRUE(inFocus.startLongBreakEnabled());

    const StatusMenuPresentation micro(inBreak(BreakType::micro));
    EXPECT_FALSE(micro.startMicrobreakEnabled());
    EXPECT_TRUE(micro.startLongBreakEnabled());

    const StatusMenuPresentation longBreak(inBreak(BreakType::long_));
    EXPECT_TRUE(longBreak.startMicrobreakEnabled());
    EXPECT_FALSE(longBreak.startLongBreakEnabled());

    // A leftover break kind outside break time enables both.
    StatusSnapshot stale = focus();
    stale.activeBreak = BreakType::micro;
    EXPECT_TRUE(StatusMenuPresentation(stale).startMicrobreakEnabled());
}

TEST(StatusMenuPresentation, SnapshotFollowsTheEngine)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakSettings engineSettings = BreakSettings::standard;
    engineSettings.longBreakMinutes = 20;
    BreakEngine engine(engineSettings, clock, loop);

    BreakSettings modelSettings = engineSettings;
    modelSettings.postponeMinutes = 7;
    modelSettings.longBreakEvery = 3;

    StatusSnapshot s = StatusSnapshot::of(engine, modelSettings);
    EXPECT_EQ(s.phase, TimerPhase::focus);
    EXPECT_EQ(s.remainingSeconds, 25 * 60);
    EXPECT_EQ(s.phaseLengthSeconds, 25 * 60);
    EXPECT_EQ(s.postponeMinutes, 7);
    EXPECT_EQ(s.longBreakEvery, 3);
    EXPECT_EQ(StatusMenuPresentation(s).statusLine(), "Next: Microbreak in 25:00");

    engine.startBreakNow(BreakType::long_);
    loop.advance(std::chrono::seconds(61));
    s = StatusSnapshot::of(engine, modelSettings);
    EXPECT_EQ(s.activeBreak, BreakType::long_);
    EXPECT_EQ(s.phaseLengthSeconds, 20 * 60);
    EXPECT_EQ(StatusMenuPresentation(s).statusLine(), "Long break ends in 18:59");

    engine.pauseFor(300);
    s = StatusSnapshot::of(engine, modelSettings);
    EXPECT_TRUE(s.isPaused);
    EXPECT_EQ(s.pauseRemainingSeconds, 300);
}

TEST(StatusMenuPresentation, FocusPhaseLengthStretchesToALongerCountdown)
{
    BreakSettings settings = BreakSettings::standard;
    settings.focusMinutes = 2;
    EXPECT_EQ(StatusSnapshot::phaseLength(TimerPhase::focus, std::nullopt, 100, settings), 120);
    EXPECT_EQ(StatusSnapshot::phaseLength(TimerPhase::focus, std::nullopt, 300, settings), 300);
    EXPECT_EQ(StatusSnapshot::phaseLength(TimerPhase::breakTime, BreakType::micro, 5, settings), 20);
    settings.longBreakMinutes = INT64_MAX;
    EXPECT_GT(StatusSnapshot::phaseLength(TimerPhase::breakTime, BreakType::long_, 5, settings), 0);
}

} // namespace
} // namespace tavelo
