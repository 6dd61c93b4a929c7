#pragma once

#include <chrono>
#include <functional>

#include "core/Clock.h"

namespace tavelo {

// The local time zone's offset from UTC at an instant (daylight saving included).
using UtcOffsetFunction = std::function<std::chrono::seconds(TimePoint)>;

// Local calendar days over UTC instants, from the caller's offset function, so that the
// core needs no time-zone database.
class LocalCalendar {
public:
    explicit LocalCalendar(UtcOffsetFunction offset) : m_offset(std::move(offset)) {}

    // The local date of `t`.
    std::chrono::sys_days dayOf(TimePoint t) const;
    // The first instant of the local date `day`: its midnight, or when a clock change
    // skips midnight, the first instant that falls on that date.
    TimePoint startOf(std::chrono::sys_days day) const;

private:
    UtcOffsetFunction m_offset;
};

} // namespace tavelo
