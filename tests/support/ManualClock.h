#pragma once

#include <chrono>

#include "core/Clock.h"

namespace tavelo::test {

// A clock that moves only when the test says so.
class ManualClock final : public Clock {
public:
    // A fixed, realistic start: 2026-01-05 09:00:00 UTC.
    static constexpr std::chrono::seconds kStart{1767603600};

    TimePoint now() const override { return m_now; }
    void set(TimePoint t) { m_now = t; }
    void advance(std::chrono::nanoseconds d) { m_now += std::chrono::duration_cast<TimePoint::duration>(d); }

private:
    TimePoint m_now{std::chrono::duration_cast<TimePoint::duration>(kStart)};
};

} // namespace tavelo::test
