#include "core/TimeMath.h"

#include <algorithm>
#include <limits>

namespace tavelo::timemath {

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::int64_t countOf(TimePoint t)
{
    return std::chrono::duration_cast<Nanos>(t.time_since_epoch()).count();
}

TimePoint fromCount(std::int64_t nanos)
{
    nanos = std::clamp(nanos, -kInstantLimitNanos, kInstantLimitNanos);
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(Nanos(nanos)));
}
} // namespace

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return b > 0 ? kMax : kMin;
    return result;
}

std::int64_t saturatingMul(std::int64_t a, std::int64_t b)
{
    std::int64_t result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        return ((a < 0) == (b < 0)) ? kMax : kMin;
    return result;
}

std::int64_t capPhaseSeconds(std::int64_t seconds)
{
    return std::clamp<std::int64_t>(seconds, 0, kMaxPhaseSeconds);
}

std::int64_t minutesToPhaseSeconds(std::int64_t minutes)
{
    return capPhaseSeconds(saturatingMul(minutes, 60));
}

TimePoint clampInstant(TimePoint t)
{
    return fromCount(countOf(t));
}

TimePoint addNanos(TimePoint t, std::int64_t nanos)
{
    return fromCount(saturatingAdd(countOf(t), nanos));
}

TimePoint addSeconds(TimePoint t, std::int64_t seconds)
{
    return addNanos(t, saturatingMul(seconds, kNanosPerSecond));
}

std::int64_t nanosBetween(TimePoint a, TimePoint b)
{
    std::int64_t result = 0;
    if (__builtin_sub_overflow(countOf(a), countOf(b), &result))
        return countOf(a) > countOf(b) ? kMax : kMin;
    return result;
}

std::int64_t ceilSecondsBetween(TimePoint a, TimePoint b)
{
    const std::int64_t nanos = nanosBetween(a, b);
    std::int64_t seconds = nanos / kNanosPerSecond;
    if (nanos % kNanosPerSecond > 0)
        ++seconds;
    return seconds;
}

std::int64_t truncSecondsBetween(TimePoint a, TimePoint b)
{
    return nanosBetween(a, b) / kNanosPerSecond;
}

} // namespace tavelo::timemath
