#pragma once

#include <memory>
#include <sstream>

#include "app/AppModel.h"
#include "app/OnboardingStore.h"
#include "app/services/NotificationService.h"
#include "core/BreakSettingsStore.h"
#include "platform/linux/PosixFileSystem.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeOnboardingPresenter.h"
#include "support/FakeUserDefaults.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"
#include "support/TemporaryFolder.h"

namespace tavelo::test {

// A real model over fakes, with the onboarding collaborators in place. The presenter
// defaults to a recorder; a test may hand in another one before the model is built.
struct OnboardingHarness {
    class NoOverlay final : public OverlayPresenter {
    public:
        void show(bool) override {}
        void hide() override {}
        bool isVisible() const override { return false; }
    };

    // Builds the model; the queued launch decision has not run yet.
    AppModel &build()
    {
        model = std::make_unique<AppModel>(AppModel::Collaborators{
            .settingsStore = settingsStore,
            .notifier = notifier,
            .makeOverlay = [](BreakEngine &) { return std::make_unique<NoOverlay>(); },
            .bundle = bundle,
            .clock = clock,
            .loop = loop,
            .onboardingController = controller ? controller : &recorder,
            .onboardingStore = &store,
        });
        return *model;
    }
    // Builds the model and lets the loop run what construction queued.
    AppModel &launch()
    {
        build();
        loop.runPending();
        return *model;
    }

    TemporaryFolder folder;
    std::ostringstream errors;
    PosixFileSystem files;
    BreakSettingsStore settingsStore{files, folder.path() / "Tavelo", errors};
    ManualClock clock;
    ManualMainLoop loop{clock};
    FakeNotificationCenter center;
    FakeBundleInfo bundle;
    FakeWorkspace workspace;
    NotificationService notifier{center, bundle, workspace, loop};
    FakeUserDefaults defaults;
    OnboardingStore store{defaults};
    FakeOnboardingPresenter recorder;
    OnboardingPresenter *controller = nullptr;
    std::unique_ptr<AppModel> model;
};

} // namespace tavelo::test
