#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "EngineHarness.h"

namespace tavelo::test {

// Picks and performs random engine operations, from time passing to extreme settings,
// for the property test. The same seed gives the same operations.
class RandomEngineOps {
public:
    enum class Kind {
        tickRun,
        tickFire,
        tickHook,
        expire,
        startBreak,
        postpone,
        skip,
        reset,
        update,
        pauseFor,
        toggle,
        idle,
        sleep,
        stop
    };
    struct Op {
        Kind kind = Kind::tickRun;
        bool tickOp = false;    // an operation that ticks (or may tick)
        bool ticked = false;    // at least one tick surely ran
        bool atMostOne = false; // no more than one tick can have run
        std::string text;
        std::int64_t arg = 0;
        BreakSettings settings = BreakSettings::standard;
        BreakType type = BreakType::micro;
    };

    static constexpr std::int64_t kTenYears = 315'360'000;

    explicit RandomEngineOps(std::uint64_t seed) : m_rng(seed) {}

    Op perform(EngineHarness &h);
    // True while an operation that ticks is running, so callbacks know where they come from.
    bool inTick() const { return m_inTick; }
    // The operations so far, one a line.
    const std::string &log() const { return m_log; }

    std::uint64_t pick(std::uint64_t n) { return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(m_rng); }
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(m_rng);
    }
    // Edges, small, medium and any 64-bit values.
    std::int64_t extreme();
    // Mostly small values that make breaks happen within a sequence, sometimes extreme ones.
    BreakSettings randomSettings();

private:
    void jump(EngineHarness &h, std::chrono::seconds d);

    std::mt19937_64 m_rng;
    bool m_inTick = false;
    std::string m_log;
};

} // namespace tavelo::test
