#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <tuple>

#include "EngineHarness.h"

// Random operation sequences against the engine. After every step the published state must
// hold together, and each operation may cause only the callbacks and changes its rules allow.

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
using Uniform = std::uniform_int_distribution<std::int64_t>;
using std::chrono::seconds;
constexpr std::int64_t kTenYears = 315'360'000;
// Clear of the end of the clock type (2262).
const TimePoint kLatestClock{seconds(8'000'000'000)};

const auto phaseOf = [](std::int64_t minutes) {
    return minutes >= kTenYears / 60 ? kTenYears : std::max<std::int64_t>(minutes * 60, 1);
};
const auto breakLength = [](const BreakSettings &s, BreakType type) {
    return type == BreakType::long_ ? phaseOf(s.longBreakMinutes) : std::min(s.shortBreakSeconds, kTenYears);
};
const auto started = [](BreakType type) { return type == BreakType::long_ ? "started:long" : "started:micro"; };

struct State {
    explicit State(const BreakEngine &e)
        : phase(e.phase()), active(e.activeBreak()), remaining(e.remainingSeconds()), count(e.completedFocusSessions()),
          idle(e.currentIdleSeconds()), pauseLeft(e.pauseRemainingSeconds()), pausedFor(e.pausedElapsedSeconds()),
          paused(e.isPaused()), settings(e.settings())
    {
    }
    bool away() const { return settings.idleThresholdSeconds >= 1 && idle >= settings.idleThresholdSeconds; }
    auto pauseTie() const { return std::tie(paused, pauseLeft, pausedFor); }
    bool samePause(const State &o) const { return pauseTie() == o.pauseTie(); }
    bool freshFocus(std::int64_t length) const { return !paused && phase == TimerPhase::focus && remaining == length; }
    TimerPhase phase;
    std::optional<BreakType> active;
    std::int64_t remaining, count, idle, pauseLeft, pausedFor;
    bool paused;
    BreakSettings settings;
};

struct Sequence {
    explicit Sequence(std::uint64_t seed) : rng(seed), b(e()) {}
    BreakEngine &e() const { return *h.engine; }
    std::uint64_t pick(std::uint64_t n) { return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(rng); }
    std::int64_t between(std::int64_t lo, std::int64_t hi) { return Uniform(lo, hi)(rng); }
    // Edges, small, medium or any 64-bit value.
    std::int64_t extreme()
    {
        static constexpr std::int64_t edges[] = {kMin, kMin + 1, -3601, -1,   0,    1,         2,        59,
                                                 60,   61,       3599,  3600, 3601, kTenYears, kMax - 1, kMax};
        const std::int64_t spans[] = {0, 100, 1'000'000, kMax};
        const std::uint64_t k = pick(4);
        return k == 0 ? edges[pick(std::size(edges))] : k == 3 ? between(kMin, kMax) : between(-spans[k], spans[k]);
    }
    std::int64_t argument(std::int64_t lo, std::int64_t hi) { return arg = pick(2) == 0 ? extreme() : between(lo, hi); }
    BreakSettings randomSettings()
    {
        const auto f = [this](std::int64_t lo, std::int64_t hi) { return pick(5) < 3 ? between(lo, hi) : extreme(); };
        return BreakSettings{f(0, 3), f(0, 40), f(0, 2), f(0, 5), f(0, 2), f(-5, 70), f(0, 400), pick(2) == 0};
    }
    void jump(std::int64_t s) { h.clock.advance(seconds(h.clock.now() + seconds(s) < kLatestClock ? s : 0)); }
    void newCountdown() { warnings = rearms = 0; }
    void complain(bool broken, const char *what) { problems.insert(problems.end(), broken, what); }

    std::string firstProblem();
    void wire();
    void effectRules(const State &a);

    std::mt19937_64 rng;
    EngineHarness h;
    std::vector<std::string> problems;
    // The running operation: its argument and what it may cause (none for a tick).
    State b;
    Events expected; // by an operation that does not tick
    bool inTick = false, ticked = false, atMostOne = false, expired = false, stopped = false, timedPause = false;
    bool clockOnly = false; // the ticks came from the clock alone, however late
    // The model of the warning and reminder rhythm: warnings, rearms, lastReminder, timedPause.
    int warnings = 0, rearms = 0;
    std::int64_t arg = 0, sessions = 0, lastReminder = 0;
};

// An operation with its weight in twentieths. Those that do not tick check their own rule
// against the state before (s.b) and after.
struct Op {
    const char *name;
    int weight;
    void (*act)(Sequence &);
};

// clang-format off
const Op kOps[] = {
    {"run ms", 3, [](Sequence &s) {
        const auto ms = std::chrono::milliseconds(s.arg = s.between(0, 2500));
        s.inTick = s.clockOnly = true, s.atMostOne = ms < 1s, s.ticked = s.h.loop.activeTimerCount() > 0 && ms >= 1s;
        s.h.loop.advance(ms); }},
    {"jump s and fire", 2, [](Sequence &s) {
        static constexpr std::int64_t spans[] = {120, 7200, 400'000, 5 * 31'536'000};
        s.jump(s.arg = s.between(s.pick(6) == 0 ? -3600 : 0, spans[s.pick(std::size(spans))]));
        s.inTick = s.clockOnly = s.atMostOne = true, s.ticked = !(s.stopped = s.h.loop.activeTimerCount() == 0);
        s.h.loop.fireTimersOnce(); }},
    {"advance (paused) clock for testing", 1, [](Sequence &s) {
        s.inTick = s.atMostOne = s.ticked = true;
        const auto advance = s.pick(2) ? &BreakEngine::advancePausedClockForTesting : &BreakEngine::advanceForTesting;
        (s.e().*advance)(s.argument(-30, 2000)); }},
    {"expireForTesting", 1, [](Sequence &s) {
        s.inTick = s.atMostOne = s.ticked = s.expired = true, s.e().expireForTesting(); }},
    {"startBreakNow long?", 1, [](Sequence &s) {
        const BreakType type = (s.arg = s.pick(2)) ? BreakType::long_ : BreakType::micro;
        s.expected = Events{started(type)}, s.e().startBreakNow(type);
        s.complain(s.e().isPaused() || s.e().activeBreak() != type, "no break started"); }},
    {"postpone", 1, [](Sequence &s) {
        s.expected = s.b.active ? Events{"cancelled"} : Events{}, s.e().postpone();
        const State a(s.e());
        s.complain(s.b.active ? !a.freshFocus(phaseOf(a.settings.postponeMinutes)) : !a.samePause(s.b) ||
                   a.remaining < 1, "postpone gave no postpone-long focus, or lost the pause or the time"); }},
    {"skip", 1, [](Sequence &s) {
        s.sessions = !s.b.active, s.expected = s.b.active ? Events{"cancelled"} : Events{};
        s.e().skip(), s.newCountdown();
        s.complain(!State(s.e()).freshFocus(phaseOf(s.e().settings().focusMinutes)), "no full focus after a skip"); }},
    {"resetFocusTimer", 1, [](Sequence &s) {
        s.e().resetFocusTimer(), s.newCountdown();
        s.complain(!State(s.e()).freshFocus(phaseOf(s.e().settings().focusMinutes)), "no full focus after a reset"); }},
    {"updateSettings focus", 2, [](Sequence &s) {
        const BreakSettings next = s.randomSettings();
        s.arg = next.focusMinutes, ++s.rearms, s.e().updateSettings(next);
        const State a(s.e());
        const std::int64_t full = a.active ? breakLength(a.settings, *a.active) : phaseOf(a.settings.focusMinutes);
        s.complain(a.settings != next.sanitized() || !a.samePause(s.b) || a.active != s.b.active ||
                   a.remaining != std::min(s.b.remaining, full), "no new settings, or not just a shortened count"); }},
    {"pauseFor", 1, [](Sequence &s) {
        s.timedPause = true, s.lastReminder = 0, s.e().pauseFor(s.argument(-5, 7200));
        s.complain(!s.e().isPaused() || s.e().pauseRemainingSeconds() != std::clamp<std::int64_t>(s.arg, 1, kTenYears),
                   "no timed pause of the given length"); }},
    {"togglePause", 1, [](Sequence &s) {
        s.timedPause = false, s.lastReminder = 0, s.e().togglePause();
        s.complain(s.e().isPaused() == s.b.paused || s.e().pauseRemainingSeconds() != 0, "no toggle"); }},
    {"idle", 2, [](Sequence &s) {
        s.pick(2) == 0 ? s.e().noteIdle(s.argument(0, 500))
                       : s.e().setCurrentIdleSeconds(s.arg = std::max<std::int64_t>(s.argument(0, 500), 0));
        s.complain(s.e().currentIdleSeconds() != std::max<std::int64_t>(s.arg, 0) ||
                   s.e().remainingSeconds() != s.b.remaining, "recording the idle time did more"); }},
    {"(sleep and) compensateForSleep", 2, [](Sequence &s) {
        s.arg = s.pick(3) == 0 ? s.extreme() : s.between(0, 864'000);
        s.jump(s.arg > 0 && s.arg <= 864'000 && s.pick(2) == 0 ? s.arg : 0), s.e().compensateForSleep(s.arg);
        const State a(s.e()), &b = s.b;
        s.complain(a.phase != b.phase || a.paused != b.paused || a.pausedFor != b.pausedFor ||
                   (s.arg < 1 && (a.remaining != b.remaining || a.pauseLeft != b.pauseLeft)) ||
                   (b.paused && a.remaining != b.remaining), "compensateForSleep went too far"); }},
    {"stop?", 1, [](Sequence &s) {
        if ((s.arg = s.pick(10) == 0))
            s.e().stop();
        s.complain(s.arg && s.h.loop.activeTimerCount() != 0, "stop left the ticker running"); }},
};
// clang-format on

std::string Sequence::firstProblem()
{
    h.clock.set(pick(10) == 0 ? TimePoint(seconds(7'000'000'000)) : h.clock.now()); // set far ahead?
    h.engine = std::make_unique<BreakEngine>(randomSettings(), h.clock, h.loop);
    wire();
    std::string log;
    for (int step = 0; step < 30; ++step) {
        b = State(e()), h.events.clear(), expected.clear();
        arg = sessions = 0, inTick = ticked = atMostOne = expired = stopped = clockOnly = false;
        const Op *op = kOps;
        for (auto draw = static_cast<int>(pick(20)); draw >= op->weight; ++op)
            draw -= op->weight;
        op->act(*this);
        log += std::string("\n  ") + op->name + " " + std::to_string(arg);
        lastReminder = e().isPaused() ? lastReminder : 0;
        const State a(e());
        complain((a.phase == TimerPhase::focus) == a.active.has_value(), "phase and activeBreak disagree");
        complain(a.remaining < 0 || a.pauseLeft < 0 || a.pausedFor < 0, "a negative published count");
        complain(a.settings != a.settings.sanitized(), "settings not sanitised");
        complain(!a.paused && (a.pauseLeft != 0 || a.pausedFor != 0), "running, but pause state left over");
        complain(a.paused && timedPause != (a.pauseLeft >= 1), "pauseRemainingSeconds does not fit the pause");
        complain(ticked && a.paused && e().isAway(), "away while paused");
        effectRules(a);
        if (!problems.empty())
            return "step " + std::to_string(step) + ": " + problems.front() + "\nops:" + log;
    }
    return {};
}

// Checks the state each callback sees, and the rhythm of warnings and reminders.
void Sequence::wire()
{
    e().onBreakStarted = [this](BreakType type, std::int64_t length) {
        h.events.push_back(started(type));
        const State now(e());
        complain(now.phase != TimerPhase::breakTime || now.active != type || now.remaining != length || now.paused ||
                     length != breakLength(now.settings, type),
                 "onBreakStarted sees an inconsistent state");
        complain(inTick && now.settings.preBreakWarningSeconds >= 1 && warnings == 0, "a break without a warning");
        const bool longDue = now.count % now.settings.longBreakEvery == 0;
        complain(inTick && type != (longDue ? BreakType::long_ : BreakType::micro), "a break of the wrong type");
        newCountdown();
    };
    e().onBreakFinished = [this] {
        h.events.push_back("finished");
        complain(!State(e()).freshFocus(phaseOf(e().settings().focusMinutes)), "onBreakFinished sees a wrong state");
        newCountdown();
    };
    e().onBreakCancelled = [this] {
        h.events.push_back("cancelled");
        complain(e().phase() != TimerPhase::focus || e().isPaused(), "onBreakCancelled sees a wrong state");
        newCountdown();
    };
    e().onBreakWarning = [this](std::int64_t lead) {
        h.events.push_back("warning");
        complain(e().phase() != TimerPhase::focus || e().isPaused() || e().isAway() || lead < 1 ||
                     lead != e().settings().preBreakWarningSeconds || e().remainingSeconds() > lead,
                 "onBreakWarning sees an inconsistent state");
        complain(++warnings > 1 + rearms, "a second warning in one countdown without a settings update");
    };
    e().onPausedReminder = [this](std::int64_t elapsed) {
        h.events.push_back("reminder");
        complain(!e().isPaused() || elapsed != e().pausedElapsedSeconds() || elapsed < lastReminder + 3600,
                 "a paused reminder too early or with a wrong count");
        lastReminder = elapsed;
    };
}

// An operation may cause only what its rule expects; a tick, what the rhythm of the phases allows.
void Sequence::effectRules(const State &a)
{
    if (!inTick)
        return complain(a.count != b.count + sessions || h.events != expected, "wrong callbacks or session count");
    const Events &ev = h.events;
    const auto count = [&](std::string_view p) {
        return std::ranges::count_if(ev, [&](auto &s) { return s.starts_with(p); });
    };
    complain(count("cancelled") != 0 || a.count != b.count + count("started"), "a tick cancelled or did not count");
    complain(stopped && !ev.empty(), "callbacks after stop()");
    // clang-format off
    static const std::vector<Events> allowed = {{}, {"warning"}, {"warning", "started:micro"},
        {"warning", "started:long"}, {"started:micro"}, {"started:long"}, {"finished"}, {"reminder"}};
    // clang-format on
    const bool quiet = ev.empty() || ev == Events{"reminder"};
    if (atMostOne) {
        complain(std::find(allowed.begin(), allowed.end(), ev) == allowed.end(), "unexpected callbacks from a tick");
        complain(b.paused && !quiet, "a paused tick did more than remind");
        complain(!quiet && ev != Events{"warning"} && (b.phase == TimerPhase::focus) == (ev == Events{"finished"}),
                 "a phase ended that was not running");
        complain(ticked && b.paused && a.paused && ev.empty() && a.pausedFor >= lastReminder + 3600,
                 "a due paused reminder did not come");
    }
    complain(ticked && !b.paused && !a.paused && e().isAway() != b.away(), "isAway does not follow the idle time");
    complain(clockOnly && ticked && !b.paused && !a.paused && b.away() && b.phase == TimerPhase::focus &&
                 b.remaining <= kTenYears && a.remaining != b.remaining, // longer ones reach the clock's end
             "a tick while away moved the focus countdown");
    complain(expired && !b.paused && !(b.away() && b.phase == TimerPhase::focus) &&
                 count("started") + count("finished") != 1,
             "expireForTesting did not end the phase");
}

} // namespace

TEST(BreakEnginePropertyTest, RandomOperationSequencesKeepTheInvariants)
{
    for (std::uint64_t seed = 20260105; seed < 20260105 + 10'000; ++seed) {
        ASSERT_EQ(Sequence(seed).firstProblem(), "") << "seed " << seed;
    }
}
