#include <chrono>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayView.h"
#include "core/BreakEngine.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class BreakOverlayViewTest : public ::testing::Test {
protected:
    QString text(const char *name) const { return view.findChild<QLabel *>(name)->text(); }
    QString button(const char *name) const { return view.findChild<QPushButton *>(name)->text(); }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    BreakEngine engine{BreakSettings::standard, clock, loop};
    int skips = 0;
    int postpones = 0;
    BreakOverlayView view{engine, [this] { ++skips; }, [this] { ++postpones; }, clock};
};

TEST_F(BreakOverlayViewTest, FollowsTheEngineOncePerEventLoopTurn)
{
    engine.startBreakNow(BreakType::micro);
    EXPECT_EQ(text("countdown"), "25:00") << "engine changes wait for the next turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(text("headline"), "Microbreak");
    EXPECT_EQ(text("countdown"), "00:20");
    EXPECT_EQ(view.findChild<QLabel *>("countdown")->accessibleName(), "20 seconds remaining");
    EXPECT_EQ(button("postpone"), "Postpone 5 min");
    EXPECT_EQ(button("skip"), "Skip");
    EXPECT_TRUE(text("subtitle").startsWith("Back at ")) << text("subtitle").toStdString();

    loop.advance(5s);
    QCoreApplication::processEvents();
    EXPECT_EQ(text("countdown"), "00:15");
    EXPECT_EQ(view.findChild<QLabel *>("countdown")->accessibleName(), "15 seconds remaining");

    engine.startBreakNow(BreakType::long_);
    QCoreApplication::processEvents();
    EXPECT_EQ(text("headline"), "Long break");
    EXPECT_EQ(button("skip"), "End Break");
    EXPECT_TRUE(text("subtitle").endsWith("Long break • 0 focus sessions done")) << text("subtitle").toStdString();
    EXPECT_EQ(skips + postpones, 0) << "the view never acts on its own";
}

TEST_F(BreakOverlayViewTest, ButtonsRunTheirActions)
{
    view.findChild<QPushButton *>("skip")->click();
    view.findChild<QPushButton *>("postpone")->click();
    view.findChild<QPushButton *>("postpone")->click();
    EXPECT_EQ(skips, 1);
    EXPECT_EQ(postpones, 2);
}

TEST_F(BreakOverlayViewTest, KeysThatBypassTheShortcutsStillAct)
{
    // Delivered straight to the view, as keys from the keyboard grab are while another window is active.
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&view, &event);
    };
    press(Qt::Key_Escape, Qt::NoModifier);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(postpones, 2);
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(skips, 2);
    press(Qt::Key_Return, Qt::NoModifier);
    press(Qt::Key_P, Qt::NoModifier);
    press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(postpones + skips, 4);
}

} // namespace
