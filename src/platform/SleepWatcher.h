#pragma once

#include <functional>

namespace tavelo {

// Tells when the machine is about to suspend and when it has resumed.
class SleepWatcher {
public:
    virtual ~SleepWatcher() = default;

    // Starts watching; a second call does nothing. `onWillSleep` runs before the machine
    // sleeps (the watcher holds the suspend back until it has returned), `onDidWake` after
    // it woke. Where the system cannot tell, neither is ever called.
    virtual void start(std::function<void()> onWillSleep, std::function<void()> onDidWake) = 0;
};

} // namespace tavelo
