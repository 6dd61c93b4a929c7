#pragma once

namespace tavelo {

class IdleTimeSource;

// Reads how long the keyboard and pointer have been idle, in seconds. Main thread only.
class IdleMonitor {
public:
    // `source` is the desktop's (the platform builds it) or a test's; it must outlive the monitor.
    explicit IdleMonitor(IdleTimeSource &source);

    // The source's value; 0 when it cannot tell or gives a value that is not finite.
    double idleSeconds();

private:
    IdleTimeSource &m_source;
};

} // namespace tavelo
