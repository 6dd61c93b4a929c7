#include <chrono>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayPresentation.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

using State = BreakOverlayPresentation::State;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

const TimePoint kNow = TimePoint(std::chrono::seconds(1767603600));

// Shows the instant as seconds after kNow, so the tests can see which instant was asked for.
QString offsetFormatter(TimePoint t)
{
    return QStringLiteral("T+%1").arg(std::chrono::duration_cast<std::chrono::seconds>(t - kNow).count());
}

State micro(std::int64_t remaining, std::int64_t shortBreakSeconds = 20)
{
    State s{BreakType::micro, remaining, 1, BreakSettings::standard};
    s.settings.shortBreakSeconds = shortBreakSeconds;
    return s;
}

State longBreak(std::int64_t remaining, std::int64_t longBreakMinutes = 5)
{
    State s{BreakType::long_, remaining, 4, BreakSettings::standard};
    s.settings.longBreakMinutes = longBreakMinutes;
    return s;
}

State noBreak(std::int64_t remaining)
{
    return State{std::nullopt, remaining, 0, BreakSettings::standard};
}

} // namespace

TEST(BreakOverlayPresentation, ProgressIsThePassedShareOfTheBreak)
{
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(15)), 0.25);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(0)), 1.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(longBreak(300)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(longBreak(150)), 0.5);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(longBreak(0)), 1.0);
}

TEST(BreakOverlayPresentation, ProgressStaysInRangeForOddLengthsAndRemainders)
{
    // A zero or negative length counts as one second.
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(10, 0)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(1, -30)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(0, -30)), 1.0);
    // More time left than the break is long, or less than none.
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(45)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(longBreak(-20)), 1.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(micro(kMin)), 1.0);
    // Minutes that overflow when turned into seconds.
    const double huge = BreakOverlayPresentation::progressOf(longBreak(60, kMax));
    EXPECT_GE(huge, 0.0);
    EXPECT_LE(huge, 1.0);
    // Without a break the remaining time is its own total.
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(noBreak(1)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(noBreak(kMax)), 0.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(noBreak(0)), 1.0);
    EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(noBreak(-3)), 1.0);
}

TEST(BreakOverlayPresentation, SubtitleSaysWhenTheBreakEndsAndWhereTheCycleStands)
{
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(micro(15), kNow, offsetFormatter), "Back at T+15 • Break 1 of 4");
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(longBreak(300), kNow, offsetFormatter),
              "Back at T+300 • Long break • 4 focus sessions done");
    // Nothing left: no "Back at".
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(longBreak(0), kNow, offsetFormatter),
              "Long break • 4 focus sessions done");
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(micro(-1), kNow, offsetFormatter), "Break 1 of 4");
    // The instant saturates instead of wrapping around.
    EXPECT_TRUE(BreakOverlayPresentation::subtitleOf(micro(kMax), kNow, offsetFormatter).startsWith("Back at T+"));
}

TEST(BreakOverlayPresentation, SessionCountWrapsAroundTheCycle)
{
    const auto breakPart = [](std::int64_t completed, std::int64_t every) {
        State s = micro(0);
        s.completedFocusSessions = completed;
        s.settings.longBreakEvery = every;
        return BreakOverlayPresentation::subtitleOf(s, kNow, offsetFormatter);
    };
    EXPECT_EQ(breakPart(0, 4), "Break 1 of 4");
    EXPECT_EQ(breakPart(1, 4), "Break 1 of 4");
    EXPECT_EQ(breakPart(2, 4), "Break 2 of 4");
    EXPECT_EQ(breakPart(4, 4), "Break 4 of 4");
    EXPECT_EQ(breakPart(5, 4), "Break 1 of 4");
    EXPECT_EQ(breakPart(kMin, 4), "Break 1 of 4");
    EXPECT_EQ(breakPart(kMax, 3), "Break 1 of 3");
    // An interval below one counts as one.
    EXPECT_EQ(breakPart(7, 0), "Break 1 of 1");
    EXPECT_EQ(breakPart(7, -2), "Break 1 of 1");
    // Without an active break the status reads like a microbreak's.
    State none = noBreak(0);
    none.completedFocusSessions = 6;
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(none, kNow, offsetFormatter), "Break 2 of 4");
}

TEST(BreakOverlayPresentation, TitlesFollowTheKindOfBreak)
{
    const auto m = BreakOverlayPresentation::make(micro(42), kNow, offsetFormatter);
    EXPECT_EQ(m.headline, "Microbreak");
    EXPECT_EQ(m.countdown, "00:42");
    EXPECT_EQ(m.countdownAccessibleName, "42 seconds remaining");
    EXPECT_EQ(m.skipTitle, "Skip");
    EXPECT_EQ(m.postponeTitle, "Postpone 5 min");
    EXPECT_EQ(m.keyHint, "Esc postpones • Ctrl+↵ skips");

    State l = longBreak(900);
    l.settings.postponeMinutes = 12;
    const auto lp = BreakOverlayPresentation::make(l, kNow, offsetFormatter);
    EXPECT_EQ(lp.headline, "Long break");
    EXPECT_EQ(lp.countdown, "15:00");
    EXPECT_EQ(lp.skipTitle, "End Break");
    EXPECT_EQ(lp.postponeTitle, "Postpone 12 min");

    const auto none = BreakOverlayPresentation::make(noBreak(0), kNow, offsetFormatter);
    EXPECT_EQ(none.headline, "Break");
    EXPECT_EQ(none.skipTitle, "Skip");
    EXPECT_EQ(none.countdownAccessibleName, "0 seconds remaining");
}
