#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "app/AppModel.h"
#include "app/IdleMonitor.h"
#include "app/OnboardingStore.h"
#include "app/services/LaunchAtLoginService.h"
#include "app/services/NotificationService.h"
#include "app/services/UpdateService.h"
#include "core/BreakSettingsStore.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeFileSystem.h"
#include "support/FakeHttpSession.h"
#include "support/FakeIdleTimeSource.h"
#include "support/FakeLoginItemService.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeOnboardingPresenter.h"
#include "support/FakeProcessRunner.h"
#include "support/FakeSettingsWindowPresenter.h"
#include "support/FakeSleepWatcher.h"
#include "support/FakeUnitFileStore.h"
#include "support/FakeUserDefaults.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"

// Readable failure messages.
[[maybe_unused]] static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tavelo::test {

// A real model over every fake, on a manual clock and loop. The fakes may be changed
// before `build()` or `start()`.
class AppFixture {
public:
    // Logs the overlay's calls, and how many notification calls came before each, so that
    // the order across the two shows.
    class RecordingOverlay final : public OverlayPresenter {
    public:
        explicit RecordingOverlay(AppFixture &fixture) : m_fixture(fixture) {}
        void prepare(bool strict) override { m_fixture.overlayPrepares.push_back(strict); }
        void show(bool strict) override { record(strict ? "show strict" : "show gentle", true); }
        void hide() override { record("hide", false); }
        bool isVisible() const override { return m_visible; }

    private:
        void record(std::string what, bool visible)
        {
            m_visible = visible;
            m_fixture.overlayLog.push_back(std::move(what));
            m_fixture.noticesBeforeOverlay.push_back(m_fixture.center.calls().size());
        }
        AppFixture &m_fixture;
        bool m_visible = false;
    };

    // Builds the model; what its constructor queued has not run yet.
    AppModel &build()
    {
        // Built here: it reads whether the build is installed when it starts.
        updates =
            std::make_unique<UpdateService>(http, center, defaults, bundle, workspace, loop, FeedArchitecture::generic);
        auto makeOverlay = [this](BreakEngine &, OverlayActions actions) -> std::unique_ptr<OverlayPresenter> {
            overlayActions = std::move(actions);
            return std::make_unique<RecordingOverlay>(*this);
        };
        model = std::make_unique<AppModel>(AppModel::Collaborators{
            settingsStore, notifier, makeOverlay, bundle, clock, loop, onboarding, onboardingStore, launchAtLogin,
            settingsWindow, idleMonitor, sleepWatcher, *updates});
        return *model;
    }
    // Builds the model and runs what construction queued.
    AppModel &start()
    {
        build();
        loop.runPending();
        return *model;
    }
    BreakEngine &engine() { return model->engine(); }
    std::vector<FakeOnboardingPresenter::Shown::Kind> shownKinds() const
    {
        std::vector<FakeOnboardingPresenter::Shown::Kind> kinds;
        for (const auto &s : onboarding.shown)
            kinds.push_back(s.kind);
        return kinds;
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> result;
        for (const auto &request : center.added())
            result.push_back(request.title);
        return result;
    }
    // Moves time on, then lets Qt deliver what the views queued.
    void advance(std::chrono::nanoseconds d)
    {
        loop.advance(d);
        QCoreApplication::processEvents();
    }

    // The settings file as the store sees it, in memory.
    static inline const std::filesystem::path settingsFile{"/config/Tavelo/settings.json"};
    FakeFileSystem files;
    std::ostringstream errors;
    ManualClock clock;
    BreakSettingsStore settingsStore{files, settingsFile.parent_path(), errors, clock};
    ManualMainLoop loop{clock};
    FakeNotificationCenter center;
    FakeBundleInfo bundle;
    FakeWorkspace workspace;
    NotificationService notifier{center, bundle, workspace, loop};
    FakeUserDefaults defaults;
    OnboardingStore onboardingStore{defaults};
    FakeOnboardingPresenter onboarding;
    FakeLoginItemService loginItem;
    FakeUnitFileStore units;
    FakeProcessRunner runner;
    LaunchAtLoginService launchAtLogin{{bundle, loginItem, units, runner, "/usr/bin/tavelo"}};
    FakeSettingsWindowPresenter settingsWindow;
    FakeIdleTimeSource idleSource{[] { return std::optional(0.0); }};
    IdleMonitor idleMonitor{idleSource};
    FakeSleepWatcher sleepWatcher;
    FakeHttpSession http;
    std::unique_ptr<UpdateService> updates;
    OverlayActions overlayActions;
    std::vector<std::string> overlayLog;
    std::vector<std::size_t> noticesBeforeOverlay;
    // The strict flag of each prepare() call.
    std::vector<bool> overlayPrepares;
    std::unique_ptr<AppModel> model;
};

} // namespace tavelo::test
