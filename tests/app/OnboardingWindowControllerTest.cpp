#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "OnboardingHarness.h"
#include "app/ui/OnboardingView.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/WhatsNewView.h"
#include "core/ReleaseNotes.h"

using namespace tavelo;

namespace {

class OnboardingWindowControllerTest : public ::testing::Test {
protected:
    OnboardingWindowControllerTest()
    {
        h.controller = &controller;
        h.bundle.installed = false; // no launch screen of its own
        h.launch();
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
    test::OnboardingHarness h;
};

TEST_F(OnboardingWindowControllerTest, WindowsAreTitledFixedInSizeAndCannotBeMinimised)
{
    controller.showTour(*h.model, [] {});
    QWidget *tour = controller.window();
    ASSERT_NE(tour, nullptr);
    EXPECT_TRUE(tour->isVisible());
    EXPECT_EQ(tour->windowTitle(), "Welcome to Tavelo");
    EXPECT_EQ(tour->size(), QSize(600, 560));
    EXPECT_EQ(tour->minimumSize(), tour->maximumSize());
    EXPECT_FALSE(tour->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(tour->windowFlags() & Qt::WindowCloseButtonHint);

    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), [] {});
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_EQ(controller.window()->windowTitle(), "What's New in Tavelo");
    EXPECT_EQ(controller.window()->size(), QSize(560, 440));
}

TEST_F(OnboardingWindowControllerTest, CloseButtonRunsTheCompletionOnceAndForgetsTheWindow)
{
    int tourDone = 0;
    controller.showTour(*h.model, counter(tourDone));
    QPointer<QWidget> window = controller.window();
    window->close();
    EXPECT_EQ(tourDone, 1);
    EXPECT_EQ(controller.window(), nullptr);
    flushDeletes();
    EXPECT_TRUE(window.isNull());

    int notesDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    controller.window()->close();
    EXPECT_EQ(notesDone, 1);
    EXPECT_EQ(tourDone, 1);
}

TEST_F(OnboardingWindowControllerTest, DoneActionRunsTheCompletionOnceAndNothingFollowsFromClosing)
{
    int notesDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    QPushButton *backToFocus = button("done");
    ASSERT_NE(backToFocus, nullptr);
    EXPECT_EQ(backToFocus->text(), "Back to Focus");
    backToFocus->click();
    backToFocus->click(); // a second press before the window is gone
    EXPECT_EQ(notesDone, 1);
    EXPECT_EQ(controller.window(), nullptr);
    flushDeletes();
    EXPECT_EQ(notesDone, 1);

    int tourDone = 0;
    controller.showTour(*h.model, counter(tourDone));
    static_cast<OnboardingView *>(controller.window())->setPage(2);
    QPointer<QWidget> window = controller.window();
    button("skip")->click();
    EXPECT_EQ(tourDone, 1);
    EXPECT_TRUE(window->isHidden());
    flushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(tourDone, 1);
}

TEST_F(OnboardingWindowControllerTest, AReplacingShowDropsTheFirstCompletion)
{
    int notesDone = 0;
    int tourDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    QPointer<QWidget> first = controller.window();
    QPushButton *firstDone = button("done");
    controller.showTour(*h.model, counter(tourDone));
    EXPECT_NE(controller.window(), first.data());
    EXPECT_TRUE(first->isHidden());
    // The replaced window's own button, pressed before it is deleted, reports nothing.
    firstDone->click();
    EXPECT_EQ(notesDone, 0);
    EXPECT_NE(controller.window(), nullptr);
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(notesDone, 0);

    controller.window()->close();
    EXPECT_EQ(tourDone, 1);
    EXPECT_EQ(notesDone, 0);
}

TEST_F(OnboardingWindowControllerTest, ReturnActivatesBackToFocus)
{
    int notesDone = 0;
    controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), counter(notesDone));
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller.window()));
    QTest::keyClick(controller.window(), Qt::Key_Return);
    EXPECT_EQ(notesDone, 1);
    EXPECT_EQ(controller.window(), nullptr);
}

TEST_F(OnboardingWindowControllerTest, ClosingATourFromTheMenuRecordsCompletion)
{
    h.model->openTour();
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_FALSE(h.store.onboardingCompleted());
    controller.window()->close();
    EXPECT_TRUE(h.store.onboardingCompleted());
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0");
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
    EXPECT_EQ(texts(&view, "title"), std::vector<QString>{"What's New"});
    EXPECT_EQ(texts(&view, "subtitle"), std::vector<QString>{"Tavelo just got better."});
    EXPECT_EQ(texts(&view, "heading"),
              (std::vector<QString>{"Version 1.2.0 \u2014 Fixes", "Version 1.0.0 \u2014 First"}));
    EXPECT_EQ(texts(&view, "highlight"), (std::vector<QString>{"One", "Two"}));
}

TEST(WhatsNewViewTest, LongListsScrollWhileTheHeaderAndButtonStayInPlace)
{
    std::vector<ReleaseNote> notes;
    for (int i = 0; i < 20; ++i)
        notes.emplace_back("0." + std::to_string(i), "Release", std::vector<std::string>{"A change", "Another"});
    WhatsNewView view(notes, [] {});
    view.resize(560, 440);
    view.show();
    QCoreApplication::processEvents();
    auto *scroll = view.findChild<QScrollArea *>(QStringLiteral("notes"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    const QRect inside = view.rect();
    EXPECT_TRUE(inside.contains(view.findChild<QPushButton *>(QStringLiteral("done"))->geometry()));
    EXPECT_TRUE(inside.contains(view.findChild<QLabel *>(QStringLiteral("title"))->geometry()));
}

// Every visible text fits in its label and every label inside the window.
void expectNothingClipped(QWidget *window, const QString &what)
{
    for (auto *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QRect box(label->mapTo(window, QPoint(0, 0)), label->size());
        // The notes list scrolls, so its labels may lie below the fold.
        bool inScrollArea = false;
        for (QWidget *w = label; w && !inScrollArea; w = w->parentWidget())
            inScrollArea = qobject_cast<QScrollArea *>(w) != nullptr;
        if (!inScrollArea) {
            EXPECT_TRUE(window->rect().contains(box)) << what.toStdString() << ": " << label->text().toStdString();
        }
        const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_GE(label->height(), needed) << what.toStdString() << ": " << label->text().toStdString();
        if (!label->wordWrap()) {
            EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
        }
    }
}

// Renders each window to PNG under $TAVELO_SCREENSHOT_DIR when it is set; once with the
// platform's font and once with a larger desktop font.
TEST_F(OnboardingWindowControllerTest, EveryPageAndWhatsNewRenderWithNothingClipped)
{
    const QString folder = qEnvironmentVariable("TAVELO_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    const QFont original = QApplication::font();
    for (const qreal pointSize : {0.0, 11.0}) {
        QFont font = original;
        if (pointSize > 0)
            font.setPointSizeF(pointSize);
        QApplication::setFont(font);
        const QString suffix = pointSize > 0 ? QStringLiteral("-%1pt").arg(pointSize) : QString();
        const auto capture = [&](const QString &name) {
            QWidget *window = controller.window();
            QCoreApplication::processEvents();
            expectNothingClipped(window, name + suffix);
            if (!folder.isEmpty()) {
                EXPECT_TRUE(window->grab().save(folder + QLatin1Char('/') + name + suffix + QStringLiteral(".png")));
            }
        };

        controller.showTour(*h.model, [] {});
        auto *tour = static_cast<OnboardingView *>(controller.window());
        for (int page = 0; page < 5; ++page) {
            tour->setPage(page, false);
            capture(QStringLiteral("tour-%1").arg(page));
        }
        h.center.answerStatus(AuthorizationStatus::authorized);
        h.loop.runPending();
        capture(QStringLiteral("tour-4-feedback"));

        controller.showWhatsNew(ReleaseNotes::notesNewer(std::string("0.1.0")), [] {});
        capture(QStringLiteral("whats-new"));
        controller.showWhatsNew(ReleaseNotes::notesNewer(std::nullopt), [] {});
        capture(QStringLiteral("whats-new-all"));
    }
    QApplication::setFont(original);
}

} // namespace
