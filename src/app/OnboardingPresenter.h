#pragma once

#include <functional>
#include <vector>

#include "core/ReleaseNote.h"

namespace tavelo {

class AppModel;

// Shows the tour and the What's New window, one window at a time. A new show replaces
// the window on screen and drops its completion; otherwise `onDone` runs exactly once,
// when the user is done with the window or closes it.
class OnboardingPresenter {
public:
    virtual ~OnboardingPresenter() = default;
    virtual void showTour(AppModel &model, std::function<void()> onDone) = 0;
    virtual void showWhatsNew(std::vector<ReleaseNote> notes, std::function<void()> onDone) = 0;
};

} // namespace tavelo
