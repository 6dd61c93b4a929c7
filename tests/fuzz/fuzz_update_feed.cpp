// Update feed decoding: never crashes, an entry is chosen as the build dictates, what
// decodes is within bounds, and it survives being written out and read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/AppVersion.h"
#include "core/UpdateFeed.h"

using tavelo::FeedArchitecture;
using tavelo::UpdateFeed;

namespace {

void put(nlohmann::json &document, const char *key, const std::optional<UpdateFeed::PlatformInfo> &entry)
{
    if (entry)
        document[key] = {{"version", entry->version}, {"url", entry->url}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto feed = UpdateFeed::decode(text);
    if (!feed)
        return 0;

    const UpdateFeed::PlatformInfo *arm = feed->entryFor(FeedArchitecture::arm64);
    const UpdateFeed::PlatformInfo *plain = feed->entryFor(FeedArchitecture::generic);
    if (plain != (feed->linux_ ? &*feed->linux_ : nullptr))
        std::abort();
    if (arm != (feed->linuxArm64 ? &*feed->linuxArm64 : plain))
        std::abort();
    if (arm) {
        // The service compares it with the running version.
        const tavelo::AppVersion offered(arm->version);
        if (offered.raw() != arm->version || !tavelo::AppVersion::isPlain(arm->version) ||
            arm->version.size() > UpdateFeed::maxVersionLength || arm->url.size() > UpdateFeed::maxUrlLength)
            std::abort();
        (void)(tavelo::AppVersion("0.2.0") < offered);
    }

    nlohmann::json document = nlohmann::json::object();
    put(document, "linux", feed->linux_);
    put(document, "linuxArm64", feed->linuxArm64);
    const auto again = UpdateFeed::decode(document.dump());
    if (!again || again->linux_ != feed->linux_ || again->linuxArm64 != feed->linuxArm64)
        std::abort();
    return 0;
}
