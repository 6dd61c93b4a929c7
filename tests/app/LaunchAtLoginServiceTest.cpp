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
using UnitFiles = std::map<std::filesystem::path, std::filesystem::path>;

namespace {

const std::filesystem::path kExecutable = "/opt/Tavelo Beta/bin/tavelo";
const std::filesystem::path kUnit = "/home/user/.config/systemd/user/org.example.app.loginitem.service";
const std::string kDisable = "--user disable org.example.app.loginitem.service";
const std::string kEnable = "--user enable org.example.app.loginitem.service";

// The service's own decisions; the files and systemctl are tested for real on a private session.
class LaunchAtLoginServiceTest : public ::testing::Test {
protected:
    LaunchAtLoginServiceTest() { bundle.bundleIdentifier = "org.example.app"; }
    std::string set(bool enabled)
    {
        std::string result = "(not called)";
        service.setEnabled(enabled, [&](const auto &e) { result = e ? e->description() : "ok"; });
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
    const std::string fallback = "Enabled via systemd user service fallback.";
    const std::string approve = "Enabled. Approve in your desktop's startup settings if needed.";
    // installed, login item, fallback unit present, state
    using Case = std::tuple<bool, Status, bool, LaunchAtLoginService::State>;
    for (const auto &[installed, status, unit, state] :
         {Case{false, Status::enabled, true, {false, "Install Tavelo to enable this option."}},
          Case{true, Status::requiresApproval, true, {true, approve}},
          Case{true, Status::notFound, true, {true, fallback}},
          Case{true, Status::notRegistered, false, {false, {}}}}) {
        bundle.installed = installed;
        loginItem.currentStatus = status;
        units.files = unit ? UnitFiles{{kUnit, kExecutable}} : UnitFiles{};
        EXPECT_EQ(service.refreshState(), state) << int(status) << unit;
    }
}

// Failing to remove an old fallback is no failure to enable; systemctl's complaints about
// the links are no reason to stop. systemctl only hears of units that exist.
TEST_F(LaunchAtLoginServiceTest, SwitchingUsesTheLoginItemElseTheUserUnit)
{
    runner.respond = [](const auto &call) {
        return ProcessRunner::Result{Outcome::exited, call.arguments[1] == "disable", "no such unit", false, {}, {}};
    };
    using Error = std::optional<std::string>;
    // enable, register error, old unit present, remove error, systemctl runs, result
    using Case = std::tuple<bool, Error, bool, Error, Lines, std::string>;
    for (const auto &[enable, registerError, unitBefore, removeError, commands, result] :
         {Case{true, {}, true, "denied", {kDisable}, "ok"}, Case{false, {}, true, {}, {kDisable}, "ok"},
          Case{false, {}, true, "denied", {kDisable}, "denied"}, Case{false, {}, false, "denied", {}, "ok"},
          Case{true, {}, false, {}, {}, "ok"}, Case{true, "read-only", false, {}, {kEnable}, "ok"},
          Case{true, "read-only", true, {}, {kDisable, kEnable}, "ok"}}) {
        loginItem.calls.clear();
        loginItem.registerError = registerError;
        runner.calls.clear();
        units.files = unitBefore ? UnitFiles{{kUnit, "/old/tavelo"}} : UnitFiles{};
        units.removeError = removeError;
        EXPECT_EQ(set(enable), result);
        EXPECT_EQ(loginItem.calls, Lines{enable ? "register" : "unregister"});
        EXPECT_EQ(runner.commandLines(), commands);
        EXPECT_EQ(units.files.count(kUnit), (unitBefore && removeError) || registerError ? 1u : 0u);
    }
    EXPECT_EQ(runner.calls[0].program, "/fake/systemctl");
    EXPECT_EQ(units.files.at(kUnit), kExecutable);
}

TEST_F(LaunchAtLoginServiceTest, FallbackFailuresAreReportedInTheirOwnWords)
{
    loginItem.registerError = "read-only folder";
    const std::string prefix = "Could not update login service: ";
    using Result = ProcessRunner::Result;
    for (const auto &c : std::vector<std::pair<Result, std::string>>{
             {{Outcome::exited, 5, " \n\t \r\n", false, {}, {}}, prefix + "systemctl exit 5"},
             {{Outcome::crashed, 9, "", false, {}, {}}, prefix + "systemctl exit 9"},
             {{Outcome::exited, 1, "\nFailed: Access denied\n", false, {}, {}}, prefix + "Failed: Access denied"},
             {{Outcome::exited, 2, "bad \xff\xfe bytes", false, {}, {}}, prefix + "systemctl exit 2"},
             // A capture cut inside a character is still the child's text.
             {{Outcome::exited, 1, "caf\xc3\xa9 \xe2\x82", true, {}, {}}, prefix + "café"},
             {{Outcome::timedOut, 0, {}, false, {}, std::chrono::seconds(10)},
              prefix + "systemctl did not finish within 10 s and was stopped."},
             {{Outcome::failedToStart, 0, {}, false, "Could not start systemctl", {}}, "Could not start systemctl"}}) {
        runner.respond = [&](const auto &call) { return call.arguments[1] == "enable" ? c.first : Result{}; };
        EXPECT_EQ(set(true), c.second);
    }

    units.writeError = "Could not write the unit: disk full";
    EXPECT_EQ(set(true), "Could not write the unit: disk full");
    units.configHome.reset();
    EXPECT_EQ(set(true), "Missing application ID. Reinstall Tavelo with its desktop entry.");
    runner.calls.clear();
    EXPECT_EQ(set(false), "ok");
    bundle.installed = false;
    EXPECT_EQ(set(true), "Launch at login is available only when Tavelo is installed.");
    EXPECT_TRUE(runner.calls.empty());
}

TEST_F(LaunchAtLoginServiceTest, RequestsWaitForTheOneRunning)
{
    loginItem.registerError = "refused";
    runner.autoFinish = false;
    Lines finished;
    service.setEnabled(true, [&](const auto &error) { finished.push_back(error ? "on failed" : "on"); });
    service.setEnabled(false, [&](const auto &error) { finished.push_back(error ? "off failed" : "off"); });
    EXPECT_EQ(runner.pending.size(), 1u);
    runner.finishNext(); // enable
    EXPECT_EQ(finished, Lines{"on"});
    runner.finishNext(); // the second request's disable
    EXPECT_EQ(finished, (Lines{"on", "off"}));
}

} // namespace
