#pragma once

#include <memory>
#include <ostream>
#include <sstream>

#include <QCoreApplication>
#include <QString>

#include "app/AppModel.h"
#include "app/services/NotificationService.h"
#include "core/BreakSettingsStore.h"
#include "platform/linux/PosixFileSystem.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"
#include "support/TemporaryFolder.h"

// Readable failure messages.
[[maybe_unused]] static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tavelo::test {

// A real model over fakes and a manual clock, for the status item and panel tests.
struct StatusModelHarness {
    class NoOverlay final : public OverlayPresenter {
    public:
        void show(bool) override { m_visible = true; }
        void hide() override { m_visible = false; }
        bool isVisible() const override { return m_visible; }

    private:
        bool m_visible = false;
    };

    StatusModelHarness()
    {
        model = std::make_unique<AppModel>(AppModel::Collaborators{
            store, notifier, [](BreakEngine &) { return std::make_unique<NoOverlay>(); }, bundle, clock, loop});
        loop.runPending();
    }

    BreakEngine &engine() { return model->engine(); }

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
    std::unique_ptr<AppModel> model;
};

} // namespace tavelo::test
