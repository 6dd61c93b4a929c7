#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

namespace tavelo::test {

// An engine on a manual clock and loop, with every callback recorded as a short text:
// "warning:10", "started:micro:20", "finished", "cancelled", "reminder:3600".
class EngineHarness {
public:
    explicit EngineHarness(const BreakSettings &settings = BreakSettings::standard)
        : loop(clock), engine(std::make_unique<BreakEngine>(settings, clock, loop))
    {
        record();
    }

    BreakEngine &e() { return *engine; }

    void record()
    {
        engine->onBreakStarted = [this](BreakType type, std::int64_t seconds) {
            events.push_back("started:" + std::string(rawValue(type)) + ":" + std::to_string(seconds));
        };
        engine->onBreakFinished = [this] { events.push_back("finished"); };
        engine->onBreakCancelled = [this] { events.push_back("cancelled"); };
        engine->onBreakWarning = [this](std::int64_t s) { events.push_back("warning:" + std::to_string(s)); };
        engine->onPausedReminder = [this](std::int64_t s) { events.push_back("reminder:" + std::to_string(s)); };
    }

    // Records the published state among the events: "focus 1500 #0 paused 300/0 away".
    void mark()
    {
        const BreakEngine &x = *engine;
        std::string s = std::string(rawValue(x.phase())) + " " + std::to_string(x.remainingSeconds()) + " #" +
                        std::to_string(x.completedFocusSessions());
        if (x.isPaused())
            s +=
                " paused " + std::to_string(x.pauseRemainingSeconds()) + "/" + std::to_string(x.pausedElapsedSeconds());
        events.push_back(x.isAway() ? s + " away" : s);
    }

    // The events so far, cleared.
    std::vector<std::string> take() { return std::exchange(events, {}); }

    // Real time passing with the ticker running.
    void run(std::chrono::nanoseconds d) { loop.advance(d); }
    // Time passing without any tick (a busy or sleeping machine).
    void jump(std::chrono::nanoseconds d) { clock.advance(d); }

    ManualClock clock;
    ManualMainLoop loop;
    std::unique_ptr<BreakEngine> engine;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

} // namespace tavelo::test
