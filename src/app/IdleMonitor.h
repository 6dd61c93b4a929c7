#pragma once

#include <functional>
#include <memory>

namespace tavelo {

class IdleTimeSource;

// Reads how long the keyboard and pointer have been idle, in seconds. Main thread only.
class IdleMonitor {
public:
    using Source = std::function<double()>;

    // Without a source the monitor reads the system's idle time.
    explicit IdleMonitor(Source source = {});
    ~IdleMonitor();
    IdleMonitor(const IdleMonitor &) = delete;
    IdleMonitor &operator=(const IdleMonitor &) = delete;

    // The injected source's value, else the system's; a value that is not finite reads as 0.
    double idleSeconds();
    // The desktop's idle time, from the first of its counters that answers; 0 when none does.
    // The counters are set up on first use (a QGuiApplication must exist by then).
    double systemIdleSeconds();

private:
    Source m_source;
    std::unique_ptr<IdleTimeSource> m_system;
};

} // namespace tavelo
