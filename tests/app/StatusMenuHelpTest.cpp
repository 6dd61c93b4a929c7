#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

#include "OnboardingHarness.h"
#include "app/ui/StatusMenuView.h"

using namespace tavelo;
using Kind = test::FakeOnboardingPresenter::Shown::Kind;

namespace {

class StatusMenuHelpTest : public ::testing::Test {
protected:
    StatusMenuHelpTest()
    {
        h.bundle.installed = false; // no launch screen of its own
        h.launch();
        view = std::make_unique<StatusMenuView>(*h.model);
    }
    QMenu *helpMenu() const { return view->findChild<QMenu *>(QStringLiteral("helpMenu")); }
    QAction *action(const char *name) const { return helpMenu()->findChild<QAction *>(QLatin1String(name)); }

    test::OnboardingHarness h;
    std::unique_ptr<StatusMenuView> view;
};

TEST_F(StatusMenuHelpTest, HelpOffersTheTourAndWhatsNew)
{
    auto *help = view->findChild<QPushButton *>(QStringLiteral("help"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), "Help");
    EXPECT_EQ(help->menu(), helpMenu());
    ASSERT_EQ(helpMenu()->actions().size(), 2);
    EXPECT_EQ(helpMenu()->actions()[0]->text(), "Take the Tour\u2026");
    EXPECT_EQ(helpMenu()->actions()[1]->text(), "What's New");
}

TEST_F(StatusMenuHelpTest, ItemsOpenTheirWindowOnTheNextTurnWithThePanelClosed)
{
    view->popupAt(QPoint(100, 100));
    action("takeTheTour")->trigger();
    EXPECT_TRUE(h.recorder.shown.empty());
    EXPECT_FALSE(view->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(h.recorder.shown.size(), 1u);

    view->popupAt(QPoint(100, 100));
    action("whatsNew")->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(h.recorder.shown.size(), 2u);
    EXPECT_EQ(h.recorder.shown[0].kind, Kind::tour);
    EXPECT_EQ(h.recorder.shown[1].kind, Kind::whatsNew);
}

TEST_F(StatusMenuHelpTest, WhatsNewIsEnabledOnlyWhileThereAreNewerNotes)
{
    h.store.setLastSeenVersion("0.2.0");
    view->popupAt(QPoint(100, 100));
    EXPECT_FALSE(action("whatsNew")->isEnabled());
    EXPECT_TRUE(action("takeTheTour")->isEnabled());

    // The stored version changes without notice; opening the menu asks again.
    h.store.setLastSeenVersion("0.1.0");
    emit helpMenu()->aboutToShow();
    EXPECT_TRUE(action("whatsNew")->isEnabled());
}

} // namespace
