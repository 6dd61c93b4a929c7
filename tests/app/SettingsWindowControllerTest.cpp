#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include "app/ui/FeedbackCapsule.h"
#include "app/ui/RangeSpinBox.h"
#include "app/ui/SettingsView.h"
#include "app/ui/SettingsWindowController.h"
#include "support/AppFixture.h"

using namespace tavelo;

namespace {

TEST(SettingsWindowControllerTest, OneWindowCentredUnderThePointerKeepingTheDraftButNotTheFeedback)
{
    test::AppFixture h;
    h.start();
    SettingsWindowController controller{h.loop};
    const QRect second = QGuiApplication::screens().at(1)->availableGeometry();
    QCursor::setPos(second.center());
    controller.show(*h.model);
    SettingsView *window = controller.window();
    EXPECT_LE((window->frameGeometry().center() - second.center()).manhattanLength(), 1);
    RangeSpinBox *focus = window->findChild<RangeSpinBox *>("focusMinutes");
    focus->stepBy(5);
    window->apply();
    focus->stepBy(5);
    window->close();

    const QRect first = QGuiApplication::screens().at(0)->availableGeometry();
    QCursor::setPos(first.topLeft() + QPoint(5, 5));
    h.loginItem.currentStatus = LoginItemService::Status::enabled;
    controller.show(*h.model);
    EXPECT_EQ(controller.window(), window);
    EXPECT_LE((window->frameGeometry().center() - first.center()).manhattanLength(), 1);
    EXPECT_EQ(window->state().draft().focusMinutes, 35);
    EXPECT_EQ(window->findChild<FeedbackCapsule *>("feedback")->message(), "");
    // Showing reads the launch-at-login state afresh.
    EXPECT_TRUE(h.model->launchAtLoginEnabled());
    QCursor::setPos(0, 0);
}

} // namespace
