#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EngineHarness.h"
#include "RandomEngineOps.h"

// Random operation sequences against the engine, checking its invariants and which
// callbacks each operation may cause after every step.

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

constexpr int kSequences = 10'000;
constexpr int kSteps = 30;
constexpr std::uint64_t kBaseSeed = 20260105;

constexpr std::int64_t kTenYears = RandomEngineOps::kTenYears;

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
    explicit Sequence(std::uint64_t seed) : m_ops(seed) {}

    // Runs the sequence; returns a description of the first violation, or "".
    std::string run()
    {
        if (m_ops.pick(10) == 0)
            m_h.clock.set(TimePoint(std::chrono::seconds(7'000'000'000))); // a clock set far ahead
        m_h.engine = std::make_unique<BreakEngine>(m_ops.randomSettings(), m_h.clock, m_h.loop);
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
            const Op op = m_ops.perform(m_h);
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
                return "step " + std::to_string(step) + " (" + op.text + "): " + problem + "\nops:" + m_ops.log();
        }
        return {};
    }

private:
    using Kind = RandomEngineOps::Kind;
    using Op = RandomEngineOps::Op;
    struct Before {
        TimerPhase phase;
        std::optional<BreakType> active;
        std::int64_t remaining, count, idle, pauseRemaining, pausedElapsed;
        bool paused;
        BreakSettings settings;
    };

    BreakEngine &e() { return *m_h.engine; }

    void wire()
    {
        BreakEngine &engine = e();
        engine.onBreakStarted = [this](BreakType type, std::int64_t seconds) {
            m_h.events.push_back(std::string("started:") + std::string(rawValue(type)));
            if (e().phase() != TimerPhase::breakTime || e().activeBreak() != type ||
                e().remainingSeconds() != seconds || seconds != expectedDuration(e().settings(), type) ||
                e().isPaused())
                m_problems.push_back("onBreakStarted sees an inconsistent state");
            if (m_ops.inTick() && e().settings().preBreakWarningSeconds >= 1 && m_warnings == 0)
                m_problems.push_back("a scheduled break came without a warning");
            const bool longDue = e().completedFocusSessions() % e().settings().longBreakEvery == 0;
            if (m_ops.inTick() && type != (longDue ? BreakType::long_ : BreakType::micro))
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

    RandomEngineOps m_ops;
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
