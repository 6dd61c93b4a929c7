#pragma once

#include <memory>
#include <sstream>

#include <QCoreApplication>
#include <QString>

#include "app/AppModel.h"
#include "app/services/LaunchAtLoginService.h"
#include "app/services/NotificationService.h"
#include "core/BreakSettingsStore.h"
#include "platform/linux/PosixFileSystem.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeLoginItemService.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeProcessRunner.h"
#include "support/FakeSettingsWindowPresenter.h"
#include "support/FakeUnitFileStore.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"
#include "support/TemporaryFolder.h"

// Readable failure messages.
[[maybe_unused]] static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tavelo::test {

// A real model with launch at login over fakes and a manual loop, for the settings
// window tests. `start()` builds the model, so a test may first change the fakes.
struct SettingsHarness {
    class NoOverlay final : public OverlayPresenter {
    public:
        void show(bool) override {}
        void hide() override {}
        bool isVisible() const override { return false; }
    };

    AppModel &start()
    {
        model = std::make_unique<AppModel>(AppModel::Collaborators{
            .settingsStore = store,
            .notifier = notifier,
            .makeOverlay = [](BreakEngine &) { return std::make_unique<NoOverlay>(); },
            .bundle = bundle,
            .clock = clock,
            .loop = loop,
            .launchAtLoginService = &service,
            .settingsWindowController = &settingsWindow,
        });
        loop.runPending();
        return *model;
    }

    // Moves time on, then lets Qt deliver what the views queued.
    void advance(std::chrono::nanoseconds d)
    {
        loop.advance(d);
        QCoreApplication::processEvents();
    }

    TemporaryFolder folder;
    std::ostringstream errors;
    PosixFileSystem files;
    BreakSettingsStore store{files, folder.path() / "Tavelo", errors};
    ManualClock clock;
    ManualMainLoop loop{clock};
    FakeNotificationCenter center;
    FakeBundleInfo bundle;
    FakeWorkspace workspace;
    NotificationService notifier{center, bundle, workspace, loop};
    FakeLoginItemService loginItem;
    FakeUnitFileStore units;
    FakeProcessRunner runner;
    LaunchAtLoginService service{{bundle, loginItem, units, runner, "/usr/bin/tavelo"}};
    FakeSettingsWindowPresenter settingsWindow;
    std::unique_ptr<AppModel> model;
};

} // namespace tavelo::test
