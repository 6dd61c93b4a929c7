#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <optional>

#include <QString>

#include "app/ui/StatusSnapshot.h"
#include "core/BreakModels.h"
#include "core/Clock.h"

namespace tavelo {

// Everything the break overlay shows, computed from a snapshot of the engine; no widgets, so
// each rule can be tested on plain values.
struct BreakOverlayPresentation {
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

    static BreakOverlayPresentation make(const StatusSnapshot &state, TimePoint now, const TimeFormatter &formatTime);

    // The part of the break that has passed, in [0, 1].
    static double progressOf(const StatusSnapshot &state);
    // "Back at 3:45 PM • Break 2 of 4"; the "Back at" part only while time is left.
    static QString subtitleOf(const StatusSnapshot &state, TimePoint now, const TimeFormatter &formatTime);
    // The user's locale, short time format, no date.
    static QString localShortTime(TimePoint t);

    Q_DECLARE_TR_FUNCTIONS(tavelo::BreakOverlayPresentation)
};

} // namespace tavelo
