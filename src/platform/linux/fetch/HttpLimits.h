#pragma once

#include <chrono>
#include <cstdint>

namespace tavelo {

// The bounds of one HTTP request.
struct HttpLimits {
    // A request with no bytes moving for this long fails.
    std::chrono::milliseconds transferTimeout{60'000};
    // A request still running after this long fails, however slowly bytes trickle in.
    std::chrono::milliseconds totalTimeout{30'000};
    // A body larger than this fails; the download stops once it is exceeded. The one
    // document fetched is well under 5 KB with its fields at their longest.
    std::int64_t maxBodyBytes = 64 << 10;
};

} // namespace tavelo
