#pragma once

#include <chrono>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/Clock.h"

// Saturating time arithmetic: instants saturate at the ends of the clock's range and
// differences saturate too, whatever the settings or hook arguments.
namespace tavelo::timemath {

static_assert(std::is_same_v<TimePoint::duration, std::chrono::nanoseconds>,
              "the helpers count instants in nanoseconds");

using Nanos = std::chrono::nanoseconds;

inline constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
// Phase and pause lengths never exceed ten years.
inline constexpr std::int64_t kMaxPhaseSeconds = 315'360'000;
// The whole range of the clock (about 1677 to 2262), so that a wrong system clock far in
// the future still gets deadlines after it.
inline constexpr std::int64_t kInstantLimitNanos = std::numeric_limits<std::int64_t>::max();

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b);
std::int64_t saturatingMul(std::int64_t a, std::int64_t b);

// Minutes to seconds, capped at the maximum phase length.
std::int64_t minutesToPhaseSeconds(std::int64_t minutes);
// Clamps a length in seconds to [0, kMaxPhaseSeconds].
std::int64_t capPhaseSeconds(std::int64_t seconds);

// `t` moved by `seconds` (whole or fractional), kept inside the instant limits.
TimePoint addSeconds(TimePoint t, std::int64_t seconds);
TimePoint addNanos(TimePoint t, std::int64_t nanos);
TimePoint clampInstant(TimePoint t);

// a - b in nanoseconds, saturating.
std::int64_t nanosBetween(TimePoint a, TimePoint b);
// ⌈a − b⌉ in whole seconds.
std::int64_t ceilSecondsBetween(TimePoint a, TimePoint b);
// a − b in whole seconds, truncated toward zero.
std::int64_t truncSecondsBetween(TimePoint a, TimePoint b);

} // namespace tavelo::timemath
