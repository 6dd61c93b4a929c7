#pragma once

#include <vector>

#include "app/SettingsWindowPresenter.h"

namespace tavelo::test {

// Records which model each show was for.
class FakeSettingsWindowPresenter final : public SettingsWindowPresenter {
public:
    std::vector<AppModel *> shownFor;

    void show(AppModel &model) override { shownFor.push_back(&model); }
};

} // namespace tavelo::test
