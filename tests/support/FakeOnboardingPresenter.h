#pragma once

#include <functional>
#include <utility>
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
    };

    std::vector<Shown> shown;
    std::function<void()> pendingDone;
    std::function<void()> onShow;

    void showTour(AppModel &, std::function<void()> onDone) override { record({Shown::Kind::tour, {}}, onDone); }
    void showWhatsNew(std::vector<ReleaseNote> notes, std::function<void()> onDone) override
    {
        record({Shown::Kind::whatsNew, std::move(notes)}, onDone);
    }

    // The user is done with the window on screen.
    void finish()
    {
        if (auto done = std::exchange(pendingDone, nullptr))
            done();
    }

private:
    void record(Shown shownNow, std::function<void()> &onDone)
    {
        shown.push_back(std::move(shownNow));
        pendingDone = std::move(onDone);
        if (onShow)
            onShow();
    }
};

} // namespace tavelo::test
