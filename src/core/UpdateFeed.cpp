#include "core/UpdateFeed.h"

#include <nlohmann/json.hpp>

#include "core/AppVersion.h"

namespace tavelo {

namespace {

using Json = nlohmann::json;

// False when the entry is present but unreadable, which spoils the whole feed.
bool readEntry(const Json &feed, const char *key, std::optional<UpdateFeed::PlatformInfo> &entry)
{
    const auto it = feed.find(key);
    if (it == feed.end() || it->is_null())
        return true;
    if (!it->is_object())
        return false;
    const auto version = it->find("version");
    const auto url = it->find("url");
    if (version == it->end() || url == it->end() || !version->is_string() || !url->is_string())
        return false;
    const auto &versionText = version->get_ref<const std::string &>();
    const auto &urlText = url->get_ref<const std::string &>();
    if (versionText.size() > UpdateFeed::maxVersionLength || !AppVersion::isPlain(versionText) ||
        urlText.size() > UpdateFeed::maxUrlLength)
        return false;
    entry = UpdateFeed::PlatformInfo{versionText, urlText};
    return true;
}

} // namespace

std::optional<UpdateFeed> UpdateFeed::decode(std::string_view json)
{
    const Json document = Json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (!document.is_object())
        return std::nullopt;
    UpdateFeed feed;
    if (!readEntry(document, "linux", feed.linux_) || !readEntry(document, "linuxArm64", feed.linuxArm64))
        return std::nullopt;
    return feed;
}

const UpdateFeed::PlatformInfo *UpdateFeed::entryFor(FeedArchitecture architecture) const
{
    if (architecture == FeedArchitecture::arm64 && linuxArm64)
        return &*linuxArm64;
    return linux_ ? &*linux_ : nullptr;
}

} // namespace tavelo
