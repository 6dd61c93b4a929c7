#include <chrono>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include "StatusModelHarness.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/StatusMenuView.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class StatusMenuViewTest : public ::testing::Test {
protected:
    QString text(const char *name) const { return view.findChild<QLabel *>(name)->text(); }
    QPushButton *button(const char *name) const { return view.findChild<QPushButton *>(name); }
    QString countdown() const { return view.findChild<CountdownLabel *>("countdown")->text(); }
    QAction *pauseItem(const QString &title) const
    {
        for (QAction *action : view.findChild<QMenu *>("pauseMenu")->actions()) {
            if (action->text() == title)
                return action;
        }
        return nullptr;
    }
    void open() { view.popupAt(QPoint(100, 100)); }

    test::StatusModelHarness h;
    StatusMenuView view{*h.model};
};

TEST_F(StatusMenuViewTest, ShowsTheTimerWhenOpened)
{
    open();
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.width(), StatusMenuView::kWidth);
    EXPECT_EQ(text("headline"), "Focus in progress");
    EXPECT_EQ(countdown(), "25:00");
    EXPECT_EQ(text("statusLine"), "Next: Microbreak in 25:00");
    EXPECT_EQ(text("sessionLine"), "Session 1 of 4 • 0 completed");
    EXPECT_EQ(button("skip")->text(), "Skip Next Break (Microbreak)");
    EXPECT_EQ(button("postpone")->text(), "Postpone 5 min");
    EXPECT_EQ(text("version"), "Tavelo 0.2.0");
    EXPECT_TRUE(button("pause")->isVisible());
    EXPECT_FALSE(button("resume")->isVisible());
    EXPECT_TRUE(button("startMicrobreak")->isEnabled());
    EXPECT_TRUE(button("startLongBreak")->isEnabled());
}

TEST_F(StatusMenuViewTest, FollowsTheEngineOnlyWhileOpen)
{
    const std::size_t closedObservers = h.engine().changed.observerCount();
    const std::size_t closedModelObservers = h.model->changed.observerCount();
    open();
    EXPECT_EQ(h.engine().changed.observerCount(), closedObservers + 1);
    EXPECT_EQ(h.model->changed.observerCount(), closedModelObservers + 1);

    h.loop.advance(2s);
    EXPECT_EQ(countdown(), "25:00") << "changes wait for the next event-loop turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(countdown(), "24:58");

    view.close();
    EXPECT_EQ(h.engine().changed.observerCount(), closedObservers);
    EXPECT_EQ(h.model->changed.observerCount(), closedModelObservers);
    h.advance(60s);
    EXPECT_EQ(countdown(), "24:58");

    open();
    EXPECT_EQ(countdown(), "23:58") << "opening shows the state at once";
}

TEST_F(StatusMenuViewTest, PauseItemsAndResume)
{
    open();
    pauseItem("Pause 5 min")->trigger();
    EXPECT_TRUE(h.engine().isPaused());
    EXPECT_EQ(h.engine().pauseRemainingSeconds(), 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("pause")->isVisible());
    ASSERT_TRUE(button("resume")->isVisible());
    EXPECT_EQ(button("resume")->text(), "Resume Timer (05:00)");
    EXPECT_EQ(text("statusLine"), "Paused — resumes in 05:00");

    button("resume")->click();
    EXPECT_FALSE(h.engine().isPaused());
    QCoreApplication::processEvents();
    EXPECT_TRUE(button("pause")->isVisible());

    pauseItem("Pause Indefinitely")->trigger();
    EXPECT_TRUE(h.engine().isPaused());
    EXPECT_EQ(h.engine().pauseRemainingSeconds(), 0);
    h.advance(120s);
    EXPECT_EQ(button("resume")->text(), "Resume Timer (paused 2m)");
    EXPECT_EQ(text("headline"), "Timer paused · 2m");

    ASSERT_NE(pauseItem("Pause 1 hr"), nullptr);
    EXPECT_EQ(view.findChild<QMenu *>("pauseMenu")->actions().size(), 6);
}

TEST_F(StatusMenuViewTest, BreakButtonsCallThrough)
{
    open();
    button("startMicrobreak")->click();
    EXPECT_EQ(h.engine().activeBreak(), BreakType::micro);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("startMicrobreak")->isEnabled());
    EXPECT_TRUE(button("startLongBreak")->isEnabled());
    EXPECT_EQ(button("skip")->text(), "Skip Current Break");
    EXPECT_EQ(text("headline"), "Microbreak in progress");

    button("startLongBreak")->click();
    EXPECT_EQ(h.engine().activeBreak(), BreakType::long_);
    QCoreApplication::processEvents();
    EXPECT_TRUE(button("startMicrobreak")->isEnabled());
    EXPECT_FALSE(button("startLongBreak")->isEnabled());

    button("postpone")->click();
    EXPECT_EQ(h.engine().phase(), TimerPhase::focus);
    EXPECT_EQ(h.engine().remainingSeconds(), 300);

    button("skip")->click();
    EXPECT_EQ(h.engine().phase(), TimerPhase::focus);
    EXPECT_EQ(h.engine().completedFocusSessions(), 1) << "skipping the next break counts the session";

    h.advance(30s);
    button("resetFocus")->click();
    EXPECT_EQ(h.engine().remainingSeconds(), 25 * 60);
}

TEST_F(StatusMenuViewTest, SettingsChangesReachTheOpenPanel)
{
    open();
    BreakSettings settings = h.model->settings();
    settings.postponeMinutes = 9;
    settings.longBreakEvery = 1;
    h.model->applySettings(settings);
    QCoreApplication::processEvents();
    EXPECT_EQ(button("postpone")->text(), "Postpone 9 min");
    EXPECT_EQ(text("sessionLine"), "Session 1 of 1 • 0 completed");
}

TEST_F(StatusMenuViewTest, OpensBesideTheIconInsideTheScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    // An icon in a bottom panel, right below the free area at its right end.
    const QRect icon(available.right() - 10, available.bottom() + 4, 22, 22);
    view.popupAt(QPoint(0, 0), icon);
    EXPECT_TRUE(available.contains(view.geometry())) << "clamped to the screen";
    EXPECT_LT(view.geometry().bottom(), icon.top()) << "above the icon";

    view.close();
    view.popupAt(available.topLeft() + QPoint(50, 40));
    // At the pointer: below it, centred but kept on the screen.
    EXPECT_EQ(view.pos(), available.topLeft() + QPoint(0, 40 + 1 + 4));
}

TEST_F(StatusMenuViewTest, QuitEndsTheEventLoop)
{
    open();
    QTimer::singleShot(0, [this] { button("quit")->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

} // namespace
