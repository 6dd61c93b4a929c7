#include <algorithm>
#include <ctime>
#include <sstream>

#include "platform/DesktopTools.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/WaylandIdleSource.h"

using namespace tavelo;
using namespace std::chrono_literals;
using test::waitFor;

namespace {

using Seconds = std::chrono::duration<double>;

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return Seconds(std::chrono::steady_clock::now() - start).count();
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A headless sway of our own (tests/support/sway-session.sh), stopped when this goes.
class SwaySession {
public:
    SwaySession()
    {
        m_process.start(qEnvironmentVariable("TAVELO_SOURCE_DIR") + "/tests/support/sway-session.sh", {});
        while (!m_process.canReadLine() && m_process.waitForReadyRead(test::kWaitMs)) {
        }
        m_socket = QString::fromUtf8(m_process.readLine()).trimmed();
        if (m_socket.isEmpty()) {
            m_process.waitForFinished(test::kWaitMs);
            m_problem = QString::fromUtf8(m_process.readAllStandardError()).trimmed();
        }
    }
    ~SwaySession() { stop(); }

    const QString &socket() const { return m_socket; }
    bool unavailable() const { return m_process.exitCode() == 77; }
    const QString &problem() const { return m_problem; }

    void stop()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(test::kWaitMs);
    }

    // Like a key press on a real keyboard, through the compositor's virtual keyboard.
    void type(const QString &text)
    {
        QProcess wtype;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("WAYLAND_DISPLAY", m_socket);
        wtype.setProcessEnvironment(environment);
        wtype.start("wtype", {text});
        ASSERT_TRUE(wtype.waitForFinished(test::kWaitMs));
        ASSERT_EQ(wtype.exitCode(), 0) << wtype.readAllStandardError().toStdString();
    }

private:
    QProcess m_process;
    QString m_socket;
    QString m_problem;
};

} // namespace

TEST(WaylandIdleSource, NoCompositorThereMeansNoAnswerAndNoComplaint)
{
    std::ostringstream errors;
    WaylandIdleSource source("/nonexistent/wayland-0", 1s, errors);
    EXPECT_FALSE(source.idleSeconds());
    EXPECT_FALSE(source.idleSeconds());
    EXPECT_EQ(errors.str(), "");
}

// sway 1.7 offers org_kde_kwin_idle.
TEST(WaylandIdleSource, IdleGrowsWithoutInputDropsOnAKeyAndFallsSilentWhenTheCompositorGoes)
{
    SwaySession sway;
    if (sway.socket().isEmpty() && sway.unavailable())
        GTEST_SKIP() << sway.problem().toStdString();
    ASSERT_FALSE(sway.socket().isEmpty()) << sway.problem().toStdString();

    std::ostringstream errors;
    WaylandIdleSource source(sway.socket().toStdString(), 2s, errors);
    const auto connected = std::chrono::steady_clock::now();
    ASSERT_TRUE(waitFor([&] { return source.idleSeconds() == 0.0; }));
    // Counted from the last input, not from the compositor's notice.
    ASSERT_TRUE(waitFor([&] { return source.idleSeconds().value_or(0) >= 3.0; }));
    EXPECT_NEAR(*source.idleSeconds(), secondsSince(connected), 0.75);

    sway.type("x");
    const auto typed = std::chrono::steady_clock::now();
    ASSERT_TRUE(waitFor([&] { return source.idleSeconds() == 0.0; }));
    EXPECT_LT(secondsSince(typed), 2.0);
    // The notice is armed again for the next pause.
    EXPECT_TRUE(waitFor([&] { return source.idleSeconds().value_or(0) >= 1.0; }));

    // Wired into the desktop's chain: no GNOME or screen-saver counter on this bus.
    qputenv("WAYLAND_DISPLAY", sway.socket().toUtf8());
    SystemIdleTimeSource system;
    EXPECT_TRUE(
        waitFor([&] { return system.idleSeconds().value_or(0) >= Seconds(WaylandIdleSource::kNoticeAfter).count(); }));
    qunsetenv("WAYLAND_DISPLAY");

    sway.stop();
    ASSERT_TRUE(waitFor([&] { return !source.idleSeconds(); }));
    // Quiet from then on: no spinning on the closed socket, one line said.
    const double cpuBefore = cpuSeconds();
    QTest::qWait(500);
    EXPECT_LT(cpuSeconds() - cpuBefore, 0.2);
    EXPECT_FALSE(source.idleSeconds());
    const std::string said = errors.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}
