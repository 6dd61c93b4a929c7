#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/MainLoop.h"
#include "core/Published.h"
#include "core/Signal.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

TEST(SignalTest, ObserversMayDisconnectOrConnectDuringEmit)
{
    auto signal = std::make_unique<Signal<>>();
    std::vector<std::string> seen;
    Connection b, late;
    Connection a = signal->connect([&] {
        seen.push_back("a");
        b.disconnect(), a.disconnect();
        late = signal->connect([&] { seen.push_back("late"); });
    });
    b = signal->connect([&] { seen.push_back("b"); });
    std::optional<Connection> c(signal->connect([&] { seen.push_back("c"); }));
    signal->notify(), signal->notify();
    c.reset(); // a destroyed connection disconnects
    signal->notify();
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "c", "c", "late", "late"}));
    EXPECT_EQ(signal->observerCount(), 1u);
    signal.reset(); // connections may outlive their signal
    EXPECT_FALSE(late.connected());
    late.disconnect();
}

TEST(PublishedTest, NotifiesOnEveryAssignmentEvenWhenUnchanged)
{
    Signal<> any;
    Published<int> value(1, &any);
    int calls = 0;
    Connection c1 = value.observe([&](const int &) { ++calls; });
    Connection c2 = any.connect([&] { ++calls; });
    value = 1, value = 2;
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(value.get(), 2);
}

TEST(TimerHandleTest, CancellingStopsTheTimerAndReleasesItOnce)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    int fired = 0, released = 0;
    TimerHandle handle = loop.every(1s, [&] { ++fired; });
    auto token = std::make_shared<TimerToken>();
    token->onCancel = [&] { ++released; };
    TimerHandle other(token);
    loop.advance(3s);
    handle.cancel(), handle.cancel();
    loop.advance(3s);
    EXPECT_EQ(fired, 3);
    EXPECT_FALSE(handle.isActive());
    other = TimerHandle(); // moving over a handle cancels what it held
    other.cancel();
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(token->active);
    {
        TimerHandle scoped = loop.every(1s, [&] { ++fired; });
    }
    loop.advance(2s);
    EXPECT_EQ(fired, 3);
}
