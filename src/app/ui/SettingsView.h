#pragma once

#include <array>
#include <optional>

#include <QIcon>

#include <QWidget>

#include "app/ui/SettingsDraft.h"
#include "core/Signal.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavelo {

class AppModel;
class FeedbackCapsule;
class MainLoop;
class RangeSpinBox;

// The settings window's content: the break rhythm edited on a draft that takes effect
// when applied, and the launch-at-login switch, which acts at once.
class SettingsView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 500;
    static constexpr int kMinWidth = 460;

    SettingsView(AppModel &model, MainLoop &loop, QWidget *parent = nullptr);
    ~SettingsView() override;

    AppModel &model() const { return m_model; }
    const SettingsDraft &state() const { return m_draft; }

    // The actions behind the buttons and Ctrl+S.
    void apply();
    void restoreDefaults();
    // Fixed at kWidth (or what the desktop's fonts need) and as tall as what is shown.
    void fitToContent();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void makeIcons();
    QWidget *numericRow(const SettingsRow &row);
    QWidget *toggleRow(const QString &title, const char *name, QCheckBox *&toggle);
    void edited(SettingsField field, int value);
    void switchLaunchAtLogin(bool on);
    // Confirms a save with `done` and `action`, or shows why it failed.
    void confirmSave(const std::optional<std::string> &failure, const QString &done, ActionHighlight action);
    // Takes what is typed in a field but not yet committed.
    void commitPendingEdits();
    bool hasPendingEdits() const;
    // `resetFields` also drops text typed into a field and not yet committed.
    void refresh(bool resetFields = false);
    void refreshButtons();
    void refreshTransient();

    AppModel &m_model;
    SettingsDraft m_draft;
    Connection m_modelChanged;
    Connection m_transientChanged;
    bool m_launchPending = false;
    // The settings in force are not on disk: Apply stays on for another try.
    bool m_saveFailed = false;

    std::array<RangeSpinBox *, 7> m_fields{};
    std::array<QLabel *, 7> m_hints{};
    QCheckBox *m_strictMode = nullptr;
    QCheckBox *m_launchAtLogin = nullptr;
    QLabel *m_launchMessage = nullptr;
    QLabel *m_saveFailure = nullptr;
    FeedbackCapsule *m_feedback = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_apply = nullptr;
    // Restore, restored, apply, applied.
    std::array<QIcon, 4> m_icons;
    std::optional<bool> m_restoreShown;
    std::optional<bool> m_applyShown;
};

} // namespace tavelo
