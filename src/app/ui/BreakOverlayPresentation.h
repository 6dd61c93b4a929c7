#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QString>

#include "core/BreakModels.h"
#include "core/Clock.h"

namespace tavelo {

class BreakEngine;

// Everything the break overlay shows, computed from the engine's state; no widgets, so
// each rule can be tested on plain values.
struct BreakOverlayPresentation {
    // The engine values the overlay depends on.
    struct State {
        std::optional<BreakType> activeBreak;
        std::int64_t remainingSeconds = 0;
        std::int64_t completedFocusSessions = 0;
        BreakSettings settings = BreakSettings::standard;

        static State of(const BreakEngine &engine);
    };
    using TimeFormatter = std::function<QString(TimePoint)>;

    QString headline;
    QString countdown;
    QString countdownAccessibleName;
    double progress = 0.0;
    QString instruction;
    QString subtitle;
    QString postponeTitle;
    QString skipTitle;
    QString keyHint;

    static BreakOverlayPresentation make(const State &state, TimePoint now, const TimeFormatter &formatTime);

    // The part of the break that has passed, in [0, 1].
    static double progressOf(const State &state);
    // "Back at 3:45 PM • Break 2 of 4"; the "Back at" part only while time is left.
    static QString subtitleOf(const State &state, TimePoint now, const TimeFormatter &formatTime);
    // The user's locale, short time format, no date.
    static QString localShortTime(TimePoint t);
};

} // namespace tavelo
