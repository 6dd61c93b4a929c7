#include <gtest/gtest.h>

#include "app/services/LaunchAtLoginService.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeLoginItemService.h"
#include "support/FakeProcessRunner.h"
#include "support/FakeUnitFileStore.h"

using namespace tavelo;
using Status = LoginItemService::Status;
using Outcome = ProcessRunner::Result::Outcome;
using Lines = std::vector<std::string>;
using State = LaunchAtLoginService::State;

namespace {

const std::filesystem::path kExecutable = "/opt/Tavelo Beta/bin/tavelo";
const std::filesystem::path kUnit = "/home/user/.config/systemd/user/com.tavelo.app.loginitem.service";
const std::string kDisable = "--user disable com.tavelo.app.loginitem.service";
const std::string kEnable = "--user enable com.tavelo.app.loginitem.service";
const std::string kFallback = "Enabled via systemd user service fallback.";

class LaunchAtLoginServiceTest : public ::testing::Test {
protected:
    // Switches and describes the error, if any; the fakes answer at once.
    std::string set(bool enabled)
    {
        std::string result = "(not called)";
        service.setEnabled(enabled,
                           [&](const std::optional<LaunchAtLoginError> &e) { result = e ? e->description() : "ok"; });
        return result;
    }

    test::FakeBundleInfo bundle;
    test::FakeLoginItemService loginItem;
    test::FakeUnitFileStore units;
    test::FakeProcessRunner runner;
    LaunchAtLoginService service{{bundle, loginItem, units, runner, kExecutable, "/fake/systemctl"}};
};

TEST_F(LaunchAtLoginServiceTest, StateFollowsTheLoginItemThenTheFallbackUnit)
{
    struct Case {
        bool installed;
        Status status;
        bool unit;
        State state;
    };
    const std::vector<Case> cases = {
        {false, Status::enabled, true, {false, "Install Tavelo to enable this option."}},
        {true, Status::enabled, false, {true, std::nullopt}},
        {true,
         Status::requiresApproval,
         true,
         {true, "Enabled. Approve in your desktop's startup settings if needed."}},
        {true, Status::notRegistered, true, {true, kFallback}},
        {true, Status::notFound, true, {true, kFallback}},
        {true, Status::notRegistered, false, {false, std::nullopt}},
        {true, Status::notFound, false, {false, std::nullopt}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        bundle.installed = cases[i].installed;
        loginItem.currentStatus = cases[i].status;
        units.files.clear();
        if (cases[i].unit)
            units.files[kUnit] = kExecutable;
        EXPECT_EQ(service.isSupported(), cases[i].installed);
        EXPECT_EQ(service.refreshState(), cases[i].state);
    }
}

TEST_F(LaunchAtLoginServiceTest, SwitchingUsesTheLoginItemElseTheUserUnit)
{
    struct Case {
        const char *what;
        bool enable;
        std::optional<std::string> registerError;
        bool unitBefore;
        std::optional<std::string> removeError;
        std::string result;
        Lines loginItemCalls, systemctl;
        bool unitAfter;
    };
    const std::vector<Case> cases = {
        // Failing to remove an old fallback is no failure to enable.
        {"registered", true, std::nullopt, true, "denied", "ok", {"register"}, {kDisable}, true},
        {"off", false, std::nullopt, true, std::nullopt, "ok", {"unregister"}, {kDisable}, false},
        {"off, unit stays", false, std::nullopt, true, "denied", "denied", {"unregister"}, {kDisable}, true},
        {"off, no unit", false, std::nullopt, false, "denied", "ok", {"unregister"}, {kDisable}, false},
        {"fallback", true, "read-only", false, std::nullopt, "ok", {"register"}, {kDisable, kEnable}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        loginItem.calls.clear();
        loginItem.registerError = c.registerError;
        runner.calls.clear();
        units.files.clear();
        if (c.unitBefore)
            units.files[kUnit] = "/old/tavelo";
        units.removeError = c.removeError;
        // systemctl's complaints about the links are no reason to stop.
        runner.respond = [](const auto &call) {
            const int status = call.arguments[1] == "disable" ? 1 : 0;
            return ProcessRunner::Result{Outcome::exited, status, "no such unit", false, {}, {}};
        };
        EXPECT_EQ(set(c.enable), c.result);
        EXPECT_EQ(loginItem.calls, c.loginItemCalls);
        EXPECT_EQ(runner.commandLines(), c.systemctl);
        EXPECT_EQ(units.files.count(kUnit) > 0, c.unitAfter);
    }
    EXPECT_EQ(runner.calls[0].program, "/fake/systemctl");
    EXPECT_EQ(units.files.at(kUnit), kExecutable);
}

TEST_F(LaunchAtLoginServiceTest, FallbackFailuresAreReportedInTheirOwnWords)
{
    loginItem.registerError = "read-only folder";
    struct Case {
        ProcessRunner::Result enable;
        std::string text;
    };
    const std::string prefix = "Could not update login service: ";
    const std::vector<Case> cases = {
        {{Outcome::exited, 5, " \n\t \r\n", false, {}, {}}, prefix + "systemctl exit 5"},
        {{Outcome::crashed, 9, "", false, {}, {}}, prefix + "systemctl exit 9"},
        {{Outcome::exited, 1, "\nFailed to enable unit: Access denied\n", false, {}, {}},
         prefix + "Failed to enable unit: Access denied"},
        {{Outcome::exited, 2, "bad \xff\xfe bytes", false, {}, {}}, prefix + "systemctl exit 2"},
        // A capture cut inside a character is still the child's text.
        {{Outcome::exited, 1, "caf\xc3\xa9 caf\xc3", true, {}, {}}, prefix + "café caf"},
        {{Outcome::exited, 1, "caf\xc3\xa9 \xe2\x82", true, {}, {}}, prefix + "café"},
        {{Outcome::timedOut, 0, {}, false, {}, std::chrono::seconds(10)},
         prefix + "systemctl did not finish within 10 s and was stopped."},
        {{Outcome::failedToStart, 0, {}, false, "Could not start systemctl: not found", {}},
         "Could not start systemctl: not found"},
    };
    for (const Case &c : cases) {
        runner.respond = [&c](const auto &call) {
            return call.arguments[1] == "enable" ? c.enable : ProcessRunner::Result{};
        };
        EXPECT_EQ(set(true), c.text);
    }

    runner.calls.clear();
    units.writeError = "Could not write the unit: disk full";
    EXPECT_EQ(set(true), "Could not write the unit: disk full");
    bundle.installed = false;
    EXPECT_EQ(set(true), "Launch at login is available only when Tavelo is installed.");
    EXPECT_TRUE(runner.calls.empty());
}

TEST_F(LaunchAtLoginServiceTest, UnitNamedAfterTheApplicationIdAndNeededOnlyToEnable)
{
    bundle.bundleIdentifier = "org.example.app";
    EXPECT_EQ(service.launchAgentPath(), "/home/user/.config/systemd/user/org.example.app.loginitem.service");
    bundle.bundleIdentifier = "";
    EXPECT_EQ(service.launchAgentLabel(), "com.tavelo.app.loginitem");

    units.configHome.reset();
    EXPECT_EQ(set(false), "ok");
    EXPECT_TRUE(runner.calls.empty());
    loginItem.registerError = "no folder";
    EXPECT_EQ(set(true), "Missing application ID. Reinstall Tavelo with its desktop entry.");
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
    EXPECT_EQ(finished, Lines{"on"});
    runner.finishNext(); // the second request's disable
    EXPECT_EQ(finished, (Lines{"on", "off"}));

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
