#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

namespace tavelo::test {

using Events = std::vector<std::string>;

// An engine on a manual clock and loop, with every callback recorded as a short text:
// "warning:10", "started:micro:20", "finished", "cancelled", "reminder:3600".
class EngineHarness {
public:
    EngineHarness() : loop(clock), engine(std::make_unique<BreakEngine>(BreakSettings::standard, clock, loop))
    {
        const auto note = [this](const std::string &what, auto n) { events.push_back(what + ':' + std::to_string(n)); };
        engine->onBreakStarted = [=](BreakType t, std::int64_t s) { note("started:" + std::string(rawValue(t)), s); };
        engine->onBreakFinished = [this] { events.push_back("finished"); };
        engine->onBreakCancelled = [this] { events.push_back("cancelled"); };
        engine->onBreakWarning = [=](std::int64_t s) { note("warning", s); };
        engine->onPausedReminder = [=](std::int64_t s) { note("reminder", s); };
    }

    BreakEngine &e() { return *engine; }

    // Plays comma-separated steps, e.g. "run 500ms, jump 1h, advance 1489, lead 60, mark";
    // "run" lets the ticker tick, "jump" moves the clock alone, "mark" records the published
    // state among the events: "focus 1500 #0 paused 300/0 away".
    void play(const std::string &script)
    {
        using Step = void (*)(EngineHarness &, std::int64_t, std::chrono::milliseconds);
        static const std::map<std::string, Step> kSteps = {
            {"run", [](auto &h, auto, auto d) { h.loop.advance(d); }},
            {"jump", [](auto &h, auto, auto d) { h.clock.advance(d); }},
            {"advance", [](auto &h, auto n, auto) { h.e().advanceForTesting(n); }},
            {"advancePaused", [](auto &h, auto n, auto) { h.e().advancePausedClockForTesting(n); }},
            {"expire", [](auto &h, auto, auto) { h.e().expireForTesting(); }},
            {"postpone", [](auto &h, auto, auto) { h.e().postpone(); }},
            {"toggle", [](auto &h, auto, auto) { h.e().togglePause(); }},
            {"pauseFor", [](auto &h, auto n, auto) { h.e().pauseFor(n); }},
            {"idle", [](auto &h, auto n, auto) { h.e().noteIdle(n); }},
            {"sleep", [](auto &h, auto n, auto) { h.e().compensateForSleep(n); }},
            {"lead", [](auto &h, auto n, auto) { h.update(&BreakSettings::preBreakWarningSeconds, n); }},
            {"focus", [](auto &h, auto n, auto) { h.update(&BreakSettings::focusMinutes, n); }},
            {"mark", [](auto &h, auto, auto) { h.mark(); }},
        };
        std::istringstream steps(script);
        for (std::string step, verb, unit; std::getline(steps, step, ',');) {
            std::int64_t n = 0;
            std::istringstream(step) >> verb >> n >> unit;
            const std::int64_t ms = n * (unit == "ms" ? 1 : unit == "min" ? 60'000 : unit == "h" ? 3'600'000 : 1000);
            kSteps.at(verb)(*this, n, std::chrono::milliseconds(ms)); // throws on an unknown step
        }
    }

    void update(std::int64_t BreakSettings::*field, std::int64_t value)
    {
        BreakSettings s = engine->settings();
        s.*field = value;
        engine->updateSettings(s);
    }

    void mark()
    {
        std::ostringstream s;
        s << rawValue(engine->phase()) << ' ' << engine->remainingSeconds() << " #" << engine->completedFocusSessions();
        if (engine->isPaused())
            s << " paused " << engine->pauseRemainingSeconds() << '/' << engine->pausedElapsedSeconds();
        events.push_back(engine->isAway() ? s.str() + " away" : s.str());
    }

    // The events so far, cleared.
    Events take() { return std::exchange(events, {}); }
    Events playAndTake(const std::string &script) { return play(script), take(); }

    ManualClock clock;
    ManualMainLoop loop;
    std::unique_ptr<BreakEngine> engine;
    Events events;
};

} // namespace tavelo::test
