#include "app/history/LocalTimeZone.h"

#include <QDateTime>

namespace tavelo {

UtcOffsetFunction localTimeZoneOffset()
{
    return [](TimePoint t) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
        return std::chrono::seconds(QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc());
    };
}

} // namespace tavelo
