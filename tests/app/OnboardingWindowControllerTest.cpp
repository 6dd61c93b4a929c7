#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/ui/OnboardingView.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/WhatsNewView.h"
#include "core/ReleaseNotes.h"
#include "support/AppFixture.h"

using namespace tavelo;

namespace {

class OnboardingWindowControllerTest : public ::testing::Test {
protected:
    OnboardingWindowControllerTest()
    {
        h.bundle.installed = false; // no launch screen of its own
        h.start();
    }
    ~OnboardingWindowControllerTest() override { flushDeletes(); }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QPushButton *button(const char *name) const
    {
        return controller.window() ? controller.window()->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
    }
    std::function<void()> counter(int &count)
    {
        return [&count] { ++count; };
    }

    OnboardingWindowController controller;
    test::AppFixture h;
};

// Closing, the window's own button and Return each end it once, whatever follows.
TEST_F(OnboardingWindowControllerTest, EachWayOfEndingRunsTheCompletionOnce)
{
    int tourDone = 0;
    controller.showTour(*h.model, counter(tourDone));
    QPointer<QWidget> window = controller.window();
    window->close();
    EXPECT_EQ(tourDone, 1);
    EXPECT_EQ(controller.window(), nullptr);
    flushDeletes();
    EXPECT_TRUE(window.isNull());

    controller.showTour(*h.model, counter(tourDone));
    static_cast<OnboardingView *>(controller.window())->setPage(2);
    button("skip")->click();
    flushDeletes();
    EXPECT_EQ(tourDone, 2);

    int notesDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    QPushButton *backToFocus = button("done");
    backToFocus->click();
    backToFocus->click(); // a second press before the window is gone
    flushDeletes();
    EXPECT_EQ(notesDone, 1);

    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller.window()));
    QTest::keyClick(controller.window(), Qt::Key_Return);
    EXPECT_EQ(notesDone, 2);
    EXPECT_EQ(controller.window(), nullptr);
    EXPECT_EQ(tourDone, 2);
}

TEST_F(OnboardingWindowControllerTest, AReplacingShowDropsTheFirstCompletion)
{
    int notesDone = 0;
    int tourDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    QPointer<QWidget> first = controller.window();
    QPushButton *firstDone = button("done");
    controller.showTour(*h.model, counter(tourDone));
    EXPECT_TRUE(first->isHidden());
    // The replaced window's own button, pressed before it is deleted, reports nothing.
    firstDone->click();
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(notesDone, 0);

    controller.window()->close();
    EXPECT_EQ(tourDone, 1);
    EXPECT_EQ(notesDone, 0);
}

std::vector<QString> texts(QWidget *root, const char *name)
{
    std::vector<QString> found;
    for (auto *label : root->findChildren<QLabel *>(QLatin1String(name)))
        found.push_back(label->text());
    return found;
}

TEST(WhatsNewViewTest, ShowsTheNotesInTheGivenOrderWithTheirHighlights)
{
    const std::vector<ReleaseNote> notes = {
        ReleaseNote("1.2.0", "Fixes", {"One", "Two"}),
        ReleaseNote("1.0.0", "First", {}),
    };
    WhatsNewView view(notes, [] {});
    EXPECT_EQ(texts(&view, "heading"),
              (std::vector<QString>{"Version 1.2.0 \u2014 Fixes", "Version 1.0.0 \u2014 First"}));
    EXPECT_EQ(texts(&view, "highlight"), (std::vector<QString>{"One", "Two"}));
}

} // namespace
