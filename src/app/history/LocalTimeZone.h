#pragma once

#include "core/LocalCalendar.h"

namespace tavelo {

// The system time zone's offset from UTC at any instant, as Qt knows it (TZ honoured).
UtcOffsetFunction localTimeZoneOffset();

} // namespace tavelo
