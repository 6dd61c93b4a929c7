#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayController.h"
#include "core/BreakEngine.h"
#include "support/FakeWindowList.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

QJsonObject screen(const char *name, int x, int y, int width, int height)
{
    return QJsonObject{{"name", name}, {"x", x}, {"y", y}, {"width", width}, {"height", height}, {"logicalDpi", 96}};
}

// Reconfigures the offscreen platform's screens; Qt announces the changes as a real
// display change would.
void setScreens(const QJsonArray &screens)
{
    using SetConfiguration = void (*)(const QJsonObject &, QPlatformNativeInterface *);
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto set = reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"));
    ASSERT_NE(set, nullptr);
    set(QJsonObject{{"screens", screens}}, native);
    // Geometry changes arrive as queued window-system events.
    QCoreApplication::processEvents();
}

const QJsonArray kTwoScreens{screen("a", 0, 0, 1280, 1024), screen("b", 1280, 0, 1920, 1080)};

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class BreakOverlayControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the test main sets up two offscreen screens";
        engine.startBreakNow(BreakType::micro);
    }
    void TearDown() override
    {
        controller.reset();
        deleteLaterNow();
        setScreens(kTwoScreens);
    }

    std::vector<QRect> geometries() const
    {
        std::vector<QRect> result;
        for (QWidget *w : controller->windows())
            result.push_back(w->geometry());
        return result;
    }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    BreakEngine engine{BreakSettings::standard, clock, loop};
    test::FakeWindowList windowList;
    std::vector<std::string> actions;
    std::unique_ptr<BreakOverlayController> controller = std::make_unique<BreakOverlayController>(
        engine, OverlayActions{[this] { actions.push_back("skip"); }, [this] { actions.push_back("postpone"); }},
        windowList, clock, loop);
};

TEST_F(BreakOverlayControllerTest, ShowCoversEachScreenInOrderOnceAndHideEmpties)
{
    controller->show(true);
    const std::vector<QPointer<QWidget>> first(controller->windows().begin(), controller->windows().end());
    controller->show(true);
    EXPECT_EQ(geometries(), (std::vector<QRect>{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)}));
    EXPECT_EQ(controller->windows()[1]->screen(), QGuiApplication::screens()[1]);
    EXPECT_EQ(QWidget::keyboardGrabber(), controller->windows()[0]);
    deleteLaterNow();
    for (const auto &old : first)
        EXPECT_FALSE(old) << "replaced windows are destroyed";

    controller->hide();
    EXPECT_TRUE(controller->windows().empty());
    EXPECT_FALSE(controller->isVisible());
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_EQ(loop.activeTimerCount(), 1u) << "only the engine's ticker is left";
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
        controller->show(true);
        EXPECT_EQ(controller->lastShowWasStrict(), c.strict);
        EXPECT_EQ(controller->windows().size(), 2u);
        EXPECT_EQ(QWidget::keyboardGrabber() != nullptr, c.strict);
        // Strict ones are kept on top by a timer of their own.
        EXPECT_EQ(loop.activeTimerCount(), c.strict ? 2u : 1u);
        controller->hide();
    }
}

TEST_F(BreakOverlayControllerTest, DisplayChangeRebuildsOnALaterTurnOnlyWhileShown)
{
    controller->show(false);
    setScreens({screen("a", 0, 0, 1600, 900)});
    EXPECT_EQ(controller->windows().size(), 2u) << "rebuilt later, not inside the notification";
    loop.runPending();
    EXPECT_EQ(geometries(), (std::vector<QRect>{QRect(0, 0, 1600, 900)}));
    EXPECT_TRUE(controller->lastShowWasStrict()) << "rebuilt as the engine's settings say";

    controller->hide();
    setScreens(kTwoScreens);
    loop.runPending();
    EXPECT_TRUE(controller->windows().empty());
}

// Hiding is the model's business: it follows from the engine's callbacks.
TEST_F(BreakOverlayControllerTest, ButtonsOfEveryWindowRunTheGivenActions)
{
    controller->show(true);
    controller->windows()[1]->findChild<QPushButton *>("skip")->click();
    controller->windows()[0]->findChild<QPushButton *>("postpone")->click();
    EXPECT_EQ(actions, (std::vector<std::string>{"skip", "postpone"}));
    EXPECT_TRUE(controller->isVisible());
}

} // namespace
