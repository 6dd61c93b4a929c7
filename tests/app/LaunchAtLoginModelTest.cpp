#include <gtest/gtest.h>

#include <QPushButton>

#include "SettingsHarness.h"
#include "app/ui/StatusMenuView.h"

using namespace tavelo;

namespace {

class LaunchAtLoginModelTest : public ::testing::Test {
protected:
    AppModel &model() { return h.model ? *h.model : h.start(); }

    test::SettingsHarness h;
    test::FakeLoginItemService &loginItem = h.loginItem;
    test::FakeUnitFileStore &units = h.units;
    test::FakeProcessRunner &runner = h.runner;
};

TEST_F(LaunchAtLoginModelTest, ConstructionReadsTheState)
{
    loginItem.currentStatus = LoginItemService::Status::requiresApproval;
    EXPECT_TRUE(model().launchAtLoginSupported());
    EXPECT_TRUE(model().launchAtLoginEnabled());
    EXPECT_EQ(model().launchAtLoginMessage(), "Enabled. Approve in your desktop's startup settings if needed.");
}

TEST_F(LaunchAtLoginModelTest, ASuccessfulSwitchPublishesTheNewStateWhenItIsDone)
{
    runner.autoFinish = false;
    int notices = 0;
    Connection observe = model().changed.connect([&] { ++notices; });
    bool done = false;
    model().setLaunchAtLogin(true, [&] { done = true; });
    // The login item is in place, but the stale-fallback clean-up is still running.
    EXPECT_FALSE(done);
    EXPECT_FALSE(model().launchAtLoginEnabled());
    EXPECT_EQ(notices, 0);

    runner.finishNext();
    EXPECT_TRUE(done);
    EXPECT_TRUE(model().launchAtLoginEnabled());
    EXPECT_EQ(model().launchAtLoginMessage(), std::nullopt);
    EXPECT_EQ(notices, 3);
}

TEST_F(LaunchAtLoginModelTest, AFailedSwitchKeepsTheRefreshedStateAndShowsTheFailure)
{
    // A fallback unit from before stays on disk because it cannot be removed.
    units.files[units.unitPath("com.tavelo.app.loginitem").value()] = "/usr/bin/tavelo";
    units.removeError = "Could not remove the unit: permission denied";
    loginItem.currentStatus = LoginItemService::Status::enabled;
    ASSERT_TRUE(model().launchAtLoginEnabled());

    model().setLaunchAtLogin(false);
    EXPECT_TRUE(model().launchAtLoginSupported());
    EXPECT_TRUE(model().launchAtLoginEnabled()); // as the refresh found it: the fallback is still there
    EXPECT_EQ(model().launchAtLoginMessage(), "Could not remove the unit: permission denied");

    // The next refresh shows the service's own message again.
    model().refreshLaunchAtLoginState();
    EXPECT_EQ(model().launchAtLoginMessage(), "Enabled via systemd user service fallback.");
}

TEST_F(LaunchAtLoginModelTest, AnUninstalledBuildExplainsWhy)
{
    h.bundle.installed = false;
    EXPECT_FALSE(model().launchAtLoginSupported());
    bool done = false;
    model().setLaunchAtLogin(true, [&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_FALSE(model().launchAtLoginEnabled());
    EXPECT_EQ(model().launchAtLoginMessage(), "Launch at login is available only when Tavelo is installed.");
}

TEST_F(LaunchAtLoginModelTest, ASwitchEndingAfterTheModelIsGoneIsDropped)
{
    runner.autoFinish = false;
    bool done = false;
    model().setLaunchAtLogin(true, [&] { done = true; });
    h.model.reset();
    runner.finishNext();
    EXPECT_FALSE(done);
}

TEST_F(LaunchAtLoginModelTest, OpenSettingsShowsTheWindowForThisModel)
{
    model().openSettings();
    EXPECT_EQ(h.settingsWindow.shownFor, std::vector<AppModel *>{&model()});
}

TEST_F(LaunchAtLoginModelTest, ThePanelsSettingsItemOpensTheWindowOnTheNextTurn)
{
    StatusMenuView panel(model());
    panel.popupAt(QPoint(100, 100));
    panel.findChild<QPushButton *>("settings")->click();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(h.settingsWindow.shownFor.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(h.settingsWindow.shownFor, std::vector<AppModel *>{&model()});
}

} // namespace
