#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/OnboardingPresenter.h"

namespace tavelo::test {

// Records what the model asks to show and keeps the latest completion for the test
// to run. `onShow` lets a test look at the world at the moment a window would appear.
class FakeOnboardingPresenter final : public OnboardingPresenter {
public:
    struct Shown {
        enum class Kind { tour, whatsNew } kind;
        std::vector<ReleaseNote> notes;
        AppModel *model = nullptr;
    };

    std::vector<Shown> shown;
    std::function<void()> pendingDone;
    std::function<void()> onShow;

    void showTour(AppModel &model, std::function<void()> onDone) override
    {
        shown.push_back({Shown::Kind::tour, {}, &model});
        pendingDone = std::move(onDone);
        if (onShow)
            onShow();
    }
    void showWhatsNew(std::vector<ReleaseNote> notes, std::function<void()> onDone) override
    {
        shown.push_back({Shown::Kind::whatsNew, std::move(notes), nullptr});
        pendingDone = std::move(onDone);
        if (onShow)
            onShow();
    }

    // The user is done with the window on screen.
    void finish()
    {
        auto done = std::move(pendingDone);
        pendingDone = nullptr;
        if (done)
            done();
    }
};

} // namespace tavelo::test
