#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/BundleInfo.h"

namespace tavelo {

// An installed build has its desktop entry beside the executable's prefix:
// <prefix>/bin/tavelo and <prefix>/share/applications/com.tavelo.app.desktop.
class LinuxBundleInfo final : public BundleInfo {
public:
    // `executableDir` defaults to the directory of the running executable.
    explicit LinuxBundleInfo(std::optional<std::filesystem::path> executableDir = std::nullopt);

    bool isInstalled() const override;
    std::string identifier() const override;
    std::optional<std::string> shortVersion() const override;
    // From TAVELO_UPDATE_FEED_URL, when set and not empty.
    std::optional<std::string> updateFeedUrl() const override;

    std::filesystem::path desktopEntryPath() const;

private:
    std::filesystem::path m_executableDir;
};

} // namespace tavelo
