#include <chrono>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayPresentation.h"

using namespace tavelo;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

const TimePoint kNow = TimePoint(std::chrono::seconds(1767603600));

// Shows the instant as seconds after kNow, so the tests can see which instant was asked for.
QString offsetFormatter(TimePoint t)
{
    return QStringLiteral("T+%1").arg(std::chrono::duration_cast<std::chrono::seconds>(t - kNow).count());
}

StatusSnapshot inBreak(std::optional<BreakType> type, std::int64_t remaining, std::int64_t length = 20,
                       std::int64_t completed = 1, std::int64_t every = 4)
{
    StatusSnapshot s;
    s.phase = TimerPhase::breakTime;
    s.activeBreak = type;
    s.remainingSeconds = remaining;
    s.phaseLengthSeconds = length;
    s.completedFocusSessions = completed;
    s.longBreakEvery = every;
    return s;
}

} // namespace

TEST(BreakOverlayPresentation, ProgressIsThePassedShareOfThePhaseAndStaysInRange)
{
    struct Case {
        std::int64_t remaining, length;
        double progress;
    };
    for (const Case &c :
         {Case{15, 20, 0.25}, Case{0, 20, 1.0}, Case{300, 300, 0.0}, Case{150, 300, 0.5}, Case{45, 20, 0.0},
          Case{-20, 300, 1.0}, Case{kMin, 20, 1.0}, Case{1, 0, 0.0}, Case{0, -30, 1.0}, Case{kMax, kMax, 0.0}})
        EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(inBreak(BreakType::micro, c.remaining, c.length)),
                         c.progress)
            << c.remaining << " of " << c.length;
}

TEST(BreakOverlayPresentation, SubtitleSaysWhenTheBreakEndsAndWhereTheCycleStands)
{
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(inBreak(BreakType::micro, 15), kNow, offsetFormatter),
              "Back at T+15 • Break 1 of 4");
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(inBreak(BreakType::long_, 1, 300, 4), kNow, offsetFormatter),
              "Back at T+1 • Long break • 4 focus sessions done");
    EXPECT_EQ(BreakOverlayPresentation::subtitleOf(inBreak(BreakType::long_, 0, 300, 4), kNow, offsetFormatter),
              "Long break • 4 focus sessions done");
    EXPECT_TRUE(BreakOverlayPresentation::subtitleOf(inBreak(BreakType::micro, kMax), kNow, offsetFormatter)
                    .startsWith("Back at T+"));
    struct Case {
        std::int64_t completed, every, k, of;
    };
    for (const Case &c : {Case{0, 4, 1, 4}, Case{1, 4, 1, 4}, Case{2, 4, 2, 4}, Case{4, 4, 4, 4}, Case{5, 4, 1, 4},
                          Case{kMin, 4, 1, 4}, Case{kMax, 3, 1, 3}, Case{7, 0, 1, 1}, Case{7, -2, 1, 1}})
        for (auto type : {std::optional(BreakType::micro), std::optional<BreakType>()})
            EXPECT_EQ(BreakOverlayPresentation::subtitleOf(inBreak(type, -1, 20, c.completed, c.every), kNow,
                                                           offsetFormatter),
                      QStringLiteral("Break %1 of %2").arg(c.k).arg(c.of))
                << c.completed << " every " << c.every;
}

TEST(BreakOverlayPresentation, TitlesFollowTheKindOfBreak)
{
    const auto m = BreakOverlayPresentation::make(inBreak(BreakType::micro, 42), kNow, offsetFormatter);
    EXPECT_EQ(m.headline, "Microbreak");
    EXPECT_EQ(m.countdown, "00:42");
    EXPECT_EQ(m.countdownAccessibleName, "42 seconds remaining");
    EXPECT_EQ(m.skipTitle, "Skip");

    StatusSnapshot l = inBreak(BreakType::long_, 900);
    l.postponeMinutes = 12;
    const auto lp = BreakOverlayPresentation::make(l, kNow, offsetFormatter);
    EXPECT_EQ(lp.headline, "Long break");
    EXPECT_EQ(lp.skipTitle, "End Break");
    EXPECT_EQ(lp.postponeTitle, "Postpone 12 min");

    const auto none = BreakOverlayPresentation::make(inBreak(std::nullopt, 0), kNow, offsetFormatter);
    EXPECT_EQ(none.headline, "Break");
    EXPECT_EQ(none.skipTitle, "Skip");
}
