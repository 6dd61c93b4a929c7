#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayController.h"
#include "core/BreakEngine.h"
#include "support/FakeWindowList.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class BreakOverlayControllerTest : public ::testing::Test {
protected:
    BreakOverlayControllerTest() { engine.startBreakNow(BreakType::micro); }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    BreakEngine engine{BreakSettings::standard, clock, loop};
    test::FakeWindowList windowList;
    int skips = 0;
    int postpones = 0;
    BreakOverlayController controller{engine, OverlayActions{[this] { ++skips; }, [this] { ++postpones; }}, windowList,
                                      clock, loop};
};

TEST_F(BreakOverlayControllerTest, ReplacesItsWindowsAndHideLeavesNothing)
{
    controller.show(true);
    const std::vector<QPointer<QWidget>> first(controller.windows().begin(), controller.windows().end());
    controller.show(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &old : first)
        EXPECT_FALSE(old) << "replaced windows are destroyed";
    controller.hide();
    EXPECT_TRUE(controller.windows().empty());
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

// Hiding is the model's business: it follows from the engine's callbacks. The texts
// themselves are the presentation's; this checks that they reach the widgets.
TEST_F(BreakOverlayControllerTest, EachWindowFollowsTheEngineAndActsOnItsButtonsAndKeys)
{
    controller.show(false);
    QWidget *view = controller.windows()[1];
    engine.startBreakNow(BreakType::long_);
    loop.advance(5s);
    const auto text = [view](const char *name) { return view->findChild<QLabel *>(name)->text(); };
    EXPECT_EQ(text("countdown"), "00:20") << "engine changes wait for the next turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(text("headline") + " " + text("countdown"), "Long break 14:55");
    EXPECT_EQ(std::pair(skips, postpones), std::pair(0, 0)) << "the view never acts on its own";

    view->findChild<QPushButton *>("skip")->click();
    controller.windows()[0]->findChild<QPushButton *>("postpone")->click();
    EXPECT_EQ(std::pair(skips, postpones), std::pair(1, 1));
    // Delivered straight to the view, as keys from the keyboard grab are while another window is active.
    const auto press = [view](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(view, &event);
    };
    press(Qt::Key_Escape);
    press(Qt::Key_P, Qt::ControlModifier);
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    press(Qt::Key_Return);
    press(Qt::Key_P);
    press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(skips, postpones), std::pair(3, 3));
    EXPECT_TRUE(controller.isVisible());
}

TEST_F(BreakOverlayControllerTest, WindowFillingAnyDisplayTurnsStrictIntoFloating)
{
    struct Case {
        const char *what;
        std::optional<std::vector<WindowBounds>> windows;
        bool strict;
    };
    // Screen a is 1280 x 1024, screen b 1920 x 1080.
    const std::vector<Case> cases = {
        {"list unavailable", std::nullopt, true},
        {"exactly 95 % of a", std::vector<WindowBounds>{{0, 0, 1216, 972.8}}, false},
        {"just under 95 % high", std::vector<WindowBounds>{{0, 0, 1216, 972.7}}, true},
        {"94 % wide", std::vector<WindowBounds>{{0, 0, 1203.2, 1024}}, true},
        {"on b, big enough for a only", std::vector<WindowBounds>{{1300, 20, 1216, 973}}, false},
        {"unusable bounds skipped", std::vector<WindowBounds>{{NAN, 0, 1280, 1024}, {0, 0, INFINITY, 1024}}, true},
        {"after an unusable entry", std::vector<WindowBounds>{{0, NAN, 1, 1}, {0, 0, 1920, 1080}}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        windowList.windows = c.windows;
        controller.show(true);
        EXPECT_EQ(controller.lastShowWasStrict(), c.strict);
        EXPECT_EQ(QWidget::keyboardGrabber() != nullptr, c.strict);
        // Strict ones are kept on top by a timer of their own.
        EXPECT_EQ(loop.activeTimerCount(), c.strict ? 2u : 1u);
        controller.hide();
    }
}

// Qt announces a new resolution as the screen's geometry change.
TEST_F(BreakOverlayControllerTest, DisplayChangeRebuildsOnALaterTurnOnlyWhileShown)
{
    controller.show(false);
    QScreen *screen = QGuiApplication::screens()[1];
    for (int change = 0; change < 2; ++change) {
        const QWidget *before = controller.windows()[0];
        emit screen->geometryChanged(screen->geometry());
        EXPECT_EQ(controller.windows()[0], before) << "rebuilt later, not inside the notification";
        loop.runPending();
        EXPECT_NE(controller.windows()[0], before);
    }
    EXPECT_TRUE(controller.lastShowWasStrict()) << "rebuilt as the engine's settings say";

    controller.hide();
    emit screen->geometryChanged(screen->geometry());
    loop.runPending();
    EXPECT_TRUE(controller.windows().empty());
}

} // namespace
