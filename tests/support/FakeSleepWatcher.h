#pragma once

#include <functional>

#include "platform/SleepWatcher.h"

namespace tavelo::test {

// A sleep watcher whose announcements the test makes by calling `willSleep` and `didWake`.
class FakeSleepWatcher final : public SleepWatcher {
public:
    void start(std::function<void()> onWillSleep, std::function<void()> onDidWake) override
    {
        ++startCount;
        willSleep = std::move(onWillSleep);
        didWake = std::move(onDidWake);
    }

    std::function<void()> willSleep;
    std::function<void()> didWake;
    int startCount = 0;
};

} // namespace tavelo::test
