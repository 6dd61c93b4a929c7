#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/linux/SecondBeat.h"

namespace tavelo {
namespace {

TEST(SecondBeatTest, TasksOfDifferentPeriodsShareBeatsAndRunInOrder)
{
    SecondBeat beat;
    std::string log;
    TimerHandle tick = beat.every(1, [&] { log += 't'; });
    TimerHandle sample = beat.every(5, [&] { log += 's'; });
    TimerHandle none = beat.every(0, [&] { log += 'z'; }); // at least every beat
    for (int i = 0; i < 10; ++i) {
        beat.beat();
        log += '|';
    }
    EXPECT_EQ(log, "tz|tz|tz|tz|tsz|tz|tz|tz|tz|tsz|");
}

TEST(SecondBeatTest, CancellingInsideABeatSkipsTheCancelledAndStopsWhenNobodyListens)
{
    SecondBeat beat;
    std::vector<int> ran;
    TimerHandle second;
    TimerHandle first = beat.every(1, [&] {
        ran.push_back(1);
        second.cancel();
        first.cancel();
    });
    second = beat.every(1, [&] { ran.push_back(2); });
    EXPECT_TRUE(beat.isBeating());
    beat.beat();
    beat.beat();
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_FALSE(beat.isBeating());

    // A listener added inside a beat counts from the next one.
    TimerHandle later;
    TimerHandle adder = beat.every(1, [&] {
        if (!later.isActive())
            later = beat.every(1, [&] { ran.push_back(3); });
    });
    beat.beat();
    EXPECT_EQ(ran, std::vector<int>{1});
    beat.beat();
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
}

TEST(SecondBeatTest, HandlesOutliveTheBeat)
{
    TimerHandle handle;
    {
        SecondBeat beat;
        handle = beat.every(1, [] {});
    }
    handle.cancel(); // nothing left to remove from, and no crash
    EXPECT_FALSE(handle.isActive());
}

} // namespace
} // namespace tavelo
