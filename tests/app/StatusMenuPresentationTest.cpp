#include <gtest/gtest.h>

#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/StatusIconRenderer.h"
#include "app/ui/StatusMenuPresentation.h"
#include "support/AppFixture.h"

using namespace tavelo;

namespace {

using enum TimerPhase;
using enum BreakType;
const TimePoint kNow = TimePoint(std::chrono::seconds(1767603600));
// Shows the instant as seconds after kNow, so the tests can see which instant was asked for.
const auto offset = [](TimePoint t) { return QStringLiteral("T+%1").arg((t - kNow) / std::chrono::seconds(1)); };
const auto subtitle = [](const StatusSnapshot &s) { return BreakOverlayPresentation::subtitleOf(s, kNow, offset); };

// Paused when `pausedFor` is not negative.
StatusSnapshot snap(TimerPhase phase, std::optional<BreakType> kind, std::int64_t remaining, std::int64_t length = 20,
                    bool away = false, std::int64_t pausedFor = -1, std::int64_t pauseLeft = 0)
{
    return {phase, kind, remaining, pausedFor >= 0, pauseLeft, pausedFor, away, long_, 4, 4, 12, length};
}

// The pause comes first, then away, then the phase; the status line puts break time
// before the pause, and texts switch to elapsed minutes at sixty seconds. A break kind
// left over outside break time changes nothing.
TEST(StatusMenuPresentation, TextsAndButtonsFollowPauseAwayAndPhase)
{
    // menu title | headline | status line | resume label
    const std::pair<StatusSnapshot, const char *> cases[] = {
        {snap(focus, micro, 750), "12:30|Focus in progress|Next: Long break in 12:30|"},
        {snap(breakTime, micro, 12), "00:12|Microbreak in progress|Microbreak ends in 00:12|"},
        {snap(breakTime, std::nullopt, 3725), "1:02:05|Break in progress|Break ends in 1:02:05|"},
        {snap(focus, micro, 600, 20, true), "Away|Away — timer frozen|Away — focus resumes when you're back|"},
        {snap(breakTime, long_, 842, 20, true), "14:02|Long break in progress|Long break ends in 14:02|"},
        {snap(focus, {}, 600, 20, true, 59), "Paused|Timer paused|Paused — timer frozen|Resume Timer"},
        {snap(breakTime, micro, 15, 20, false, 120, 299),
         "Paused 2m|Timer paused · 2m|Microbreak ends in 00:15|Resume Timer (04:59)"},
        {snap(focus, {}, 750, 20, false, 60),
         "Paused 1m|Timer paused · 1m|Paused 1m ago — timer frozen|Resume Timer (paused 1m)"},
        {snap(focus, {}, 750, 20, false, 1, 1), "Paused|Timer paused|Paused — resumes in 00:01|Resume Timer (00:01)"},
    };
    for (const auto &[s, texts] : cases) {
        SCOPED_TRACE(texts);
        const StatusMenuPresentation p(s);
        EXPECT_EQ(p.menuTitle() + "|" + p.headline() + "|" + p.statusLine() + "|" + (s.isPaused ? p.resumeLabel() : ""),
                  texts);
        const bool inBreak = s.phase == breakTime;
        EXPECT_EQ(p.skipTitle(), inBreak ? "Skip Current Break" : "Skip Next Break (Long break)");
        EXPECT_EQ(std::pair(p.startMicrobreakEnabled(), p.startLongBreakEnabled()),
                  std::pair(!(inBreak && s.activeBreak == micro), !(inBreak && s.activeBreak == long_)));
    }
}

// The tooltip names the moment that comes next; the icon's number is the label's
// countdown in whole minutes, rounded up, and nothing where the label counts nothing.
TEST(StatusMenuPresentation, ToolTipNamesWhatComesNextAndTheIconNumberFollowsTheLabel)
{
    // tooltip | icon number where the host shows no label
    const std::pair<StatusSnapshot, const char *> cases[] = {
        {snap(focus, micro, 750), "Next: Long break at T+750|13"},
        {snap(focus, micro, 61), "Next: Long break at T+61|2"},
        {snap(focus, micro, -5), "Next: Long break at T+0|1"},
        {snap(breakTime, micro, 60), "Microbreak until T+60|1"},
        {snap(breakTime, std::nullopt, 5940), "Break until T+5940|99"},
        {snap(breakTime, long_, 5941, 20, true), "Long break until T+5941|2h"},
        {snap(focus, micro, 600, 20, true), "Away — focus resumes when you're back|"},
        {snap(focus, {}, 600, 20, true, 59), "Paused|"},
        {snap(breakTime, micro, 15, 20, false, 120, 299), "Paused until T+299|"},
    };
    for (const auto &[s, texts] : cases) {
        const StatusMenuPresentation p(s);
        const TimePoint due = kNow + std::chrono::seconds(p.toolTipSecondsAhead().value_or(-1));
        EXPECT_EQ(p.toolTip(due, offset) + "|" + StatusIconRenderer::keyFor(s, true).number, texts);
        EXPECT_EQ(StatusIconRenderer::keyFor(s).number, "") << texts;
    }
}

TEST(BreakOverlayPresentation, TextsFollowTheKindOfBreak)
{
    // headline | skip title | subtitle | postpone title
    const std::tuple<std::optional<BreakType>, std::int64_t, const char *> cases[] = {
        {micro, 15, "Microbreak|Skip|Back at T+15 • Break 4 of 4|Postpone 12 min"},
        {long_, 1, "Long break|End Break|Back at T+1 • Long break • 4 focus sessions done|Postpone 12 min"},
        {long_, 0, "Long break|End Break|Long break • 4 focus sessions done|Postpone 12 min"},
        {std::nullopt, -1, "Break|Skip|Break 4 of 4|Postpone 12 min"}};
    for (const auto &[type, remaining, texts] : cases) {
        const auto p = BreakOverlayPresentation::make(snap(breakTime, type, remaining), kNow, offset);
        EXPECT_EQ(p.headline + "|" + p.skipTitle + "|" + p.subtitle + "|" + p.postponeTitle, texts);
    }
    EXPECT_TRUE(subtitle(snap(breakTime, micro, INT64_MAX)).startsWith("Back at T+"));
}

// The session under way counts from the sessions done; the break under way ends the last one.
TEST(StatusMenuPresentation, SessionAndBreakNumbersCountWithinTheCycle)
{
    // completed, every, session, break, of
    const std::int64_t cases[][5] = {
        {0, 4, 1, 1, 4},         {2, 4, 3, 2, 4},         {4, 4, 1, 4, 4},  {5, 4, 2, 1, 4},
        {INT64_MIN, 4, 1, 1, 4}, {INT64_MAX, 3, 2, 1, 3}, {7, -2, 1, 1, 1}, {1'000'000'007, 4, 4, 3, 4}};
    for (const auto &c : cases) {
        StatusSnapshot s = snap(breakTime, micro, -1);
        std::tie(s.completedFocusSessions, s.longBreakEvery) = std::pair(c[0], c[1]);
        // A negative count shows as none.
        EXPECT_EQ(
            StatusMenuPresentation(s).sessionLine(),
            QStringLiteral("Session %1 of %2 • %3 completed").arg(c[2]).arg(c[4]).arg(std::max<std::int64_t>(c[0], 0)));
        EXPECT_EQ(subtitle(s), QStringLiteral("Break %1 of %2").arg(c[3]).arg(c[4]));
    }
}

// Both stay in range whatever the lengths; a pause comes before the phase in the icon.
TEST(BreakOverlayPresentation, ProgressAndRingStepAreThePassedAndTheLeftShareOfThePhase)
{
    const std::tuple<std::int64_t, std::int64_t, double> progress[] = {
        {15, 20, 0.25}, {0, 20, 1.0},    {300, 300, 0.0},
        {45, 20, 0.0},  {-20, 300, 1.0}, {INT64_MIN, 20, 1.0},
        {1, 0, 0.0},    {0, -30, 1.0},   {INT64_MAX, INT64_MAX, 0.0}};
    for (const auto &[remaining, length, share] : progress)
        EXPECT_DOUBLE_EQ(BreakOverlayPresentation::progressOf(snap(breakTime, micro, remaining, length)), share)
            << remaining << " of " << length;

    constexpr int kAll = StatusIconRenderer::kRingSteps;
    const std::int64_t steps[][3] = {{1500, 1500, kAll}, {1, 1500, 1},       {0, 1500, 0}, {-5, 1500, 0},
                                     {750, 1500, 16},    {9000, 1500, kAll}, {5, 0, kAll}, {INT64_MAX, INT64_MAX, kAll},
                                     {1, INT64_MAX, 1}};
    for (const auto &c : steps)
        EXPECT_EQ(StatusIconRenderer::ringStep(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
    EXPECT_EQ(StatusIconRenderer::keyFor(snap(breakTime, micro, 100, 1500, false, 0)),
              (StatusIconKey{StatusIconKey::Symbol::paused, 3, {}}));
}

} // namespace
