#include <cerrno>
#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>
#include <tuple>

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/SystemdUserUnitStore.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Status = LoginItemService::Status;
using Outcome = ProcessRunner::Result::Outcome;

namespace {

constexpr int kWaitMs = 30000;

std::string readFile(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The real autostart entry and user unit under a private configuration folder.
class LaunchAtLoginFilesTest : public ::testing::Test {
protected:
    fs::path config() const { return folder.path() / "config"; }

    test::TemporaryFolder folder;
    const fs::path executable = "/opt/Tavelo 100%/bin/tave\"lo\\";
    XdgAutostartLoginItem loginItem{executable, "com.tavelo.app", [this] { return std::optional(config()); }};
    SystemdUserUnitStore units{[this] { return std::optional(config()); }};
};

ProcessRunner::Result runToEnd(ProcessRunner &runner, const std::string &program,
                               const std::vector<std::string> &arguments)
{
    std::optional<ProcessRunner::Result> result;
    runner.run(program, arguments, [&](const ProcessRunner::Result &r) { result = r; });
    EXPECT_FALSE(result) << "completion ran inside run()";
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, kWaitMs));
    return result.value_or(ProcessRunner::Result{});
}

// Also when the child was stopped before it could write its process id.
bool processGone(const fs::path &pidFile)
{
    const std::string pid = readFile(pidFile);
    return pid.empty() || (::kill(std::stoi(pid), 0) == -1 && errno == ESRCH);
}

} // namespace

TEST_F(LaunchAtLoginFilesTest, EntryAndUnitAreWrittenWholeWithTheExecutableQuotedAndRemoved)
{
    EXPECT_EQ(loginItem.status(), Status::notRegistered);
    EXPECT_FALSE(loginItem.registerItem());
    const fs::path entry = config() / "autostart" / "com.tavelo.app.desktop";
    std::string text = readFile(entry);
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nExec=\"/opt/Tavelo 100%%/bin/tave\\\\\"lo\\\\\\\\\"\n"), std::string::npos) << text;
    EXPECT_EQ(loginItem.status(), Status::enabled);
    // Nothing else in the folder: the temporary file was renamed into place.
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), fs::directory_iterator()), 1);
    EXPECT_FALSE(loginItem.unregisterItem());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(loginItem.unregisterItem()) << "an entry already gone is no failure";

    const fs::path unit = config() / "systemd" / "user" / "com.tavelo.app.loginitem.service";
    ASSERT_EQ(units.unitPath("com.tavelo.app.loginitem"), unit);
    EXPECT_FALSE(units.write(unit, executable));
    text = readFile(unit);
    EXPECT_NE(text.find("\nExecStart=\"/opt/Tavelo 100%%/bin/tave\\\"lo\\\\\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nWantedBy=graphical-session.target\n"), std::string::npos);
    EXPECT_TRUE(units.exists(unit));
    EXPECT_FALSE(units.remove(unit));
    EXPECT_FALSE(units.exists(unit));
}

TEST(QtProcessRunnerTest, ReportsHowTheChildEndedAndABoundedPartOfItsComplaints)
{
    QtProcessRunner runner;
    // Script, exit status, standard error. A megabyte of complaints blocks neither the
    // child nor the program.
    const std::tuple<std::string, int, std::string> cases[] = {
        {"exit 0", 0, ""},
        {"printf 'no unit' >&2; exit 5", 5, "no unit"},
        {"head -c 1048576 /dev/zero | tr '\\0' x >&2; exit 1", 1, std::string(ProcessRunner::kMaxStandardError, 'x')},
    };
    for (const auto &[script, status, standardError] : cases) {
        const ProcessRunner::Result result = runToEnd(runner, "/bin/sh", {"-c", script});
        EXPECT_EQ(result.outcome, Outcome::exited) << script;
        EXPECT_EQ(result.exitStatus, status) << script;
        EXPECT_EQ(result.standardError, standardError) << script;
        EXPECT_EQ(result.standardErrorTruncated, standardError.size() == ProcessRunner::kMaxStandardError);
    }
    const ProcessRunner::Result missing = runToEnd(runner, "/nonexistent/program", {});
    EXPECT_EQ(missing.outcome, Outcome::failedToStart);
    EXPECT_EQ(missing.failure.rfind("Could not start /nonexistent/program: ", 0), 0u) << missing.failure;
}

TEST(QtProcessRunnerTest, AHangingChildIsKilledAfterTheTimeOut)
{
    test::TemporaryFolder folder;
    const fs::path pidFile = folder.path() / "pid";
    const std::vector<std::string> hang{"-c", "echo $$ > '" + pidFile.string() + "'; exec sleep 60"};
    QtProcessRunner runner{2s};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runToEnd(runner, "/bin/sh", hang).outcome, Outcome::timedOut);
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_TRUE(processGone(pidFile));
}
