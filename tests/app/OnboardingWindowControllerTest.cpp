#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/OnboardingView.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/PageDot.h"
#include "core/ReleaseNotes.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class OnboardingWindowControllerTest : public ::testing::Test {
protected:
    OnboardingView &showTour()
    {
        controller.showTour(model, [this] { ++tourDone; });
        return *static_cast<OnboardingView *>(controller.window());
    }
    template <typename T = QPushButton> T *child(const char *name) { return controller.window()->findChild<T *>(name); }

    test::AppFixture h;
    AppModel &model = h.start();
    OnboardingWindowController controller;
    int tourDone = 0, notesDone = 0;
};

// The notification page asks on each visit until it has something to show; the enable button's answer shows too.
TEST_F(OnboardingWindowControllerTest, TourMovesByButtonsDotsAndReturnAsksForNotificationsAndItsLastPageFinishes)
{
    OnboardingView &view = showTour();
    EXPECT_FALSE(child("back")->isEnabled());
    child("forward")->click();
    child("back")->click();
    EXPECT_EQ(view.page(), 0);
    QTest::mouseClick(child<PageDot>("dot2"), Qt::LeftButton);
    EXPECT_EQ(child<QStackedWidget>("pages")->currentIndex(), 2);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    // Return belongs to the forward button even while another control has focus.
    child("back")->setFocus();
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(view.page(), 3);
    child("forward")->click();
    EXPECT_EQ(child("forward")->text(), "Start Focusing");
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::notDetermined));
    h.advance(0s); // the model's queued answer, then the view's refresh
    QLabel *feedback = child<QLabel>("notificationFeedback");
    EXPECT_TRUE(feedback->isHidden());
    view.setPage(0);
    view.setPage(4);
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::authorized));
    h.advance(0s);
    EXPECT_EQ(feedback->text(), "Notifications are on \u2713");
    EXPECT_FALSE(feedback->isHidden());
    child("enableNotifications")->click();
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::denied));
    h.advance(0s);
    EXPECT_EQ(feedback->text(), "Opening Notification Settings…");
    child("enableNotifications")->click();
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::unavailable));
    h.advance(0s);
    EXPECT_EQ(feedback->text(), "Notifications are not available on this desktop.");
    view.setPage(3);
    view.setPage(4);
    EXPECT_EQ(h.center.waitingStatusQueries(), 0u) << "once it has something to show, the page stops asking";
    QTest::keyClick(&view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(tourDone, 1);
}

// Closing, the window's own button and Return each end it once, whatever follows; a
// window replaced by another reports nothing.
TEST_F(OnboardingWindowControllerTest, EachWayOfEndingRunsTheCompletionOnce)
{
    showTour().close();
    showTour().setPage(2);
    child("skip")->click();

    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), [this] { ++notesDone; });
    QPointer<QWidget> replaced = controller.window();
    QPushButton *done = child("done");
    showTour();
    EXPECT_TRUE(replaced->isHidden());
    done->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(replaced.isNull()) << "and its completion never runs";

    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), [this] { ++notesDone; });
    done = child("done");
    done->click();
    done->click(); // a second press before the window is gone
    EXPECT_EQ(std::pair(tourDone, notesDone), std::pair(2, 1));
}

// Held at start: nothing shows until the release, then only the last window asked for.
TEST_F(OnboardingWindowControllerTest, AHeldWindowWaitsForTheRelease)
{
    controller.hold();
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), [this] { ++notesDone; });
    controller.showTour(model, [this] { ++tourDone; });
    EXPECT_EQ(controller.window(), nullptr);
    controller.release();
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_NE(qobject_cast<OnboardingView *>(controller.window()), nullptr) << "the tour, asked for last";
    controller.release();
    child("skip")->click();
    EXPECT_EQ(std::pair(tourDone, notesDone), std::pair(1, 0));
}

} // namespace
