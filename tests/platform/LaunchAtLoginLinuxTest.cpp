#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include "app/services/LaunchAtLoginService.h"
#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/SystemdUserUnitStore.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "support/FakeBundleInfo.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The real autostart entry, user unit and runner under a private $XDG_CONFIG_HOME, with
// a shell script standing in for systemctl that logs its arguments.
class LaunchAtLoginLinuxTest : public ::testing::Test {
protected:
    LaunchAtLoginLinuxTest()
    {
        setenv("XDG_CONFIG_HOME", config().c_str(), 1);
        writeSystemctl("exit 0");
    }
    ~LaunchAtLoginLinuxTest() override { unsetenv("XDG_CONFIG_HOME"); }

    fs::path config() const { return folder.path() / "config"; }
    fs::path entry() const { return config() / "autostart" / "com.tavelo.app.desktop"; }
    fs::path unit() const { return config() / "systemd" / "user" / "com.tavelo.app.loginitem.service"; }
    fs::path systemctl() const { return folder.path() / "systemctl"; }
    fs::path log() const { return folder.path() / "systemctl.log"; }

    // `body` runs after the call is logged; "$2" is "enable" or "disable".
    void writeSystemctl(const std::string &body)
    {
        std::ofstream(systemctl()) << "#!/bin/sh\necho \"$*\" >> '" << log().string() << "'\n" << body << "\n";
        fs::permissions(systemctl(), fs::perms::owner_all);
    }
    void makeAutostartUnwritable()
    {
        fs::create_directories(config());
        std::ofstream(config() / "autostart") << "a file where the folder should be";
    }
    std::optional<LaunchAtLoginError> set(bool enabled)
    {
        bool finished = false;
        std::optional<LaunchAtLoginError> error;
        service->setEnabled(enabled, [&](const std::optional<LaunchAtLoginError> &e) {
            error = e;
            finished = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 20'000));
        return error;
    }

    test::TemporaryFolder folder;
    test::FakeBundleInfo bundle;
    const fs::path executable = "/opt/Tavelo 100%/bin/tave\"lo\\";
    XdgAutostartLoginItem loginItem{executable, "com.tavelo.app"};
    SystemdUserUnitStore units;
    QtProcessRunner runner{1s};
    std::unique_ptr<LaunchAtLoginService> service = std::make_unique<LaunchAtLoginService>(
        LaunchAtLoginService::Environment{bundle, loginItem, units, runner, executable, systemctl().string()});
};

TEST_F(LaunchAtLoginLinuxTest, EnableWritesTheAutostartEntryAndDisableRemovesIt)
{
    EXPECT_EQ(service->refreshState(), (LaunchAtLoginService::State{false, std::nullopt}));
    EXPECT_FALSE(set(true));
    const std::string text = readFile(entry());
    EXPECT_NE(text.find("\nExec=\"/opt/Tavelo 100%%/bin/tave\\\\\"lo\\\\\\\\\"\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_EQ(service->refreshState(), (LaunchAtLoginService::State{true, std::nullopt}));
    // No fallback to clean, but its links are dropped all the same.
    EXPECT_EQ(readFile(log()), "--user disable com.tavelo.app.loginitem.service\n");
    EXPECT_FALSE(fs::exists(unit()));

    EXPECT_FALSE(set(false));
    EXPECT_FALSE(fs::exists(entry()));
    EXPECT_EQ(service->refreshState(), (LaunchAtLoginService::State{false, std::nullopt}));
    // Nothing left behind in the folder: the temporary file was renamed into place.
    EXPECT_TRUE(fs::is_empty(config() / "autostart"));
}

TEST_F(LaunchAtLoginLinuxTest, AnUnwritableAutostartFolderFallsBackToAUserUnit)
{
    makeAutostartUnwritable();
    EXPECT_FALSE(set(true));
    const std::string text = readFile(unit());
    EXPECT_NE(text.find("\nExecStart=\"/opt/Tavelo 100%%/bin/tave\\\"lo\\\\\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nWantedBy=graphical-session.target\n"), std::string::npos);
    EXPECT_EQ(readFile(log()), "--user disable com.tavelo.app.loginitem.service\n"
                               "--user enable com.tavelo.app.loginitem.service\n");
    EXPECT_EQ(service->refreshState().message, "Enabled via systemd user service fallback.");

    EXPECT_FALSE(set(false));
    EXPECT_FALSE(fs::exists(unit()));
    EXPECT_EQ(service->refreshState(), (LaunchAtLoginService::State{false, std::nullopt}));
}

TEST_F(LaunchAtLoginLinuxTest, StateOfEachCombination)
{
    auto place = [](const fs::path &path, const std::string &text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    };
    const LaunchAtLoginService::State off{false, std::nullopt};
    const LaunchAtLoginService::State on{true, std::nullopt};
    const LaunchAtLoginService::State fallback{true, std::string("Enabled via systemd user service fallback.")};
    const std::string plain = "[Desktop Entry]\nType=Application\nExec=tavelo\n";
    const std::string hidden = "[Desktop Entry]\nType=Application\nHidden = true\n";
    const std::string hiddenElsewhere = "[Desktop Entry]\nType=Application\n[Desktop Action x]\nHidden=true\n";

    struct Case {
        std::optional<std::string> entry;
        bool unit;
        LaunchAtLoginService::State expected;
    };
    const Case cases[] = {
        {std::nullopt, false, off}, {std::nullopt, true, fallback}, {plain, false, on},           {plain, true, on},
        {hidden, false, off},       {hidden, true, fallback},       {hiddenElsewhere, false, on},
    };
    for (const Case &c : cases) {
        fs::remove_all(config());
        if (c.entry)
            place(entry(), *c.entry);
        if (c.unit)
            place(unit(), "[Service]\n");
        EXPECT_EQ(service->refreshState(), c.expected) << (c.entry ? *c.entry : "no entry") << " unit " << c.unit;
    }
    bundle.installed = false;
    EXPECT_EQ(service->refreshState().message, "Install Tavelo to enable this option.");
}

TEST_F(LaunchAtLoginLinuxTest, SystemctlFailuresReachTheUser)
{
    makeAutostartUnwritable();
    writeSystemctl(R"([ "$2" = enable ] || exit 0
printf '  \n\t \n' >&2
exit 5)");
    std::optional<LaunchAtLoginError> error = set(true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description(), "Could not update login service: systemctl exit 5");

    // A megabyte of complaints neither blocks the child nor the program; a bounded part is kept.
    writeSystemctl(R"([ "$2" = enable ] || exit 0
head -c 1048576 /dev/zero | tr '\0' 'x' >&2
exit 1)");
    error = set(true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description(),
              "Could not update login service: " + std::string(ProcessRunner::kMaxStandardError, 'x'));

    writeSystemctl("exec /nonexistent/program");
    fs::permissions(systemctl(), fs::perms::none);
    error = set(true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description().rfind("Could not start " + systemctl().string() + ": ", 0), 0u)
        << error->description();
}

TEST_F(LaunchAtLoginLinuxTest, AHangingSystemctlIsStoppedAfterTheTimeOut)
{
    EXPECT_EQ(QtProcessRunner().timeout(), 10s);

    makeAutostartUnwritable();
    const fs::path pidFile = folder.path() / "pid";
    writeSystemctl("[ \"$2\" = enable ] || exit 0\necho $$ > '" + pidFile.string() + "'\nexec sleep 60");
    QElapsedTimer clock;
    clock.start();
    const std::optional<LaunchAtLoginError> error = set(true);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description(),
              "Could not update login service: systemctl did not finish within 1 s and was stopped.");
    const pid_t pid = std::stoi(readFile(pidFile));
    EXPECT_EQ(::kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(LaunchAtLoginLinuxTest, ARunnerGoingAwayStopsItsChildrenAndCallsNoOne)
{
    const fs::path pidFile = folder.path() / "pid";
    auto local = std::make_unique<QtProcessRunner>();
    bool called = false;
    local->run("/bin/sh", {"-c", "echo $$ > '" + pidFile.string() + "'; exec sleep 60"},
               [&](const ProcessRunner::Result &) { called = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !readFile(pidFile).empty(); }, 5000));
    local.reset();
    QTest::qWait(0);
    EXPECT_FALSE(called);
    EXPECT_EQ(::kill(std::stoi(readFile(pidFile)), 0), -1);
}

} // namespace
