#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EngineHarness.h"
#include <limits>
#include <nlohmann/json.hpp>
#include <random>

// Random operation sequences against the engine, checking its invariants and which
// callbacks each operation may cause after every step.

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

constexpr int kSequences = 10'000;
constexpr int kSteps = 30;
constexpr std::uint64_t kBaseSeed = 20260105;

constexpr std::int64_t kTenYears = 315'360'000;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
// The test clock must stay clear of the end of the clock type (2262).
const TimePoint kLatestClock = TimePoint(std::chrono::seconds(8'000'000'000));

std::int64_t minutesAsPhase(std::int64_t minutes)
{
    return minutes >= kTenYears / 60 ? kTenYears : std::max<std::int64_t>(minutes * 60, 1);
}

std::int64_t expectedDuration(const BreakSettings &s, BreakType type)
{
    return type == BreakType::long_ ? minutesAsPhase(s.longBreakMinutes) : std::min(s.shortBreakSeconds, kTenYears);
}

class Sequence {
public:
    explicit Sequence(std::uint64_t seed) : m_rng(seed) {}

    // Runs the sequence; returns a description of the first violation, or "".
    std::string run()
    {
        if (pick(10) == 0)
            m_h.clock.set(TimePoint(std::chrono::seconds(7'000'000'000))); // a clock set far ahead
        m_h.engine = std::make_unique<BreakEngine>(randomSettings(), m_h.clock, m_h.loop);
        wire();
        // A warning at construction finds no callback yet.
        const std::int64_t lead = e().settings().preBreakWarningSeconds;
        m_warnings = lead >= 1 && lead >= e().remainingSeconds() ? 1 : 0;
        if (auto problem = checkInvariants(false); !problem.empty())
            return "after construction: " + problem;
        for (int step = 0; step < kSteps; ++step) {
            const Before before = snapshot();
            m_h.events.clear();
            m_problems.clear();
            const Op op = perform();
            if (!e().isPaused() || op.kind == Kind::pauseFor || op.kind == Kind::toggle)
                m_lastReminder = 0;
            if (op.kind == Kind::update)
                ++m_rearms;
            if (op.kind == Kind::pauseFor || op.kind == Kind::toggle)
                m_timedPause = op.kind == Kind::pauseFor;
            if (op.kind == Kind::skip || op.kind == Kind::reset)
                newCountdown();
            std::string problem = checkInvariants(op.ticked);
            if (problem.empty())
                problem = checkOp(op, before);
            if (problem.empty() && !m_problems.empty())
                problem = m_problems.front();
            if (!problem.empty())
                return "step " + std::to_string(step) + " (" + m_log.substr(m_log.rfind('\n') + 3) + "): " + problem +
                       "\nops:" + m_log;
        }
        return {};
    }

private:
    // clang-format off
    enum class Kind { tickRun, tickFire, tickHook, expire, startBreak, postpone, skip, reset, update, pauseFor,
                      toggle, idle, sleep, stop };
    // clang-format on
    struct Op {
        Kind kind = Kind::tickRun;
        bool tickOp = false;    // an operation that ticks (or may tick)
        bool ticked = false;    // at least one tick surely ran
        bool atMostOne = false; // no more than one tick can have run
        std::int64_t arg = 0;
        BreakSettings settings = BreakSettings::standard;
        BreakType type = BreakType::micro;
    };
    struct Before {
        TimerPhase phase;
        std::optional<BreakType> active;
        std::int64_t remaining, count, idle, pauseRemaining, pausedElapsed;
        bool paused;
        BreakSettings settings;
    };

    BreakEngine &e() { return *m_h.engine; }

    std::uint64_t pick(std::uint64_t n) { return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(m_rng); }
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(m_rng);
    }

    // Edges, small, medium and any 64-bit values.
    std::int64_t extreme()
    {
        static constexpr std::int64_t edges[] = {
            kMin, kMin + 1, -1'000'000'000'000, -3601,         -1,       0,   1, 2, 59, 60, 61, 3599,
            3600, 3601,     kTenYears,          kTenYears + 1, kMax - 1, kMax};
        switch (pick(4)) {
        case 0:
            return edges[pick(std::size(edges))];
        case 1:
            return between(-100, 100);
        case 2:
            return between(-1'000'000, 1'000'000);
        default:
            return between(kMin, kMax);
        }
    }

    BreakSettings randomSettings()
    {
        const auto field = [this](std::int64_t lo, std::int64_t hi) {
            return pick(5) < 3 ? between(lo, hi) : extreme();
        };
        return BreakSettings{field(0, 3), field(0, 40),  field(0, 2),   field(0, 5),
                             field(0, 2), field(-5, 70), field(0, 400), pick(2) == 0};
    }

    void jump(std::chrono::seconds d)
    {
        if (m_h.clock.now() + d < kLatestClock)
            m_h.clock.advance(d);
    }

    Op perform()
    {
        Op op;
        std::string text;
        const auto n = [](std::int64_t v) { return std::to_string(v); };
        switch (pick(20)) {
        case 0:
        case 1:
        case 2: {
            const auto ms = std::chrono::milliseconds(between(0, 2500));
            op.kind = Kind::tickRun;
            op.tickOp = true;
            op.ticked = m_h.loop.activeTimerCount() > 0 && ms >= 1000ms;
            op.atMostOne = ms < 1000ms;
            text = "run " + n(ms.count()) + "ms";
            m_inTick = true;
            m_h.loop.advance(ms);
            break;
        }
        case 3:
        case 4: {
            static constexpr std::int64_t spans[] = {120, 7200, 400'000, 5 * 31'536'000};
            const std::int64_t s = between(pick(6) == 0 ? -3600 : 0, spans[pick(std::size(spans))]);
            op.kind = Kind::tickFire;
            op.tickOp = op.atMostOne = true;
            op.ticked = m_h.loop.activeTimerCount() > 0;
            text = "jump " + n(s) + "s and fire";
            jump(std::chrono::seconds(s));
            m_inTick = true;
            m_h.loop.fireTimersOnce();
            break;
        }
        case 5: {
            op.kind = Kind::tickHook;
            op.tickOp = op.ticked = op.atMostOne = true;
            m_inTick = true;
            op.arg = pick(3) == 0 ? extreme() : between(-30, 2000);
            if (pick(2) == 0) {
                text = "advanceForTesting " + n(op.arg);
                e().advanceForTesting(op.arg);
            } else {
                text = "advancePausedClockForTesting " + n(op.arg);
                e().advancePausedClockForTesting(op.arg);
            }
            break;
        }
        case 6:
            op.kind = Kind::expire, op.tickOp = op.ticked = op.atMostOne = m_inTick = true;
            text = "expireForTesting", e().expireForTesting();
            break;
        case 7:
            op.kind = Kind::startBreak;
            op.type = pick(2) == 0 ? BreakType::micro : BreakType::long_;
            text = "startBreakNow " + std::string(rawValue(op.type));
            e().startBreakNow(op.type);
            break;
        case 8:
            op.kind = Kind::postpone, text = "postpone", e().postpone();
            break;
        case 9:
            op.kind = Kind::skip, text = "skip", e().skip();
            break;
        case 10:
            op.kind = Kind::reset, text = "resetFocusTimer", e().resetFocusTimer();
            break;
        case 11:
        case 12:
            op.kind = Kind::update;
            op.settings = randomSettings();
            text = "updateSettings " + op.settings.toJson().dump();
            e().updateSettings(op.settings);
            break;
        case 13:
            op.kind = Kind::pauseFor;
            op.arg = pick(2) == 0 ? extreme() : between(-5, 7200);
            text = "pauseFor " + n(op.arg);
            e().pauseFor(op.arg);
            break;
        case 14:
            op.kind = Kind::toggle, text = "togglePause", e().togglePause();
            break;
        case 15:
        case 16:
            op.kind = Kind::idle;
            op.arg = pick(2) == 0 ? extreme() : between(0, 500);
            if (pick(2) == 0) {
                text = "noteIdle " + n(op.arg);
                e().noteIdle(op.arg);
            } else {
                op.arg = std::max<std::int64_t>(op.arg, 0);
                text = "currentIdleSeconds = " + n(op.arg);
                e().setCurrentIdleSeconds(op.arg);
            }
            break;
        case 17:
        case 18: {
            op.kind = Kind::sleep;
            op.arg = pick(3) == 0 ? extreme() : between(0, 864'000);
            const bool slept = op.arg > 0 && op.arg <= 864'000 && pick(2) == 0;
            text = (slept ? "sleep and compensateForSleep " : "compensateForSleep ") + n(op.arg);
            if (slept)
                jump(std::chrono::seconds(op.arg));
            e().compensateForSleep(op.arg);
            break;
        }
        default:
            op.kind = pick(10) == 0 ? Kind::stop : Kind::idle;
            text = op.kind == Kind::stop ? "stop" : "nothing";
            if (op.kind == Kind::stop)
                e().stop();
            op.arg = e().currentIdleSeconds();
            break;
        }
        m_inTick = false;
        m_log += "\n  " + text;
        return op;
    }

    void wire()
    {
        BreakEngine &engine = e();
        engine.onBreakStarted = [this](BreakType type, std::int64_t seconds) {
            m_h.events.push_back(std::string("started:") + std::string(rawValue(type)));
            if (e().phase() != TimerPhase::breakTime || e().activeBreak() != type ||
                e().remainingSeconds() != seconds || seconds != expectedDuration(e().settings(), type) ||
                e().isPaused())
                m_problems.push_back("onBreakStarted sees an inconsistent state");
            if (m_inTick && e().settings().preBreakWarningSeconds >= 1 && m_warnings == 0)
                m_problems.push_back("a scheduled break came without a warning");
            const bool longDue = e().completedFocusSessions() % e().settings().longBreakEvery == 0;
            if (m_inTick && type != (longDue ? BreakType::long_ : BreakType::micro))
                m_problems.push_back("a scheduled break of the wrong type");
            newCountdown();
        };
        engine.onBreakFinished = [this] {
            m_h.events.push_back("finished");
            if (e().phase() != TimerPhase::focus || e().isPaused() ||
                e().remainingSeconds() != minutesAsPhase(e().settings().focusMinutes))
                m_problems.push_back("onBreakFinished sees an inconsistent state");
            newCountdown();
        };
        engine.onBreakCancelled = [this] {
            m_h.events.push_back("cancelled");
            if (e().phase() != TimerPhase::focus || e().isPaused())
                m_problems.push_back("onBreakCancelled sees an inconsistent state");
            newCountdown();
        };
        engine.onBreakWarning = [this](std::int64_t seconds) {
            m_h.events.push_back("warning");
            if (e().phase() != TimerPhase::focus || e().isPaused() || e().isAway() || seconds < 1 ||
                seconds != e().settings().preBreakWarningSeconds || e().remainingSeconds() > seconds)
                m_problems.push_back("onBreakWarning sees an inconsistent state");
            if (++m_warnings > 1 + m_rearms)
                m_problems.push_back("a second warning in one countdown without a settings update");
        };
        engine.onPausedReminder = [this](std::int64_t seconds) {
            m_h.events.push_back("reminder");
            if (!e().isPaused() || seconds < 3600 || seconds != e().pausedElapsedSeconds())
                m_problems.push_back("onPausedReminder sees an inconsistent state");
            if (seconds < m_lastReminder + 3600)
                m_problems.push_back("paused reminders less than an hour apart");
            m_lastReminder = seconds;
        };
    }

    void newCountdown()
    {
        m_warnings = 0;
        m_rearms = 0;
    }

    Before snapshot()
    {
        const BreakEngine &x = e();
        return Before{x.phase(),
                      x.activeBreak(),
                      x.remainingSeconds(),
                      x.completedFocusSessions(),
                      x.currentIdleSeconds(),
                      x.pauseRemainingSeconds(),
                      x.pausedElapsedSeconds(),
                      x.isPaused(),
                      x.settings()};
    }

    std::string checkInvariants(bool ticked)
    {
        BreakEngine &x = e();
        if ((x.phase() == TimerPhase::focus) != !x.activeBreak().has_value())
            return "phase and activeBreak disagree";
        if (x.remainingSeconds() < 0 || x.pauseRemainingSeconds() < 0 || x.pausedElapsedSeconds() < 0)
            return "a negative published count";
        if (x.settings() != x.settings().sanitized())
            return "settings not sanitised";
        if (!x.isPaused()) {
            if (x.pauseRemainingSeconds() != 0 || x.pausedElapsedSeconds() != 0)
                return "running, but pause state left over";
        } else if (m_timedPause != (x.pauseRemainingSeconds() >= 1)) {
            return "pauseRemainingSeconds does not match the kind of pause";
        }
        if (ticked && x.isPaused() && x.isAway())
            return "away while paused";
        return {};
    }

    bool wouldBeAway(const Before &b) const
    {
        return b.settings.idleThresholdSeconds >= 1 && b.idle >= b.settings.idleThresholdSeconds;
    }

    std::string checkOp(const Op &op, const Before &b)
    {
        BreakEngine &x = e();
        const Events &ev = m_h.events;
        const auto count = [&](std::string_view prefix) {
            return std::count_if(ev.begin(), ev.end(), [&](const std::string &x) { return x.starts_with(prefix); });
        };
        const bool samePause = x.isPaused() == b.paused && x.pauseRemainingSeconds() == b.pauseRemaining &&
                               x.pausedElapsedSeconds() == b.pausedElapsed;
        const bool running = !x.isPaused();
        const std::int64_t focusLength = minutesAsPhase(x.settings().focusMinutes);
        if (x.completedFocusSessions() < b.count)
            return "completedFocusSessions went down";

        if (op.tickOp) {
            if (count("cancelled") != 0)
                return "a tick cancelled a break";
            if (x.completedFocusSessions() != b.count + count("started"))
                return "a tick started a break without counting the session";
            if (op.kind == Kind::tickFire && !op.ticked && !ev.empty())
                return "callbacks after stop()";
            if (op.atMostOne) {
                // clang-format off
                static const std::vector<Events> allowed = {{}, {"warning"}, {"warning", "started:micro"},
                    {"warning", "started:long"}, {"started:micro"}, {"started:long"}, {"finished"}, {"reminder"}};
                // clang-format on
                if (std::find(allowed.begin(), allowed.end(), ev) == allowed.end())
                    return "unexpected callbacks from one tick";
                if (b.paused && !ev.empty() && ev != Events{"reminder"})
                    return "a paused tick did more than remind";
                if (!ev.empty() && ev != Events{"reminder"} && ev != Events{"warning"} &&
                    (b.phase == TimerPhase::focus) != (ev != Events{"finished"}))
                    return "a phase ended that was not running";
            }
            if (op.atMostOne && op.ticked && b.paused && x.isPaused() && count("reminder") == 0 &&
                x.pausedElapsedSeconds() >= 3600 && x.pausedElapsedSeconds() >= m_lastReminder + 3600)
                return "a due paused reminder did not come";
            if (op.ticked && !b.paused && !x.isPaused() && x.isAway() != wouldBeAway(b))
                return "isAway does not follow the idle time";
            if (op.kind == Kind::expire && !b.paused && !(wouldBeAway(b) && b.phase == TimerPhase::focus) &&
                count("started") + count("finished") != 1)
                return "expireForTesting did not end the phase";
            return {};
        }

        if (x.completedFocusSessions() != b.count + (op.kind == Kind::skip && b.phase == TimerPhase::focus ? 1 : 0))
            return "completedFocusSessions changed";
        const bool endsBreak = (op.kind == Kind::postpone || op.kind == Kind::skip) && b.phase == TimerPhase::breakTime;
        const Events expected = op.kind == Kind::startBreak ? Events{"started:" + std::string(rawValue(op.type))}
                                : endsBreak                 ? Events{"cancelled"}
                                                            : Events{};
        if (ev != expected)
            return "unexpected callbacks";

        switch (op.kind) {
        case Kind::startBreak:
            if (!running || x.activeBreak() != op.type)
                return "startBreakNow did not start a break";
            break;
        case Kind::postpone:
            if (endsBreak && (!running || x.phase() != TimerPhase::focus ||
                              x.remainingSeconds() != minutesAsPhase(x.settings().postponeMinutes)))
                return "postpone in a break did not give a postpone-long focus";
            if (!endsBreak && (!samePause || x.remainingSeconds() < 1))
                return "postpone in focus lost the pause or left no time";
            break;
        case Kind::skip:
        case Kind::reset:
            if (!running || x.phase() != TimerPhase::focus || x.remainingSeconds() != focusLength)
                return "skip or reset did not restart a full focus";
            break;
        case Kind::update: {
            if (x.settings() != op.settings.sanitized())
                return "updateSettings did not adopt the sanitised record";
            if (!samePause || x.phase() != b.phase || x.activeBreak() != b.active)
                return "updateSettings changed the phase or the pause";
            const std::int64_t full =
                b.active ? expectedDuration(x.settings(), *b.active) : minutesAsPhase(x.settings().focusMinutes);
            if (x.remainingSeconds() != std::min(b.remaining, full))
                return "updateSettings did not keep or shorten the countdown";
            break;
        }
        case Kind::pauseFor:
            if (!x.isPaused() || x.pauseRemainingSeconds() != std::clamp<std::int64_t>(op.arg, 1, kTenYears))
                return "pauseFor did not start a timed pause of its length";
            break;
        case Kind::toggle:
            if (b.paused ? x.isPaused() : (!x.isPaused() || x.pauseRemainingSeconds() != 0))
                return "togglePause did not toggle";
            break;
        case Kind::idle:
            if (x.currentIdleSeconds() != std::max<std::int64_t>(op.arg, 0) || x.remainingSeconds() != b.remaining)
                return "recording the idle time did more";
            break;
        case Kind::sleep:
            if (x.phase() != b.phase || x.isPaused() != b.paused || x.pausedElapsedSeconds() != b.pausedElapsed)
                return "compensateForSleep changed the phase or the pause";
            if (op.arg < 1 && (x.remainingSeconds() != b.remaining || x.pauseRemainingSeconds() != b.pauseRemaining))
                return "compensateForSleep below one second changed something";
            if (b.paused && x.remainingSeconds() != b.remaining)
                return "compensateForSleep moved a paused countdown";
            break;
        case Kind::stop:
            if (m_h.loop.activeTimerCount() != 0)
                return "stop left the ticker running";
            break;
        default:
            break;
        }
        return {};
    }

    std::mt19937_64 m_rng;
    bool m_inTick = false; // an operation that ticks is running
    std::string m_log;     // the operations so far
    EngineHarness m_h;
    std::vector<std::string> m_problems;
    // A light model of the warning and reminder rhythm.
    int m_warnings = 0;
    int m_rearms = 0;
    std::int64_t m_lastReminder = 0;
    bool m_timedPause = false;
};

} // namespace

TEST(BreakEnginePropertyTest, RandomOperationSequencesKeepTheInvariants)
{
    for (int i = 0; i < kSequences; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE("seed " + std::to_string(seed));
        if (const std::string problem = Sequence(seed).run(); !problem.empty())
            FAIL() << problem;
    }
}
