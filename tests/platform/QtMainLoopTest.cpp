#include <string>

#include <QCoreApplication>

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

} // namespace
} // namespace tavelo
