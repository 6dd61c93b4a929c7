#pragma once

namespace tavelo {

class AppModel;

// Shows the settings window for a model; SettingsWindowController provides it and
// tests substitute a recorder.
class SettingsWindowPresenter {
public:
    virtual ~SettingsWindowPresenter() = default;
    virtual void show(AppModel &model) = 0;
};

} // namespace tavelo
