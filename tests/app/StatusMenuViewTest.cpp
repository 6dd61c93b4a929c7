#include <chrono>

#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ui/CountdownLabel.h"
#include "app/ui/StatusMenuView.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;
using Shown = test::FakeOnboardingPresenter::Shown::Kind;

namespace {

class StatusMenuViewTest : public ::testing::Test {
protected:
    StatusMenuViewTest()
    {
        h.bundle.installed = false; // no launch screen of its own
        h.start();
        view = std::make_unique<StatusMenuView>(*h.model);
    }
    QPushButton *button(const char *name) const { return view->findChild<QPushButton *>(name); }
    QString countdown() const { return view->findChild<CountdownLabel *>("countdown")->text(); }
    QAction *item(const char *menu, const QString &title) const
    {
        for (QAction *action : view->findChild<QMenu *>(menu)->actions()) {
            if (action->text() == title || action->objectName() == title)
                return action;
        }
        return nullptr;
    }
    void open() { view->popupAt(QPoint(100, 100)); }

    test::AppFixture h;
    std::unique_ptr<StatusMenuView> view;
};

TEST_F(StatusMenuViewTest, FollowsTheEngineOnlyWhileOpen)
{
    const std::size_t closedObservers = h.engine().changed.observerCount();
    open();
    EXPECT_EQ(h.engine().changed.observerCount(), closedObservers + 1);
    h.loop.advance(2s);
    EXPECT_EQ(countdown(), "25:00") << "changes wait for the next event-loop turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(countdown(), "24:58");

    view->close();
    EXPECT_EQ(h.engine().changed.observerCount(), closedObservers);
    h.advance(60s);
    EXPECT_EQ(countdown(), "24:58");
    open();
    EXPECT_EQ(countdown(), "23:58") << "opening shows the state at once";
}

TEST_F(StatusMenuViewTest, ControlsReachTheModel)
{
    open();
    item("pauseMenu", "Pause 5 min")->trigger();
    EXPECT_EQ(h.engine().pauseRemainingSeconds(), 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("pause")->isVisible());
    button("resume")->click();
    EXPECT_FALSE(h.engine().isPaused());
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("resume")->isVisible());
    item("pauseMenu", "Pause Indefinitely")->trigger();
    EXPECT_TRUE(h.engine().isPaused());
    EXPECT_EQ(h.engine().pauseRemainingSeconds(), 0);
    button("resume")->click();

    button("startLongBreak")->click();
    EXPECT_EQ(h.engine().activeBreak(), BreakType::long_);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("startLongBreak")->isEnabled());
    button("startMicrobreak")->click();
    EXPECT_EQ(h.engine().activeBreak(), BreakType::micro);
    button("postpone")->click();
    EXPECT_EQ(h.engine().remainingSeconds(), 300);
    button("skip")->click();
    EXPECT_EQ(h.engine().completedFocusSessions(), 1);
    h.advance(30s);
    button("resetFocus")->click();
    EXPECT_EQ(h.engine().remainingSeconds(), 25 * 60);
}

TEST_F(StatusMenuViewTest, WindowItemsOpenOnTheNextTurnWithThePanelClosed)
{
    h.onboardingStore.setLastSeenVersion("0.2.0");
    open();
    // The stored version changes without notice; opening the menu asks again.
    h.onboardingStore.setLastSeenVersion("0.1.0");
    emit view->findChild<QMenu *>("helpMenu")->aboutToShow();
    EXPECT_TRUE(item("helpMenu", "whatsNew")->isEnabled());

    item("helpMenu", "takeTheTour")->trigger();
    EXPECT_TRUE(h.onboarding.shown.empty());
    EXPECT_FALSE(view->isVisible());
    QCoreApplication::processEvents();
    open();
    item("helpMenu", "whatsNew")->trigger();
    open();
    button("settings")->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(h.onboarding.shown.size(), 2u);
    EXPECT_EQ(h.onboarding.shown[0].kind, Shown::tour);
    EXPECT_EQ(h.onboarding.shown[1].kind, Shown::whatsNew);
    EXPECT_EQ(h.settingsWindow.shownFor, std::vector<AppModel *>{h.model.get()});
}

TEST_F(StatusMenuViewTest, QuitEndsTheEventLoop)
{
    open();
    QTimer::singleShot(0, [this] { button("quit")->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

} // namespace
