#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "app/ui/OnboardingView.h"
#include "app/ui/PageDot.h"
#include "app/ui/TourPage.h"
#include "app/ui/TourRow.h"
#include "support/AppFixture.h"

using namespace tavelo;
using Kind = test::FakeNotificationCenter::Kind;

namespace {

class OnboardingViewTest : public ::testing::Test {
protected:
    OnboardingViewTest()
    {
        h.center.autoGrant = true;
        h.start();
        h.center.clearCalls();
        view = std::make_unique<OnboardingView>(*h.model, [this] { ++done; });
    }

    template <typename T = QPushButton> T *child(const char *name) const
    {
        auto *found = view->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::vector<QString> rowTexts(int page) const
    {
        std::vector<QString> texts;
        for (auto *row : view->findChild<TourPage *>(QStringLiteral("page%1").arg(page))->findChildren<TourRow *>())
            texts.push_back(row->text());
        return texts;
    }
    // Lets the model's queued answers and the view's queued refreshes through.
    void settle()
    {
        h.loop.runPending();
        QCoreApplication::processEvents();
    }

    test::AppFixture h;
    int done = 0;
    std::unique_ptr<OnboardingView> view;
};

TEST_F(OnboardingViewTest, ButtonsDotsAndReturnMoveThroughThePagesAndTheLastOneFinishes)
{
    auto *back = child("back");
    auto *forward = child("forward");
    EXPECT_FALSE(back->isEnabled());
    forward->click();
    EXPECT_EQ(view->page(), 1);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(view->page(), 0);
    QTest::mouseClick(child<PageDot>("dot2"), Qt::LeftButton);
    EXPECT_EQ(child<QStackedWidget>("pages")->currentIndex(), 2);

    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    // Return belongs to the forward button even while another control has focus.
    back->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 3);
    forward->click();
    EXPECT_EQ(forward->text(), "Start Focusing");
    EXPECT_EQ(done, 0);
    QTest::keyClick(view.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(view->page(), 4);
    EXPECT_EQ(done, 1);
}

TEST_F(OnboardingViewTest, RowsShowTheCurrentSettingsAndFollowThem)
{
    BreakSettings s = h.model->settings();
    s.focusMinutes = 50;
    s.shortBreakSeconds = 30;
    s.longBreakMinutes = 7;
    s.longBreakEvery = 3;
    s.postponeMinutes = 12;
    s.preBreakWarningSeconds = 30;
    h.model->applySettings(s);
    settle();
    EXPECT_EQ(rowTexts(1), (std::vector<QString>{"50 min of focus", "30 sec microbreak to blink and breathe",
                                                 "Every 3 sessions, a 7 min long break"}));
    EXPECT_EQ(rowTexts(2)[1], "Postpone a break by 12 min \u2014 Esc always postpones");
    EXPECT_EQ(child<TourPage>("page4")->subtitle(), "Tavelo warns you 30 seconds ahead so breaks never ambush you.");
}

// The page asks again on each visit until it has something to show.
TEST_F(OnboardingViewTest, NotificationPageAsksUntilItHasFeedback)
{
    view->setPage(4);
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::notDetermined));
    settle();
    EXPECT_TRUE(child<QLabel>("notificationFeedback")->isHidden());
    view->setPage(0);
    view->setPage(4);
    ASSERT_TRUE(h.center.answerStatus(AuthorizationStatus::authorized));
    settle();
    EXPECT_EQ(child<QLabel>("notificationFeedback")->text(), "Notifications are on \u2713");
    EXPECT_FALSE(child<QLabel>("notificationFeedback")->isHidden());
    view->setPage(3);
    view->setPage(4);
    EXPECT_EQ(h.center.count(Kind::getAuthorizationStatus), 2u);
}

TEST_F(OnboardingViewTest, AnEmptyStatusArrivingAfterTheButtonsAnswerDoesNotEraseIt)
{
    // The button's question goes out first and the page's own question second, so the
    // page's "nothing to say" arrives last.
    child("enableNotifications")->click();
    view->setPage(4);
    ASSERT_EQ(h.center.waitingStatusQueries(), 2u);
    h.center.answerStatus(AuthorizationStatus::denied);
    h.center.answerStatus(AuthorizationStatus::denied);
    settle();
    EXPECT_EQ(child<QLabel>("notificationFeedback")->text(), "Opening Notification Settings…");
}

} // namespace
