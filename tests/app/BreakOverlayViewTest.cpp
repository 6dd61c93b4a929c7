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

// The texts themselves are the presentation's; this checks that they reach the labels.
TEST_F(BreakOverlayViewTest, FollowsTheEngineOncePerEventLoopTurn)
{
    engine.startBreakNow(BreakType::long_);
    EXPECT_EQ(text("countdown"), "25:00") << "engine changes wait for the next turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(text("headline"), "Long break");
    EXPECT_EQ(button("skip"), "End Break");
    loop.advance(5s);
    QCoreApplication::processEvents();
    EXPECT_EQ(text("countdown"), "14:55");
    EXPECT_EQ(skips + postpones, 0) << "the view never acts on its own";
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
