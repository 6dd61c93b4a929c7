#pragma once

#include <functional>

namespace tavelo {

class IdleTimeSource;

// Reads how long the keyboard and pointer have been idle, in seconds. Main thread only.
class IdleMonitor {
public:
    // `source` is the desktop's (the platform builds it) or a test's; it must outlive the monitor.
    explicit IdleMonitor(IdleTimeSource &source);

    // The source's value; 0 when it cannot tell or gives a value that is not finite.
    double idleSeconds();
    // The same value handed to `answer`, at once or when the source has it (a beat later
    // for a source that asks a server).
    void readIdleSeconds(std::function<void(double)> answer);

private:
    IdleTimeSource &m_source;
};

} // namespace tavelo
