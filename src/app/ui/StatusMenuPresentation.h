#pragma once

#include <cstdint>
#include <optional>

#include <QCoreApplication>
#include <QString>

#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/StatusSnapshot.h"
#include "core/Clock.h"

namespace tavelo {

// The texts and control states of the status item and its panel, computed from a
// snapshot; no widgets, so every rule can be tested on plain values.
class StatusMenuPresentation {
    Q_DECLARE_TR_FUNCTIONS(tavelo::StatusMenuPresentation)

public:
    struct TimedPause {
        const char *text; // untranslated, in the panel's context ("tavelo::StatusMenuView")
        std::int64_t seconds;
    };
    // The timed pauses the panel and the host's menu offer, shortest first.
    static constexpr TimedPause timedPauses[] = {{QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 5 min"), 300},
                                                 {QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 15 min"), 900},
                                                 {QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 30 min"), 1800},
                                                 {QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 1 hr"), 3600}};

    explicit StatusMenuPresentation(const StatusSnapshot &snapshot) : m_s(snapshot) {}

    const StatusSnapshot &snapshot() const { return m_s; }

    // The status item's text: a countdown, "Paused …" or "Away".
    QString menuTitle() const;
    // Seconds from now to the moment the tooltip names: the next break in focus, the end
    // of a break or of a timed pause; none while away from focus or paused without end.
    std::optional<std::int64_t> toolTipSecondsAhead() const;
    // What comes next, in words; `due` is the moment toolTipSecondsAhead() leads to. It
    // changes with the state, not with every second of the countdown.
    QString toolTip(TimePoint due, const BreakOverlayPresentation::TimeFormatter &formatTime) const;
    QString headline() const;
    // The big countdown; it stands still while paused or away.
    QString countdown() const;
    QString statusLine() const;
    QString sessionLine() const;
    QString skipTitle() const;
    QString resumeLabel() const;
    QString postponeTitle() const;

    // While paused the pause pull-down gives way to the resume button.
    bool showsResumeButton() const { return m_s.isPaused; }
    bool startMicrobreakEnabled() const { return !isActiveBreak(BreakType::micro); }
    bool startLongBreakEnabled() const { return !isActiveBreak(BreakType::long_); }

    // "Microbreak", "Long break", or "Break" for a break of no known kind.
    static QString kindName(std::optional<BreakType> type);
    static QString versionLine(const QString &version);

private:
    bool isActiveBreak(BreakType type) const { return m_s.phase == TimerPhase::breakTime && m_s.activeBreak == type; }
    bool pausedUnderAMinute() const { return m_s.pausedElapsedSeconds < 60; }
    QString pausedFor() const;

    StatusSnapshot m_s;
};

} // namespace tavelo
