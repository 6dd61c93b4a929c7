#pragma once

#include "core/UpdateFeed.h"

namespace tavelo {

// The update-feed entry this build reads, fixed when it is compiled.
#if defined(__aarch64__)
inline constexpr FeedArchitecture buildArchitecture = FeedArchitecture::arm64;
#else
inline constexpr FeedArchitecture buildArchitecture = FeedArchitecture::generic;
#endif

} // namespace tavelo
