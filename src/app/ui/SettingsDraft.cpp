#include "app/ui/SettingsDraft.h"

#include <algorithm>

#include <QtGlobal>

namespace tavelo {

namespace {

std::int64_t BreakSettings::*member(SettingsField field)
{
    switch (field) {
    case SettingsField::focusMinutes:
        return &BreakSettings::focusMinutes;
    case SettingsField::shortBreakSeconds:
        return &BreakSettings::shortBreakSeconds;
    case SettingsField::longBreakMinutes:
        return &BreakSettings::longBreakMinutes;
    case SettingsField::longBreakEvery:
        return &BreakSettings::longBreakEvery;
    case SettingsField::postponeMinutes:
        return &BreakSettings::postponeMinutes;
    case SettingsField::preBreakWarningSeconds:
        return &BreakSettings::preBreakWarningSeconds;
    case SettingsField::idleMinutes:
        return &BreakSettings::idleThresholdSeconds;
    }
    return &BreakSettings::focusMinutes;
}

const std::array<SettingsRow, 7> kRows{{
    {SettingsField::focusMinutes, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Focus duration"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "min"), 1, 180, 1, nullptr, nullptr},
    {SettingsField::shortBreakSeconds, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Microbreak duration"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "sec"), 5, 600, 5, nullptr, nullptr},
    {SettingsField::longBreakMinutes, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Long break duration"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "min"), 1, 120, 1, nullptr, nullptr},
    {SettingsField::longBreakEvery, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Long break every"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "sessions"), 1, 12, 1, nullptr, nullptr},
    {SettingsField::postponeMinutes, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Postpone by"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "min"), 1, 60, 1, nullptr, nullptr},
    {SettingsField::preBreakWarningSeconds, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Break warning"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "sec"), 0, 60, 5, QT_TRANSLATE_NOOP("tavelo::SettingsView", "0 = off"),
     nullptr},
    {SettingsField::idleMinutes, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Pause when away"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView", "min"), 0, 60, 1, QT_TRANSLATE_NOOP("tavelo::SettingsView", "Off"),
     QT_TRANSLATE_NOOP("tavelo::SettingsView",
                       "When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input "
                       "timing is observed, never content. 0 disables it.")},
}};

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kMaxIdleSeconds = 3600;

} // namespace

const std::array<SettingsRow, 7> &SettingsDraft::rows()
{
    return kRows;
}

const SettingsRow &SettingsDraft::row(SettingsField field)
{
    return *std::find_if(kRows.begin(), kRows.end(), [field](const SettingsRow &r) { return r.field == field; });
}

SettingsDraft::SettingsDraft(const BreakSettings &modelSettings, MainLoop &loop)
    : m_loop(loop), m_draft(modelSettings), m_lastSynced(modelSettings)
{
}

SettingsDraft::~SettingsDraft() = default;

std::int64_t SettingsDraft::value(SettingsField field) const
{
    const std::int64_t raw = m_draft.*member(field);
    return field == SettingsField::idleMinutes ? raw / kSecondsPerMinute : raw;
}

void SettingsDraft::write(SettingsField field, std::int64_t value)
{
    const SettingsRow &r = row(field);
    const std::int64_t clamped = std::clamp<std::int64_t>(value, r.lower, r.upper);
    if (field == SettingsField::idleMinutes)
        m_draft.idleThresholdSeconds = std::min(clamped * kSecondsPerMinute, kMaxIdleSeconds);
    else
        m_draft.*member(field) = clamped;
}

bool SettingsDraft::showsZeroHint(SettingsField field) const
{
    return row(field).zeroHint && m_draft.*member(field) == 0;
}

bool SettingsDraft::canRestoreDefaults(const BreakSettings &modelSettings) const
{
    return m_draft != BreakSettings::standard || modelSettings != BreakSettings::standard;
}

void SettingsDraft::sync(const BreakSettings &published)
{
    if (published != m_lastSynced && m_draft == m_lastSynced)
        m_draft = published;
    m_lastSynced = published;
}

void SettingsDraft::viewShown(const BreakSettings &modelSettings)
{
    m_lastSynced = modelSettings;
    if (m_feedbackMessage) {
        m_feedbackMessage.reset();
        transientChanged.notify();
    }
}

void SettingsDraft::showFeedback(std::string message)
{
    const std::uint64_t token = ++m_feedbackToken;
    m_feedbackMessage = std::move(message);
    transientChanged.notify();
    m_loop.postAfter(kFeedbackDuration, m_liveness.guard([this, token] {
        if (m_feedbackToken != token)
            return;
        m_feedbackMessage.reset();
        transientChanged.notify();
    }));
}

void SettingsDraft::flashAction(ActionHighlight action)
{
    m_highlightedAction = action;
    transientChanged.notify();
    m_loop.postAfter(kHighlightDuration, m_liveness.guard([this, action] {
        if (m_highlightedAction != action)
            return;
        m_highlightedAction.reset();
        transientChanged.notify();
    }));
}

void SettingsDraft::clearConfirmation()
{
    if (!m_feedbackMessage && !m_highlightedAction)
        return;
    m_feedbackMessage.reset();
    m_highlightedAction.reset();
    transientChanged.notify();
}

} // namespace tavelo
