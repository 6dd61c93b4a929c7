#pragma once

#include <chrono>

namespace tavelo {

using TimePoint = std::chrono::system_clock::time_point;

// Source of wall-clock instants; injected so that tests can move time by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

class SystemClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::system_clock::now(); }
};

} // namespace tavelo
