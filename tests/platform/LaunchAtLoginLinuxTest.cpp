#include <fstream>
#include <sstream>

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include "platform/DesktopTools.h"
#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/SystemdUserUnitStore.h"
#include "platform/linux/XdgAutostartLoginItem.h"

using namespace tavelo;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Outcome = ProcessRunner::Result::Outcome;
using ::testing::HasSubstr;

namespace {

std::string readFile(const fs::path &path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {});
}

// Gone, or a zombie nobody has reaped yet: either way it runs no more.
bool ended(const std::string &pid)
{
    std::string stat;
    std::getline(std::ifstream("/proc/" + pid + "/stat"), stat);
    return stat.empty() || stat.substr(stat.rfind(')') + 2, 1) == "Z";
}

} // namespace

// The real autostart entry and user unit under a private configuration folder.
TEST(LaunchAtLoginFiles, EntryAndUnitAreWrittenWholeWithTheExecutableQuotedAndRemoved)
{
    QTemporaryDir folder;
    const fs::path root = folder.path().toStdString();
    const auto config = [&] { return std::optional(root); };
    const fs::path executable = "/opt/Tavelo 100%/bin/tave\"lo\\";
    XdgAutostartLoginItem loginItem{executable, "com.tavelo.app", config};
    EXPECT_EQ(loginItem.status(), LoginItemService::Status::notRegistered);
    EXPECT_FALSE(loginItem.registerItem());
    const fs::path entry = root / "autostart" / "com.tavelo.app.desktop";
    EXPECT_THAT(readFile(entry), HasSubstr("\nExec=\"/opt/Tavelo 100%%/bin/tave\\\\\"lo\\\\\\\\\"\n"));
    EXPECT_EQ(loginItem.status(), LoginItemService::Status::enabled);
    EXPECT_FALSE(loginItem.unregisterItem());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(loginItem.unregisterItem()) << "an entry already gone is no failure";

    SystemdUserUnitStore units{config};
    const fs::path unit = root / "systemd" / "user" / "com.tavelo.app.loginitem.service";
    ASSERT_EQ(units.unitPath("com.tavelo.app.loginitem"), unit);
    EXPECT_FALSE(units.write(unit, executable));
    EXPECT_THAT(readFile(unit), HasSubstr("\nExecStart=\"/opt/Tavelo 100%%/bin/tave\\\"lo\\\\\"\n"));
    EXPECT_FALSE(units.remove(unit));
    EXPECT_FALSE(units.exists(unit));
}

// How the child ended and a bounded part of its complaints: a megabyte of them blocks
// neither the child nor the program, and a child that hangs is killed, whole.
TEST(QtProcessRunnerTest, ReportsHowTheChildEndedAndKillsOneThatHangs)
{
    QTemporaryDir folder;
    const std::string pidFile = folder.filePath("pid").toStdString();
    const struct {
        std::string program, script;
        Outcome outcome;
        int status;
        std::string standardError;
    } cases[] = {
        {"/bin/sh", "printf 'no unit' >&2; exit 5", Outcome::exited, 5, "no unit"},
        {"/bin/sh", "head -c 1048576 /dev/zero | tr '\\0' x >&2; exit 1", Outcome::exited, 1,
         std::string(ProcessRunner::kMaxStandardError, 'x')},
        // A helper of the child's own must not outlive it.
        {"/bin/sh", "echo $$ > '" + pidFile + "'; sleep 60 & echo $! >> '" + pidFile + "'; wait", Outcome::timedOut, 0,
         ""},
        {"/nonexistent/program", "", Outcome::failedToStart, 0, ""},
    };
    QtProcessRunner runner{2s};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program + " " + c.script);
        std::optional<ProcessRunner::Result> result;
        runner.run(c.program, {"-c", c.script}, [&](const ProcessRunner::Result &r) { result = r; });
        EXPECT_FALSE(result) << "completion ran inside run()";
        ASSERT_TRUE(test::waitFor([&] { return result.has_value(); }));
        EXPECT_EQ(result->outcome, c.outcome);
        EXPECT_TRUE(c.outcome != Outcome::exited || result->exitStatus == c.status) << result->exitStatus;
        EXPECT_EQ(result->standardError, c.standardError);
        EXPECT_EQ(result->standardErrorTruncated, c.standardError.size() == ProcessRunner::kMaxStandardError);
        EXPECT_EQ(result->failure.starts_with("Could not start /nonexistent/program: "),
                  c.outcome == Outcome::failedToStart)
            << result->failure;
    }
    // Also when the child was stopped before it could write its process ids.
    std::istringstream pids(readFile(pidFile));
    for (std::string pid; pids >> pid;)
        EXPECT_TRUE(test::waitFor([&] { return ended(pid); })) << "process " << pid << " still runs";
}
