#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/BreakModels.h"
#include "core/Liveness.h"
#include "core/MainLoop.h"
#include "core/Signal.h"

namespace tavelo {

// Which button shows its confirmation label.
enum class ActionHighlight { apply, restore };

// The settings window's numeric rows, top to bottom.
enum class SettingsField {
    focusMinutes,
    shortBreakSeconds,
    longBreakMinutes,
    longBreakEvery,
    postponeMinutes,
    preBreakWarningSeconds,
    idleMinutes, // idleThresholdSeconds, shown and edited in whole minutes
};

struct SettingsRow {
    SettingsField field;
    const char *title;
    const char *unit;
    int lower;
    int upper;
    int step;
    // Shown beside the field while its value is 0; null when there is none.
    const char *zeroHint;
    const char *tooltip;
};

// The settings window's state apart from its widgets: the draft being edited, the
// model value it was last aligned with, and the transient confirmation and button
// highlight, which clear themselves through the main loop. Texts are translation keys.
class SettingsDraft {
public:
    static constexpr std::chrono::milliseconds kFeedbackDuration{2200};
    static constexpr std::chrono::milliseconds kHighlightDuration{1500};

    static const std::array<SettingsRow, 7> &rows();
    static const SettingsRow &row(SettingsField field);

    SettingsDraft(const BreakSettings &modelSettings, MainLoop &loop);
    ~SettingsDraft();
    SettingsDraft(const SettingsDraft &) = delete;
    SettingsDraft &operator=(const SettingsDraft &) = delete;

    const BreakSettings &draft() const { return m_draft; }
    const BreakSettings &lastSynced() const { return m_lastSynced; }
    // What the row's field shows.
    std::int64_t value(SettingsField field) const;
    // Stores what the row's field or stepper wrote, clamped to the row's range.
    void write(SettingsField field, std::int64_t value);
    void setStrictMode(bool on) { m_draft.strictMode = on; }
    bool showsZeroHint(SettingsField field) const;

    bool canApply(const BreakSettings &modelSettings) const { return m_draft != modelSettings; }
    bool canRestoreDefaults(const BreakSettings &modelSettings) const;
    void restoreDefaults() { m_draft = BreakSettings::standard; }

    // The model published `settings`: an unedited draft follows it, an edited one stays.
    void sync(const BreakSettings &published);
    // The window is being shown: forget old feedback and take the model's value as the
    // base, keeping any unsaved draft.
    void viewShown(const BreakSettings &modelSettings);

    const std::optional<std::string> &feedbackMessage() const { return m_feedbackMessage; }
    std::optional<ActionHighlight> highlightedAction() const { return m_highlightedAction; }
    // Shows `message` for kFeedbackDuration; a newer message keeps its own full time.
    void showFeedback(std::string message);
    void flashAction(ActionHighlight action);
    // Takes back the confirmation and the highlight at once.
    void clearConfirmation();

    // The feedback or the highlight changed, by a call above or by its timer.
    Signal<> transientChanged;

private:
    MainLoop &m_loop;
    Liveness m_liveness;
    BreakSettings m_draft;
    BreakSettings m_lastSynced;
    std::optional<std::string> m_feedbackMessage;
    std::uint64_t m_feedbackToken = 0;
    std::optional<ActionHighlight> m_highlightedAction;
};

} // namespace tavelo
