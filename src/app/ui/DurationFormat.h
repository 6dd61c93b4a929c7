#pragma once

#include <cstdint>
#include <string>

#include <QString>

namespace tavelo {

// "MM:SS" below an hour, "H:MM:SS" from an hour up; negative counts as 0.
std::string formatCountdown(std::int64_t seconds);
// "Nm" below an hour, "Nh MMm" from an hour up; negative counts as 0.
std::string formatPausedDuration(std::int64_t seconds);
// formatPausedDuration in the user's language, for texts (the CSV and JSON keep the above).
QString localPausedDuration(std::int64_t seconds);

} // namespace tavelo
