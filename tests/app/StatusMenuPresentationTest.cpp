#include <gtest/gtest.h>

#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/StatusMenuPresentation.h"
#include "support/AppFixture.h"

namespace tavelo {
namespace {

constexpr auto kFocus = TimerPhase::focus;
constexpr auto kBreak = TimerPhase::breakTime;
constexpr auto kMicro = BreakType::micro;
constexpr auto kLong = BreakType::long_;
const TimePoint kNow = TimePoint(std::chrono::seconds(1767603600));

// Paused when `pausedFor` is not negative.
StatusSnapshot snap(TimerPhase phase, std::optional<BreakType> kind, std::int64_t remaining, std::int64_t length = 20,
                    bool away = false, std::int64_t pausedFor = -1, std::int64_t pauseLeft = 0)
{
    StatusSnapshot s;
    s.phase = phase;
    s.activeBreak = kind;
    s.remainingSeconds = remaining;
    s.phaseLengthSeconds = length;
    s.isAway = away;
    s.isPaused = pausedFor >= 0;
    s.pausedElapsedSeconds = pausedFor;
    s.pauseRemainingSeconds = pauseLeft;
    s.nextScheduledBreakType = kLong;
    s.postponeMinutes = 12;
    s.completedFocusSessions = 4;
    s.longBreakEvery = 4;
    return s;
}

// Shows the instant as seconds after kNow, so the tests can see which instant was asked for.
QString offsetFormatter(TimePoint t)
{
    return QStringLiteral("T+%1").arg(std::chrono::duration_cast<std::chrono::seconds>(t - kNow).count());
}

// The pause comes first, then away, then the phase; the status line puts break time
// before the pause, and texts switch to elapsed minutes at sixty seconds. A break kind
// left over outside break time changes nothing.
TEST(StatusMenuPresentation, TextsAndButtonsFollowPauseAwayAndPhase)
{
    struct Case {
        StatusSnapshot s;
        const char *menuTitle, *headline, *statusLine, *resume;
    };
    const Case cases[] = {
        {snap(kFocus, kMicro, 750), "12:30", "Focus in progress", "Next: Long break in 12:30", ""},
        {snap(kBreak, kMicro, 12), "00:12", "Microbreak in progress", "Microbreak ends in 00:12", ""},
        {snap(kBreak, std::nullopt, 3725), "1:02:05", "Break in progress", "Break ends in 1:02:05", ""},
        {snap(kFocus, kMicro, 600, 20, true), "Away", "Away — timer frozen", "Away — focus resumes when you're back",
         ""},
        {snap(kBreak, kLong, 842, 20, true), "14:02", "Long break in progress", "Long break ends in 14:02", ""},
        {snap(kFocus, {}, 600, 20, true, 59), "Paused", "Timer paused", "Paused — timer frozen", "Resume Timer"},
        {snap(kBreak, kMicro, 15, 20, false, 120, 299), "Paused 2m", "Timer paused · 2m", "Microbreak ends in 00:15",
         "Resume Timer (04:59)"},
        {snap(kFocus, {}, 750, 20, false, 60), "Paused 1m", "Timer paused · 1m", "Paused 1m ago — timer frozen",
         "Resume Timer (paused 1m)"},
        {snap(kFocus, {}, 750, 20, false, 1, 1), "Paused", "Timer paused", "Paused — resumes in 00:01",
         "Resume Timer (00:01)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.statusLine);
        const StatusMenuPresentation p(c.s);
        EXPECT_EQ(p.menuTitle(), c.menuTitle);
        EXPECT_EQ(p.headline(), c.headline);
        EXPECT_EQ(p.statusLine(), c.statusLine);
        EXPECT_EQ(c.s.isPaused ? p.resumeLabel() : QString(), c.resume);
        const bool inBreak = c.s.phase == kBreak;
        EXPECT_EQ(p.skipTitle(), inBreak ? "Skip Current Break" : "Skip Next Break (Long break)");
        EXPECT_EQ(p.startMicrobreakEnabled(), !(inBreak && c.s.activeBreak == kMicro));
        EXPECT_EQ(p.startLongBreakEnabled(), !(inBreak && c.s.activeBreak == kLong));
    }
}

TEST(BreakOverlayPresentation, TextsFollowTheKindOfBreak)
{
    struct Case {
        std::optional<BreakType> type;
        std::int64_t remaining;
        const char *texts; // headline | skip title | subtitle
    };
    for (const Case &c : {Case{kMicro, 15, "Microbreak|Skip|Back at T+15 • Break 4 of 4"},
                          Case{kLong, 1, "Long break|End Break|Back at T+1 • Long break • 4 focus sessions done"},
                          Case{kLong, 0, "Long break|End Break|Long break • 4 focus sessions done"},
                          Case{std::nullopt, -1, "Break|Skip|Break 4 of 4"}}) {
        const auto p = BreakOverlayPresentation::make(snap(kBreak, c.type, c.remaining), kNow, offsetFormatter);
        EXPECT_EQ(p.headline + "|" + p.skipTitle + "|" + p.subtitle, c.texts);
        EXPECT_EQ(p.postponeTitle, "Postpone 12 min");
    }
    EXPECT_TRUE(BreakOverlayPresentation::subtitleOf(snap(kBreak, kMicro, INT64_MAX), kNow, offsetFormatter)
                    .startsWith("Back at T+"));
}

// The session under way counts from the sessions done; the break under way ends the last one.
TEST(StatusMenuPresentation, SessionAndBreakNumbersCountWithinTheCycle)
{
    struct Case {
        std::int64_t completed, every, session, breakNumber, of;
    };
    for (const Case &c : {Case{0, 4, 1, 1, 4}, Case{2, 4, 3, 2, 4}, Case{4, 4, 1, 4, 4}, Case{5, 4, 2, 1, 4},
                          Case{INT64_MIN, 4, 1, 1, 4}, Case{INT64_MAX, 3, 2, 1, 3}, Case{7, -2, 1, 1, 1},
                          Case{1'000'000'007, 4, 4, 3, 4}}) {
        StatusSnapshot s = snap(kBreak, kMicro, -1);
        s.completedFocusSessions = c.completed;
        s.longBreakEvery = c.every;
        // A negative count shows as none.
        EXPECT_EQ(StatusMenuPresentation(s).sessionLine(), QStringLiteral("Session %1 of %2 • %3 completed")
                                                               .arg(c.session)
                                                               .arg(c.of)
                                                               .arg(std::max<std::int64_t>(c.completed, 0)));
        EXPECT_EQ(BreakOverlayPresentation::subtitleOf(s, kNow, offsetFormatter),
                  QStringLiteral("Break %1 of %2").arg(c.breakNumber).arg(c.of));
    }
}

TEST(BreakOverlayPresentation, ProgressIsThePassedShareOfThePhaseAndStaysInRange)
{
    struct Case {
        std::int64_t remaining, length;
        double progress;
    };
    for (const Case &c :
         {Case{15, 20, 0.25}, Case{0, 20, 1.0}, Case{300, 300, 0.0}, Case{45, 20, 0.0}, Case{-20, 300, 1.0},
          Case{INT64_MIN, 20, 1.0}, Case{1, 0, 0.0}, Case{0, -30, 1.0}, Case{INT64_MAX, INT64_MAX, 0.0}})
        EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(snap(kBreak, kMicro, c.remaining, c.length)), c.progress)
            << c.remaining << " of " << c.length;
}

// The phase length drives the ring and the overlay's progress (the whole break: StatusItemTest).
TEST(StatusSnapshot, PhaseLengthStretchesWithAPostpone)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    engine.postpone();
    EXPECT_EQ(StatusSnapshot::of(engine).phaseLengthSeconds, 30 * 60);
}

} // namespace
} // namespace tavelo
