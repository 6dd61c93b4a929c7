#include <gtest/gtest.h>

#include "app/services/LaunchAtLoginService.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeLoginItemService.h"
#include "support/FakeProcessRunner.h"
#include "support/FakeUnitFileStore.h"

using namespace tavelo;
using Status = LoginItemService::Status;
using Outcome = ProcessRunner::Result::Outcome;

namespace {

const std::filesystem::path kExecutable = "/opt/Tavelo Beta/bin/tavelo";
const std::filesystem::path kUnit = "/home/user/.config/systemd/user/com.tavelo.app.loginitem.service";

class LaunchAtLoginServiceTest : public ::testing::Test {
protected:
    // Switches and returns the error, if any; the fakes answer at once.
    std::optional<LaunchAtLoginError> set(bool enabled)
    {
        std::optional<LaunchAtLoginError> error;
        bool called = false;
        service.setEnabled(enabled, [&](const std::optional<LaunchAtLoginError> &e) {
            error = e;
            called = true;
        });
        EXPECT_TRUE(called);
        return error;
    }
    std::string describe(const std::optional<LaunchAtLoginError> &error) const
    {
        return error ? error->description() : std::string("(none)");
    }

    test::FakeBundleInfo bundle;
    test::FakeLoginItemService loginItem;
    test::FakeUnitFileStore units;
    test::FakeProcessRunner runner;
    LaunchAtLoginService service{{bundle, loginItem, units, runner, kExecutable, "/fake/systemctl"}};
};

TEST_F(LaunchAtLoginServiceTest, LabelComesFromTheApplicationIdOrTheFixedOne)
{
    bundle.bundleIdentifier = "org.example.app";
    EXPECT_EQ(service.launchAgentLabel(), "org.example.app.loginitem");
    EXPECT_EQ(service.launchAgentPath(), "/home/user/.config/systemd/user/org.example.app.loginitem.service");
    bundle.bundleIdentifier = "";
    EXPECT_EQ(service.launchAgentLabel(), "com.tavelo.app.loginitem");
}

TEST_F(LaunchAtLoginServiceTest, OutsideAnInstalledBuildItIsUnsupportedAndRefuses)
{
    bundle.installed = false;
    EXPECT_FALSE(service.isSupported());
    EXPECT_EQ(service.refreshState(),
              (LaunchAtLoginService::State{false, std::string("Install Tavelo to enable this option.")}));
    EXPECT_EQ(describe(set(true)), "Launch at login is available only when Tavelo is installed.");
    EXPECT_TRUE(loginItem.calls.empty());
    EXPECT_TRUE(runner.calls.empty());
}

TEST_F(LaunchAtLoginServiceTest, StateFollowsTheLoginItemThenTheFallbackUnit)
{
    loginItem.currentStatus = Status::enabled;
    EXPECT_EQ(service.refreshState(), (LaunchAtLoginService::State{true, std::nullopt}));

    // Approval pending wins even over a fallback unit on disk.
    units.files[kUnit] = kExecutable;
    loginItem.currentStatus = Status::requiresApproval;
    EXPECT_EQ(service.refreshState(),
              (LaunchAtLoginService::State{
                  true, std::string("Enabled. Approve in your desktop's startup settings if needed.")}));

    for (Status status : {Status::notRegistered, Status::notFound}) {
        loginItem.currentStatus = status;
        units.files[kUnit] = kExecutable;
        EXPECT_EQ(service.refreshState(),
                  (LaunchAtLoginService::State{true, std::string("Enabled via systemd user service fallback.")}));
        units.files.clear();
        EXPECT_EQ(service.refreshState(), (LaunchAtLoginService::State{false, std::nullopt}));
    }
}

TEST_F(LaunchAtLoginServiceTest, EnablingRegistersAndCleansAwayAStaleFallback)
{
    units.files[kUnit] = kExecutable;
    // Failing to remove the old unit's links is no failure to enable.
    runner.respond = [](const auto &) {
        return ProcessRunner::Result{Outcome::exited, 1, "no such unit", false, {}, {}};
    };

    EXPECT_FALSE(set(true).has_value());
    EXPECT_EQ(loginItem.calls, std::vector<std::string>{"register"});
    EXPECT_EQ(runner.commandLines(), std::vector<std::string>{"--user disable com.tavelo.app.loginitem.service"});
    EXPECT_EQ(runner.calls[0].program, "/fake/systemctl");
    EXPECT_TRUE(units.files.empty());
    EXPECT_EQ(service.refreshState(), (LaunchAtLoginService::State{true, std::nullopt}));
}

TEST_F(LaunchAtLoginServiceTest, RefusedRegistrationFallsBackToTheUserUnit)
{
    loginItem.registerError = "read-only folder";

    EXPECT_FALSE(set(true).has_value());
    EXPECT_EQ(units.files.at(kUnit), kExecutable);
    EXPECT_EQ(runner.commandLines(), (std::vector<std::string>{"--user disable com.tavelo.app.loginitem.service",
                                                               "--user enable com.tavelo.app.loginitem.service"}));
    EXPECT_EQ(service.refreshState().message, "Enabled via systemd user service fallback.");
}

TEST_F(LaunchAtLoginServiceTest, FallbackFailuresAreReportedInTheirOwnWords)
{
    loginItem.registerError = "read-only folder";
    auto enableFails = [this](ProcessRunner::Result result) {
        runner.calls.clear();
        runner.respond = [result](const test::FakeProcessRunner::Call &call) {
            return call.arguments[1] == "enable" ? result : ProcessRunner::Result{};
        };
        return describe(set(true));
    };
    EXPECT_EQ(enableFails({Outcome::exited, 5, " \n\t \r\n", false, {}, {}}),
              "Could not update login service: systemctl exit 5");
    EXPECT_EQ(enableFails({Outcome::exited, 1, "\nFailed to enable unit: Access denied\n", false, {}, {}}),
              "Could not update login service: Failed to enable unit: Access denied");
    EXPECT_EQ(enableFails({Outcome::exited, 2, "bad \xff\xfe bytes", false, {}, {}}),
              "Could not update login service: systemctl exit 2");
    // A capture cut inside a character is still the child's text.
    EXPECT_EQ(enableFails({Outcome::exited, 1, "caf\xc3\xa9 caf\xc3", true, {}, {}}),
              "Could not update login service: café caf");
    EXPECT_EQ(enableFails({Outcome::timedOut, 0, {}, false, {}, std::chrono::seconds(10)}),
              "Could not update login service: systemctl did not finish within 10 s and was stopped.");
    EXPECT_EQ(enableFails({Outcome::failedToStart, 0, {}, false, "Could not start systemctl: not found", {}}),
              "Could not start systemctl: not found");

    runner.respond = nullptr;
    units.writeError = "Could not write the unit: disk full";
    runner.calls.clear();
    EXPECT_EQ(describe(set(true)), "Could not write the unit: disk full");
    EXPECT_TRUE(runner.calls.empty());
}

TEST_F(LaunchAtLoginServiceTest, WithoutAConfigurationFolder)
{
    units.configHome.reset();
    // Disabling has nothing to clean and succeeds.
    EXPECT_FALSE(set(false).has_value());
    EXPECT_EQ(loginItem.calls, std::vector<std::string>{"unregister"});
    EXPECT_TRUE(runner.calls.empty());

    loginItem.registerError = "no folder";
    const auto error = set(true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), LaunchAtLoginError::Kind::missingBundleIdentifier);
    EXPECT_EQ(error->description(), "Missing application ID. Reinstall Tavelo with its desktop entry.");
}

TEST_F(LaunchAtLoginServiceTest, DisablingUnregistersAndRemovesTheFallback)
{
    loginItem.currentStatus = Status::enabled;
    units.files[kUnit] = kExecutable;
    // Unregistering errors are ignored; removing the unit is what can fail.
    loginItem.unregisterError = "gone already";
    EXPECT_FALSE(set(false).has_value());
    EXPECT_EQ(runner.commandLines(), std::vector<std::string>{"--user disable com.tavelo.app.loginitem.service"});
    EXPECT_TRUE(units.files.empty());

    loginItem.currentStatus = Status::notRegistered;
    units.files[kUnit] = kExecutable;
    units.removeError = "Could not remove the unit: permission denied";
    EXPECT_EQ(describe(set(false)), "Could not remove the unit: permission denied");
    EXPECT_EQ(service.refreshState().message, "Enabled via systemd user service fallback.");
}

TEST_F(LaunchAtLoginServiceTest, RequestsWaitForTheOneRunningAndEndWithTheService)
{
    loginItem.registerError = "refused";
    runner.autoFinish = false;
    std::vector<std::string> finished;
    service.setEnabled(true, [&](const auto &error) { finished.push_back(error ? "on failed" : "on"); });
    service.setEnabled(false, [&](const auto &error) { finished.push_back(error ? "off failed" : "off"); });
    EXPECT_EQ(runner.pending.size(), 1u);

    runner.finishNext(); // disable before enable
    runner.finishNext(); // enable
    EXPECT_EQ(finished, std::vector<std::string>{"on"});
    runner.finishNext(); // the second request's disable
    EXPECT_EQ(finished, (std::vector<std::string>{"on", "off"}));
    EXPECT_TRUE(units.files.empty());

    // A helper that answers after the service is gone finds nothing to call.
    auto doomed = std::make_unique<LaunchAtLoginService>(
        LaunchAtLoginService::Environment{bundle, loginItem, units, runner, kExecutable});
    doomed->setEnabled(true, [&](const auto &) { finished.push_back("late"); });
    doomed.reset();
    while (!runner.pending.empty())
        runner.finishNext();
    EXPECT_EQ(finished.size(), 2u);
}

} // namespace
