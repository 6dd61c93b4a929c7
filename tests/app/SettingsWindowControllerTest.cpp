#include <cstdlib>
#include <filesystem>

#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/FeedbackCapsule.h"
#include "app/ui/RangeSpinBox.h"
#include "app/ui/SettingsView.h"
#include "app/ui/SettingsWindowController.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class SettingsWindowControllerTest : public ::testing::Test {
protected:
    void SetUp() override { h.start(); }
    void TearDown() override { QCursor::setPos(0, 0); }

    QRect screenArea(int index) const { return QGuiApplication::screens().at(index)->availableGeometry(); }

    test::AppFixture h;
    SettingsWindowController controller{h.loop};
};

TEST_F(SettingsWindowControllerTest, OneWindowCentredOnTheScreenUnderThePointer)
{
    ASSERT_GE(QGuiApplication::screens().size(), 2);
    QCursor::setPos(screenArea(1).center());
    controller.show(*h.model);
    SettingsView *window = controller.window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tavelo Settings");
    EXPECT_EQ(window->size(), QSize(SettingsView::kWidth, SettingsView::kHeight));
    EXPECT_LE((window->frameGeometry().center() - screenArea(1).center()).manhattanLength(), 1);

    window->close();
    QCursor::setPos(screenArea(0).topLeft() + QPoint(5, 5));
    controller.show(*h.model);
    EXPECT_EQ(controller.window(), window);
    EXPECT_LE((window->frameGeometry().center() - screenArea(0).center()).manhattanLength(), 1);
}

TEST_F(SettingsWindowControllerTest, APointerOffEveryScreenMeansThePrimaryOne)
{
    const std::optional<QPoint> position = SettingsWindowController::centredPosition(QPoint(-5000, -5000), {200, 100});
    ASSERT_TRUE(position);
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(*position, QPoint(primary.x() + (primary.width() - 200) / 2, primary.y() + (primary.height() - 100) / 2));
}

TEST_F(SettingsWindowControllerTest, ReopeningKeepsTheDraftButNotTheFeedback)
{
    controller.show(*h.model);
    SettingsView *window = controller.window();
    RangeSpinBox *focus = window->findChild<RangeSpinBox *>("focusMinutes");
    focus->stepBy(5);
    window->apply();
    focus->stepBy(5);
    window->close();

    h.loginItem.currentStatus = LoginItemService::Status::enabled;
    controller.show(*h.model);
    EXPECT_EQ(window->state().draft().focusMinutes, 35);
    EXPECT_EQ(window->findChild<FeedbackCapsule *>("feedback")->message(), "");
    // Showing reads the launch-at-login state afresh.
    EXPECT_TRUE(h.model->launchAtLoginEnabled());
}

} // namespace
