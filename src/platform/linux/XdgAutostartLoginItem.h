#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/LoginItemService.h"

namespace tavelo {

// The login item as an XDG autostart entry, $XDG_CONFIG_HOME/autostart/<id>.desktop,
// which every freedesktop session starts at login. Present and not hidden is enabled.
class XdgAutostartLoginItem final : public LoginItemService {
public:
    using ConfigHome = std::function<std::optional<std::filesystem::path>()>;

    // `configHome` defaults to $XDG_CONFIG_HOME, else ~/.config.
    XdgAutostartLoginItem(std::filesystem::path executable, std::string applicationId, ConfigHome configHome = {});

    Status status() const override;
    std::optional<std::string> registerItem() override;
    std::optional<std::string> unregisterItem() override;

    std::optional<std::filesystem::path> entryPath() const;
    // The desktop entry the item consists of.
    std::string entryText() const;
    // `path` as one Exec argument: quoted and escaped so that spaces, quotes,
    // backslashes, dollars and percent signs reach the program unchanged.
    static std::string quoteExecArgument(const std::string &path);

private:
    std::filesystem::path m_executable;
    std::string m_applicationId;
    ConfigHome m_configHome;
};

} // namespace tavelo
