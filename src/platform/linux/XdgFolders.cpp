#include "platform/linux/XdgFolders.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace tavelo {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> absoluteVariable(const char *name)
{
    if (const char *value = std::getenv(name); value && fs::path(value).is_absolute())
        return fs::path(value);
    return std::nullopt;
}

std::optional<fs::path> underHome(const char *variable, const fs::path &fallback)
{
    if (auto folder = absoluteVariable(variable))
        return folder;
    if (auto home = XdgFolders::home())
        return *home / fallback;
    return std::nullopt;
}

} // namespace

std::optional<fs::path> XdgFolders::home()
{
    if (auto home = absoluteVariable("HOME"))
        return home;
    // No usable $HOME: the password database still knows the home folder.
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd *result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir &&
        fs::path(result->pw_dir).is_absolute())
        return fs::path(result->pw_dir);
    return std::nullopt;
}

std::optional<fs::path> XdgFolders::configHome()
{
    return underHome("XDG_CONFIG_HOME", ".config");
}

std::optional<fs::path> XdgFolders::dataHome()
{
    return underHome("XDG_DATA_HOME", fs::path(".local") / "share");
}

std::optional<fs::path> XdgFolders::runtimeDir()
{
    return absoluteVariable("XDG_RUNTIME_DIR");
}

} // namespace tavelo
