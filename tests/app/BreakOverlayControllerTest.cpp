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
#include "support/FakeDoNotDisturb.h"
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
    test::FakeDoNotDisturb doNotDisturb;
    int skips = 0, postpones = 0;
    BreakOverlayController controller{
        engine, OverlayActions{[this] { ++skips; }, [this] { ++postpones; }}, windowList, doNotDisturb, clock, loop};
};

// Hiding is the model's business: it follows from the engine's callbacks. The texts
// themselves are the presentation's; this checks that they reach the widgets.
TEST_F(BreakOverlayControllerTest, EachWindowFollowsTheEngineAndActsOnItsButtonsAndKeys)
{
    controller.show(false);
    QWidget *view = controller.windows()[1];
    engine.startBreakNow(BreakType::long_);
    loop.advance(5s);
    const auto text = [view](const char *name) { return view->findChild<QLabel *>(name)->text(); };
    EXPECT_EQ(text("headline") + " " + text("countdown"), "Long break 14:55");

    view->findChild<QPushButton *>("skip")->click();
    controller.windows()[0]->findChild<QPushButton *>("postpone")->click();
    // Delivered straight to the view, as keys from the keyboard grab are while another window is active.
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), Qt::ControlModifier | Qt::Key_P, Qt::ControlModifier | Qt::Key_Return,
          Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Enter, QKeyCombination(Qt::Key_Return),
          QKeyCombination(Qt::Key_P), Qt::ShiftModifier | Qt::Key_Escape}) {
        QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers());
        QCoreApplication::sendEvent(view, &event);
    }
    EXPECT_EQ(std::pair(skips, postpones), std::pair(3, 3)) << "one of each from the buttons, two from the keys";
    EXPECT_TRUE(controller.isVisible());
}

TEST_F(BreakOverlayControllerTest, WindowFillingAnyDisplayOrDoNotDisturbTurnsStrictIntoFloating)
{
    using Bounds = std::vector<WindowBounds>;
    // Screen a is 1280 x 1024, screen b 1920 x 1080. Do Not Disturb counts as such a window.
    const std::tuple<const char *, std::optional<Bounds>, bool, bool> cases[] = {
        {"list unavailable", std::nullopt, false, true},
        {"do not disturb, no window", Bounds{}, true, false},
        {"exactly 95 % of a", Bounds{{0, 0, 1216, 972.8}}, false, false},
        {"just under 95 % high", Bounds{{0, 0, 1216, 972.7}}, false, true},
        {"94 % wide", Bounds{{0, 0, 1203.2, 1024}}, false, true},
        {"on b, big enough for a only", Bounds{{1300, 20, 1216, 973}}, false, false},
        {"unusable bounds skipped", Bounds{{NAN, 0, 1280, 1024}, {0, 0, INFINITY, 1024}}, false, true},
        {"after an unusable entry", Bounds{{0, NAN, 1, 1}, {0, 0, 1920, 1080}}, false, false},
    };
    for (const auto &[what, windows, quiet, strict] : cases) {
        SCOPED_TRACE(what);
        windowList.windows = windows;
        doNotDisturb.on = quiet;
        controller.show(true);
        // Only strict ones grab the keyboard; both are kept on top by a timer of their own.
        EXPECT_EQ(
            std::tuple(controller.lastShowWasStrict(), QWidget::keyboardGrabber() != nullptr, loop.activeTimerCount()),
            std::tuple(strict, strict, 2u));
        controller.hide();
    }

    // Turned on during a strict break, the rest of the break is gentle; turned off again,
    // it stays gentle, as it does during a gentle break.
    windowList.windows = Bounds{};
    doNotDisturb.on = false;
    controller.show(true);
    ASSERT_TRUE(controller.lastShowWasStrict());
    doNotDisturb.set(true);
    EXPECT_EQ(std::pair(controller.lastShowWasStrict(), QWidget::keyboardGrabber() != nullptr),
              std::pair(false, false));
    EXPECT_TRUE(controller.isVisible());
    doNotDisturb.set(false);
    EXPECT_FALSE(controller.lastShowWasStrict());
    controller.hide();
    doNotDisturb.set(true);
    EXPECT_FALSE(controller.isVisible()) << "no break, nothing shown";
}

// Qt announces a new resolution as the screen's geometry change.
TEST_F(BreakOverlayControllerTest, DisplayChangesReplaceTheWindowsOnALaterTurnAndHideLeavesNothing)
{
    controller.show(false);
    const std::vector<QPointer<QWidget>> first(controller.windows().begin(), controller.windows().end());
    QScreen *screen = QGuiApplication::screens()[1];
    for (int change = 0; change < 2; ++change) {
        const QWidget *before = controller.windows()[0];
        emit screen->geometryChanged(screen->geometry());
        EXPECT_EQ(controller.windows()[0], before) << "rebuilt later, not inside the notification";
        loop.runPending();
        EXPECT_NE(controller.windows()[0], before);
    }
    EXPECT_TRUE(controller.lastShowWasStrict()) << "rebuilt as the engine's settings say";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &old : first)
        EXPECT_FALSE(old) << "replaced windows are destroyed";

    controller.hide();
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    emit screen->geometryChanged(screen->geometry());
    loop.runPending();
    EXPECT_TRUE(controller.windows().empty());
}

// Built at the warning, shown at the break: the same windows, unmapped and still until
// then. A set that does not fit the break (another mode) is replaced, and one no break
// takes is let go.
TEST_F(BreakOverlayControllerTest, PreparedWindowsAreMappedByTheNextShowOrReleased)
{
    controller.prepare(true);
    const std::vector<QWidget *> prepared = controller.preparedWindows();
    ASSERT_EQ(prepared.size(), std::size_t(QGuiApplication::screens().size()));
    EXPECT_FALSE(controller.isVisible());
    EXPECT_FALSE(prepared[0]->isVisible() || prepared[1]->isVisible());
    const auto countdown = [&] { return prepared[1]->findChild<QLabel *>("countdown")->text(); };
    loop.advance(5s);
    EXPECT_EQ(countdown(), "00:20") << "no refresh while hidden";
    controller.show(true);
    EXPECT_EQ(countdown(), "00:15") << "refreshed as it is shown";
    EXPECT_EQ(controller.windows(), prepared);
    EXPECT_TRUE(controller.isVisible());
    EXPECT_EQ(controller.windows()[1]->geometry(), QGuiApplication::screens()[1]->geometry());
    controller.hide();

    using Windows = std::vector<QPointer<QWidget>>;
    controller.prepare(true);
    const Windows strictOnes(controller.preparedWindows().begin(), controller.preparedWindows().end());
    controller.show(false);
    EXPECT_NE(controller.windows()[0], strictOnes[0].data());
    controller.hide();

    controller.prepare(false);
    const Windows unused(controller.preparedWindows().begin(), controller.preparedWindows().end());
    loop.advance(std::chrono::seconds(BreakSettings::standard.preBreakWarningSeconds) +
                 BreakOverlayController::kPreparedSlack);
    EXPECT_TRUE(controller.preparedWindows().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const Windows *gone : {&strictOnes, &unused}) {
        for (const auto &window : *gone)
            EXPECT_FALSE(window) << "released, not kept between breaks";
    }
}

} // namespace
