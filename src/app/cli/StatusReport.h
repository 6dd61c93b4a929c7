#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QCoreApplication>
#include <QString>

#include "platform/TimerState.h"

namespace tavelo {

// The timer as the command line prints it, from the state the running instance sent.
// `now` is seconds since the epoch: the countdowns are worked out from the instants, so
// a state read once serves until it changes.
class StatusReport {
    Q_DECLARE_TR_FUNCTIONS(tavelo::StatusReport)

public:
    StatusReport(const TimerState &state, std::int64_t now);

    // A few lines in the panel's words.
    QString text() const;
    // Short, for a status bar: minutes of focus left, the break's countdown, "Paused", "Away".
    QString barText() const;
    QString toolTip() const;
    // "focus", "break", "paused" or "away".
    std::string barClass() const;
    // The part of the phase left, 0 to 100.
    int percentage() const;
    // One line for waybar's custom module: text, tooltip, class, percentage.
    std::string barJson() const;
    // The bar's fields and the whole state, for scripts.
    std::string fullJson() const;
    // Seconds until barText() changes by itself; none when only a new state changes it.
    std::optional<std::int64_t> secondsToNextChange() const;

    // The bar's line while no instance runs.
    static std::string notRunningJson();

private:
    bool countdownHeld() const;

    TimerState m_state;
    std::int64_t m_now;
};

} // namespace tavelo
