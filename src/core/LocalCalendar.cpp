#include "core/LocalCalendar.h"

namespace tavelo {

using namespace std::chrono;

sys_days LocalCalendar::dayOf(TimePoint t) const
{
    return floor<days>(time_point_cast<seconds>(t) + m_offset(t));
}

TimePoint LocalCalendar::startOf(sys_days day) const
{
    const TimePoint midnight = day;
    // The offset at local midnight is the one in force just before or after it; two
    // rounds settle on it unless a change lies within hours of midnight.
    TimePoint start = midnight - m_offset(midnight);
    start = midnight - m_offset(start);
    if (dayOf(start) < day) {
        // Midnight was skipped: the date begins where the clock jumped past it.
        TimePoint before = start;
        TimePoint after = midnight + hours(24);
        while (after - before > seconds(1)) {
            const TimePoint mid = before + (after - before) / 2;
            (dayOf(mid) < day ? before : after) = mid;
        }
        start = after;
    }
    return start;
}

} // namespace tavelo
