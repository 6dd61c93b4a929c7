#pragma once

#include <cstdint>
#include <string>

namespace tavelo {

// "MM:SS" below an hour, "H:MM:SS" from an hour up; negative counts as 0.
std::string formatCountdown(std::int64_t seconds);
// "Nm" below an hour, "Nh MMm" from an hour up; negative counts as 0.
std::string formatPausedDuration(std::int64_t seconds);

} // namespace tavelo
