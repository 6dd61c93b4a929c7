#include "app/IdleMonitor.h"
#include "platform/DesktopTools.h"
#include "platform/linux/FreedesktopScreenSaverIdleSource.h"
#include "platform/linux/MutterIdleSource.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/XScreenSaverIdleSource.h"
#include "support/FakeIdleService.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using test::FakeIdleService;
using Behaviour = FakeIdleService::Behaviour;
using test::waitFor;

namespace {

// The names the desktops really use; the sources must match them.
const DBusIdleSource::Endpoint kMutter{"org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
                                       "org.gnome.Mutter.IdleMonitor", "GetIdletime"};

using Milliseconds = std::chrono::duration<double, std::milli>;
constexpr int kGiveUpAfter = DBusIdleSource::kTimeoutsBeforeGivingUp;

// Time for `calls` samples; the best of `runs` tries, so that a busy machine's pause does not count.
double millisecondsFor(int calls, IdleTimeSource &source, int runs = 3)
{
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            EXPECT_FALSE(source.idleSeconds());
        best = std::min(best, Milliseconds(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

TEST(DBusIdleSource, ReadsMillisecondsFromGnomeAndScreenSaverServices)
{
    FakeIdleService mutter(kMutter, QVariant::fromValue<qulonglong>(12345));
    FakeIdleService screenSaver({"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                 "org.freedesktop.ScreenSaver", "GetSessionIdleTime"},
                                QVariant::fromValue<uint>(4000));
    ASSERT_TRUE(mutter.claim() && screenSaver.claim());
    MutterIdleSource gnome(QDBusConnection::sessionBus());
    EXPECT_DOUBLE_EQ(gnome.idleSeconds().value_or(-1), 12.345);
    EXPECT_DOUBLE_EQ(FreedesktopScreenSaverIdleSource(QDBusConnection::sessionBus()).idleSeconds().value_or(-1), 4.0);
    // A reply of the wrong type is not a number of milliseconds.
    mutter.set(Behaviour::answer, QStringLiteral("soon"));
    EXPECT_FALSE(gnome.idleSeconds());
}

TEST(DBusIdleSource, AbsentRefusingOrHangingServicesCostNothingUntilTheNameChangesHands)
{
    FakeIdleService mutter(kMutter);
    mutter.set(Behaviour::refuse);
    MutterIdleSource source(QDBusConnection::sessionBus());
    // No bus traffic at all: a thousand samples take well under one round trip each.
    EXPECT_LT(millisecondsFor(1000, source), 20.0);

    ASSERT_TRUE(mutter.claim());
    ASSERT_TRUE(waitFor([&] { return !source.idleSeconds() && mutter.calls() == 1; }));
    millisecondsFor(10, source, 1);
    EXPECT_EQ(mutter.calls(), 1);

    // Another program (here: the same, restarted) takes the name: worth asking again. Each
    // call to one that hangs is bounded, and after a few it is left alone.
    mutter.set(Behaviour::hang);
    ASSERT_TRUE(mutter.reclaim());
    ASSERT_TRUE(waitFor([&] { return !source.idleSeconds() && mutter.calls() > 1; }));
    const double spent = millisecondsFor(kGiveUpAfter - 1, source, 1);
    EXPECT_GE(spent, (kGiveUpAfter - 1) * (DBusIdleSource::kCallTimeoutMs - 50));
    EXPECT_LT(spent, (kGiveUpAfter - 1) * DBusIdleSource::kCallTimeoutMs * 8);
    millisecondsFor(10, source, 1);
    EXPECT_EQ(mutter.calls(), 1 + kGiveUpAfter);

    mutter.set(Behaviour::answer, QVariant::fromValue<qulonglong>(2500));
    ASSERT_TRUE(mutter.reclaim());
    EXPECT_TRUE(waitFor([&] { return source.idleSeconds() == 2.5; }));
}

// The periodic reading never waits for the service, not even for one that hangs: its
// answer comes on a later turn, the same as a blocking call's.
TEST(DBusIdleSource, ReadingsAnswerLaterWithoutWaiting)
{
    FakeIdleService mutter(kMutter, QVariant::fromValue<qulonglong>(7500));
    ASSERT_TRUE(mutter.claim());
    MutterIdleSource source(QDBusConnection::sessionBus());
    for (const bool hangs : {false, true}) {
        SCOPED_TRACE(hangs ? "hanging" : "answering");
        if (hangs)
            mutter.set(Behaviour::hang);
        std::optional<std::optional<double>> answer;
        const auto start = std::chrono::steady_clock::now();
        source.readIdleSeconds([&](std::optional<double> seconds) { answer = seconds; });
        EXPECT_LT(Milliseconds(std::chrono::steady_clock::now() - start).count(), 50.0);
        EXPECT_FALSE(answer) << "answered inside the call";
        ASSERT_TRUE(waitFor([&] { return answer.has_value(); }));
        EXPECT_EQ(*answer, hangs ? std::nullopt : std::optional<double>(7.5));
    }
}

TEST(XScreenSaverIdleSource, GrowsWhileNothingHappensAndDropsOnInput)
{
    XScreenSaverIdleSource source;
    const std::optional<double> first = source.idleSeconds();
    ASSERT_TRUE(first) << "no MIT-SCREEN-SAVER on the test display";
    EXPECT_TRUE(waitFor([&] { return source.idleSeconds().value_or(-1) >= *first + 0.5; }));
    test::xdotool({"mousemove", "200", "300", "mousemove", "420", "310"});
    EXPECT_TRUE(waitFor([&] { return source.idleSeconds().value_or(99) < 0.4; }));

    // On an X11 session the program's own monitor reads the X server.
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    EXPECT_TRUE(waitFor([&] { return monitor.idleSeconds() >= 0.3; }));
    EXPECT_LT(monitor.idleSeconds(), 10.0);
}

// The periodic reading waits for nothing: its query goes out at once and the answer is taken
// off the socket at the loop's next beat, one query for every reading asked for meanwhile.
TEST(XScreenSaverIdleSource, AnswersReadingsAtTheNextBeat)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    XScreenSaverIdleSource source(&loop);
    std::vector<std::optional<double>> answers;
    const auto keep = [&answers](std::optional<double> seconds) { answers.push_back(seconds); };
    source.readIdleSeconds(keep);
    source.readIdleSeconds(keep);
    EXPECT_TRUE(answers.empty());
    // A reading that waits: its reply follows the first query's, which is then in too.
    ASSERT_TRUE(source.idleSeconds()) << "no MIT-SCREEN-SAVER on the test display";
    EXPECT_TRUE(answers.empty());
    loop.advance(std::chrono::seconds(1));
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[0] && answers[0] == answers[1]);
    EXPECT_EQ(loop.activeTimerCount(), 0u) << "nothing is left to run between readings";

    source.readIdleSeconds(keep);
    EXPECT_TRUE(source.idleSeconds());
    loop.advance(std::chrono::seconds(1));
    EXPECT_EQ(answers.size(), 3u);
}
