#include "platform/linux/LinuxBundleInfo.h"

#include <cstdlib>
#include <system_error>

namespace tavelo {

namespace {

std::filesystem::path runningExecutableDir()
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

} // namespace

LinuxBundleInfo::LinuxBundleInfo(std::optional<std::filesystem::path> executableDir)
    : m_executableDir(executableDir ? std::move(*executableDir) : runningExecutableDir())
{
}

bool LinuxBundleInfo::isInstalled() const
{
    if (m_executableDir.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(desktopEntryPath(), error);
}

std::string LinuxBundleInfo::identifier() const
{
    return "com.tavelo.app";
}

std::optional<std::string> LinuxBundleInfo::shortVersion() const
{
    return std::string(TAVELO_VERSION_STRING);
}

std::optional<std::string> LinuxBundleInfo::updateFeedUrl() const
{
    const char *value = std::getenv("TAVELO_UPDATE_FEED_URL");
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

std::filesystem::path LinuxBundleInfo::desktopEntryPath() const
{
    return m_executableDir / ".." / "share" / "applications" / "com.tavelo.app.desktop";
}

} // namespace tavelo
