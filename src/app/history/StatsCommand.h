#pragma once

#include <filesystem>
#include <ostream>

#include "core/Clock.h"
#include "core/LocalCalendar.h"

namespace tavelo {

// Prints the statistics (text, or JSON with json=true) for the last `days` days; returns the exit code.
int runStatsCommand(bool json, int days, std::ostream &out, std::ostream &err);

// The same over any history file, clock and time zone.
int runStatsCommand(bool json, int days, std::ostream &out, std::ostream &err, const std::filesystem::path &file,
                    const Clock &clock, const UtcOffsetFunction &utcOffset);

} // namespace tavelo
