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

TEST(SignalTest, ConnectionsDisconnectWhenDestroyedOrMovedOver)
{
    Signal<int> signal;
    std::vector<int> seen;
    std::optional<Connection> first(signal.connect([&](int v) { seen.push_back(v); }));
    Connection second = signal.connect([&](int v) { seen.push_back(10 * v); });
    signal.notify(1);
    first.reset();
    signal.notify(2);
    second = signal.connect([&](int v) { seen.push_back(100 * v); });
    signal.notify(3);
    EXPECT_EQ(seen, (std::vector<int>{1, 10, 20, 300}));
    EXPECT_EQ(signal.observerCount(), 1u);
}

TEST(SignalTest, ObserversMayDisconnectOrConnectDuringEmit)
{
    Signal<> signal;
    std::vector<std::string> seen;
    Connection b;
    Connection late;
    Connection a = signal.connect([&] {
        seen.push_back("a");
        b.disconnect();
        a.disconnect();
        late = signal.connect([&] { seen.push_back("late"); });
    });
    b = signal.connect([&] { seen.push_back("b"); });
    Connection c = signal.connect([&] { seen.push_back("c"); });
    signal.notify();
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "c"}));
    seen.clear();
    signal.notify();
    EXPECT_EQ(seen, (std::vector<std::string>{"c", "late"}));
}

TEST(SignalTest, ConnectionMayOutliveItsSignal)
{
    Connection connection;
    {
        Signal<> signal;
        connection = signal.connect([] {});
        EXPECT_TRUE(connection.connected());
    }
    EXPECT_FALSE(connection.connected());
    connection.disconnect();
}

TEST(PublishedTest, NotifiesOnEveryAssignmentEvenWhenUnchanged)
{
    Signal<> any;
    Published<int> value(1, &any);
    int own = 0;
    int all = 0;
    Connection c1 = value.observe([&](const int &) { ++own; });
    Connection c2 = any.connect([&] { ++all; });
    value = 1;
    value = 2;
    EXPECT_EQ(own, 2);
    EXPECT_EQ(all, 2);
    EXPECT_EQ(value.get(), 2);
}

TEST(TimerHandleTest, CancellingStopsTheTimerAndReleasesItOnce)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    int fired = 0;
    TimerHandle handle = loop.every(1s, [&] { ++fired; });
    auto token = std::make_shared<TimerToken>();
    int released = 0;
    token->onCancel = [&] { ++released; };
    TimerHandle other(token);

    loop.advance(3s);
    EXPECT_EQ(fired, 3);
    EXPECT_TRUE(handle.isActive());
    handle.cancel();
    handle.cancel();
    EXPECT_FALSE(handle.isActive());
    loop.advance(3s);
    EXPECT_EQ(fired, 3);

    other = TimerHandle(); // moving over a handle cancels what it held
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(token->active);
    other.cancel();
    EXPECT_EQ(released, 1);

    {
        TimerHandle scoped = loop.every(1s, [&] { ++fired; });
    }
    loop.advance(2s);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(loop.activeTimerCount(), 0u);
}
