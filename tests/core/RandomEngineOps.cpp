#include "RandomEngineOps.h"

#include <algorithm>
#include <limits>

#include <nlohmann/json.hpp>
#include <string>

namespace tavelo::test {

using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kTenYears = RandomEngineOps::kTenYears;
// The test clock must stay clear of the end of the clock type (2262).
const TimePoint kLatestClock = TimePoint(std::chrono::seconds(8'000'000'000));

} // namespace

std::int64_t RandomEngineOps::extreme()
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

BreakSettings RandomEngineOps::randomSettings()
{
    const auto field = [this](std::int64_t lo, std::int64_t hi) { return pick(5) < 3 ? between(lo, hi) : extreme(); };
    return BreakSettings{field(0, 3), field(0, 40),  field(0, 2),   field(0, 5),
                         field(0, 2), field(-5, 70), field(0, 400), pick(2) == 0};
}

void RandomEngineOps::jump(EngineHarness &h, std::chrono::seconds d)
{
    if (h.clock.now() + d < kLatestClock)
        h.clock.advance(d);
}

RandomEngineOps::Op RandomEngineOps::perform(EngineHarness &h)
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
        op.ticked = h.loop.activeTimerCount() > 0 && ms >= 1000ms;
        op.atMostOne = ms < 1000ms;
        text = "run " + n(ms.count()) + "ms";
        m_inTick = true;
        h.loop.advance(ms);
        break;
    }
    case 3:
    case 4: {
        static constexpr std::int64_t spans[] = {120, 7200, 400'000, 5 * 31'536'000};
        const std::int64_t s = between(pick(6) == 0 ? -3600 : 0, spans[pick(std::size(spans))]);
        op.kind = Kind::tickFire;
        op.tickOp = op.atMostOne = true;
        op.ticked = h.loop.activeTimerCount() > 0;
        text = "jump " + n(s) + "s and fire";
        jump(h, std::chrono::seconds(s));
        m_inTick = true;
        h.loop.fireTimersOnce();
        break;
    }
    case 5: {
        op.kind = Kind::tickHook;
        op.tickOp = op.ticked = op.atMostOne = true;
        m_inTick = true;
        op.arg = pick(3) == 0 ? extreme() : between(-30, 2000);
        if (pick(2) == 0) {
            text = "advanceForTesting " + n(op.arg);
            h.e().advanceForTesting(op.arg);
        } else {
            text = "advancePausedClockForTesting " + n(op.arg);
            h.e().advancePausedClockForTesting(op.arg);
        }
        break;
    }
    case 6:
        op.kind = Kind::expire, op.tickOp = op.ticked = op.atMostOne = m_inTick = true;
        text = "expireForTesting", h.e().expireForTesting();
        break;
    case 7:
        op.kind = Kind::startBreak;
        op.type = pick(2) == 0 ? BreakType::micro : BreakType::long_;
        text = "startBreakNow " + std::string(rawValue(op.type));
        h.e().startBreakNow(op.type);
        break;
    case 8:
        op.kind = Kind::postpone, text = "postpone", h.e().postpone();
        break;
    case 9:
        op.kind = Kind::skip, text = "skip", h.e().skip();
        break;
    case 10:
        op.kind = Kind::reset, text = "resetFocusTimer", h.e().resetFocusTimer();
        break;
    case 11:
    case 12:
        op.kind = Kind::update;
        op.settings = randomSettings();
        text = "updateSettings " + op.settings.toJson().dump();
        h.e().updateSettings(op.settings);
        break;
    case 13:
        op.kind = Kind::pauseFor;
        op.arg = pick(2) == 0 ? extreme() : between(-5, 7200);
        text = "pauseFor " + n(op.arg);
        h.e().pauseFor(op.arg);
        break;
    case 14:
        op.kind = Kind::toggle, text = "togglePause", h.e().togglePause();
        break;
    case 15:
    case 16:
        op.kind = Kind::idle;
        op.arg = pick(2) == 0 ? extreme() : between(0, 500);
        if (pick(2) == 0) {
            text = "noteIdle " + n(op.arg);
            h.e().noteIdle(op.arg);
        } else {
            op.arg = std::max<std::int64_t>(op.arg, 0);
            text = "currentIdleSeconds = " + n(op.arg);
            h.e().setCurrentIdleSeconds(op.arg);
        }
        break;
    case 17:
    case 18: {
        op.kind = Kind::sleep;
        op.arg = pick(3) == 0 ? extreme() : between(0, 864'000);
        const bool slept = op.arg > 0 && op.arg <= 864'000 && pick(2) == 0;
        text = (slept ? "sleep and compensateForSleep " : "compensateForSleep ") + n(op.arg);
        if (slept)
            jump(h, std::chrono::seconds(op.arg));
        h.e().compensateForSleep(op.arg);
        break;
    }
    default:
        op.kind = pick(10) == 0 ? Kind::stop : Kind::idle;
        text = op.kind == Kind::stop ? "stop" : "nothing";
        if (op.kind == Kind::stop)
            h.e().stop();
        op.arg = h.e().currentIdleSeconds();
        break;
    }
    m_inTick = false;
    op.text = text;
    m_log += "\n  " + op.text;
    return op;
}

} // namespace tavelo::test
