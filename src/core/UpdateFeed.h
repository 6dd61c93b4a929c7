#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavelo {

// Which entry of the update feed a build reads.
enum class FeedArchitecture { generic, arm64 };

// The update feed: a JSON object with optional `linux` and `linuxArm64` releases.
// Other keys are ignored.
struct UpdateFeed {
    struct PlatformInfo {
        std::string version;
        std::string url;
        friend bool operator==(const PlatformInfo &, const PlatformInfo &) = default;
    };

    // Bounds on what a release can plausibly need. Past them a feed is broken or hostile:
    // every field ends up in notices and the user defaults. An address of 2 KB is about the
    // longest that browsers and servers all handle.
    static constexpr std::size_t maxVersionLength = 64;
    static constexpr std::size_t maxUrlLength = 2048;

    // The trailing underscore: `linux` is a predefined macro in the GNU dialects.
    std::optional<PlatformInfo> linux_;
    std::optional<PlatformInfo> linuxArm64;

    // Nothing when `json` is not such an object, or when an entry that is present lacks
    // `version` or `url` or holds them as anything but strings (null counts as absent), or
    // when a version is not plain (AppVersion::isPlain) or a field is longer than allowed.
    static std::optional<UpdateFeed> decode(std::string_view json);

    // An arm64 build takes `linuxArm64` whenever it is present, else `linux`; other builds
    // take `linux` only. Null when the build has no entry.
    const PlatformInfo *entryFor(FeedArchitecture architecture) const;
};

} // namespace tavelo
