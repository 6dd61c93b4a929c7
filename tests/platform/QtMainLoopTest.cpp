#include <functional>
#include <string>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/linux/QtMainLoop.h"

namespace tavelo {
namespace {

// Tasks posted during one event run together, in order, after it; what they post runs after
// them, not in the middle; a loop that is gone runs nothing of what it had queued.
TEST(QtMainLoopTest, PostedTasksRunAfterTheCurrentEventInOrder)
{
    std::string log;
    {
        QtMainLoop loop;
        loop.post([&] {
            log += 'a';
            loop.post([&] { log += 'c'; });
        });
        loop.post([&] { log += 'b'; });
        EXPECT_EQ(log, "");
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(log, "abc");
        loop.post([&] { log += 'x'; });
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, "abc");
}

// A beat settles what its tasks post (and what that posts) before it ends, so an idle
// second wakes the loop once. A dialog's loop inside a task still runs posted tasks, and
// a task that keeps posting itself is handed back to the loop instead of holding the beat.
TEST(QtMainLoopTest, ABeatRunsWhatItsTasksPostBeforeItEnds)
{
    using namespace std::chrono_literals;
    std::string log;
    QtMainLoop loop;
    TimerHandle tick = loop.every(1s, [&] {
        loop.post([&] {
            log += 't';
            loop.post([&] { log += 'r'; });
        });
    });
    loop.beatNow();
    EXPECT_EQ(log, "tr");

    tick = loop.every(1s, [&] {
        QEventLoop nested;
        loop.post([&] {
            log += 'n';
            nested.quit();
        });
        QTimer::singleShot(500, &nested, &QEventLoop::quit);
        nested.exec();
        log += 'e';
    });
    log.clear();
    loop.beatNow();
    EXPECT_EQ(log, "ne") << "run by the nested loop, not held until the beat ends";

    int runs = 0;
    std::function<void()> again = [&] {
        ++runs;
        loop.post(again);
    };
    tick = loop.every(1s, [&] { loop.post(again); });
    loop.beatNow();
    EXPECT_EQ(runs, QtMainLoop::kBeatRounds);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, QtMainLoop::kBeatRounds + 1) << "the rest goes to the loop";
    tick.cancel();
    QCoreApplication::sendPostedEvents();
}

} // namespace
} // namespace tavelo
