#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "core/MainLoop.h"
#include "core/Published.h"
#include "core/Signal.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

TEST(SignalTest, ObserversMayDisconnectOrConnectDuringEmitAndPublishedValuesNotifyOnEveryAssignment)
{
    auto signal = std::make_unique<Signal<>>();
    std::string seen;
    Connection b, late;
    Connection a = signal->connect([&] {
        seen += "a ", b.disconnect(), a.disconnect();
        late = signal->connect([&] { seen += "late "; });
    });
    b = signal->connect([&] { seen += "b "; });
    std::optional<Connection> c(signal->connect([&] { seen += "c "; }));
    signal->notify(), signal->notify();
    c.reset(), signal->notify(); // a destroyed connection disconnects
    EXPECT_TRUE(seen == "a c c late late " && signal->observerCount() == 1u) << seen;
    signal.reset(); // connections may outlive their signal
    EXPECT_FALSE(late.connected());
    late.disconnect();
    // A published value notifies on every assignment, even when unchanged.
    Signal<> any;
    Published<int> value(1, &any);
    int calls = 0;
    Connection c1 = value.observe([&](const int &) { ++calls; }), c2 = any.connect([&] { ++calls; });
    value = 1, value = 2;
    EXPECT_TRUE(calls == 4 && value.get() == 2) << calls;
}

TEST(TimerHandleTest, CancellingStopsTheTimerAndReleasesItOnce)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    int fired = 0, released = 0;
    TimerHandle handle = loop.every(1s, [&] { ++fired; });
    const auto token = std::make_shared<TimerToken>(TimerToken{true, [&] { ++released; }});
    TimerHandle other(token);
    loop.advance(3s), handle.cancel(), handle.cancel(), loop.advance(3s);
    EXPECT_FALSE(handle.isActive());
    other = TimerHandle(), other.cancel(); // moving over a handle cancels what it held
    EXPECT_TRUE(released == 1 && !token->active);
    loop.every(1s, [&] { ++fired; }); // a dropped handle cancels its timer
    loop.advance(2s);
    EXPECT_EQ(fired, 3);
}
