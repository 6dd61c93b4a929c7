#include "app/ui/DurationFormat.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include <QCoreApplication>

namespace tavelo {

std::string formatCountdown(std::int64_t seconds)
{
    const std::int64_t s = std::max<std::int64_t>(seconds, 0);
    char buffer[48];
    if (s < 3600)
        std::snprintf(buffer, sizeof buffer, "%02" PRId64 ":%02" PRId64, s / 60, s % 60);
    else
        std::snprintf(buffer, sizeof buffer, "%" PRId64 ":%02" PRId64 ":%02" PRId64, s / 3600, (s % 3600) / 60, s % 60);
    return buffer;
}

std::string formatPausedDuration(std::int64_t seconds)
{
    const std::int64_t s = std::max<std::int64_t>(seconds, 0);
    char buffer[48];
    if (s < 3600)
        std::snprintf(buffer, sizeof buffer, "%" PRId64 "m", s / 60);
    else
        std::snprintf(buffer, sizeof buffer, "%" PRId64 "h %02" PRId64 "m", s / 3600, (s % 3600) / 60);
    return buffer;
}

QString localPausedDuration(std::int64_t seconds)
{
    const std::int64_t s = std::max<std::int64_t>(seconds, 0);
    if (s < 3600)
        return QCoreApplication::translate("tavelo::DurationFormat", "%1m").arg(s / 60);
    return QCoreApplication::translate("tavelo::DurationFormat", "%1h %2m")
        .arg(s / 3600)
        .arg((s % 3600) / 60, 2, 10, QLatin1Char('0'));
}

} // namespace tavelo
