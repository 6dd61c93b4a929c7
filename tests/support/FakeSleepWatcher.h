#pragma once

#include <functional>

#include "platform/SleepWatcher.h"

namespace tavelo::test {

// A sleep watcher whose announcements the test makes.
class FakeSleepWatcher final : public SleepWatcher {
public:
    void start(std::function<void()> onWillSleep, std::function<void()> onDidWake) override
    {
        ++startCount;
        m_onWillSleep = std::move(onWillSleep);
        m_onDidWake = std::move(onDidWake);
    }

    void willSleep()
    {
        if (m_onWillSleep)
            m_onWillSleep();
    }
    void didWake()
    {
        if (m_onDidWake)
            m_onDidWake();
    }

    int startCount = 0;

private:
    std::function<void()> m_onWillSleep;
    std::function<void()> m_onDidWake;
};

} // namespace tavelo::test
