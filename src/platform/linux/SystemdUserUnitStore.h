#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/UnitFileStore.h"

namespace tavelo {

// Fallback units as systemd user services: $XDG_CONFIG_HOME/systemd/user/<label>.service,
// wanted by graphical-session.target so they start once per graphical login.
class SystemdUserUnitStore final : public UnitFileStore {
public:
    using ConfigHome = std::function<std::optional<std::filesystem::path>()>;

    // `configHome` defaults to $XDG_CONFIG_HOME, else ~/.config.
    explicit SystemdUserUnitStore(ConfigHome configHome = {});

    std::optional<std::filesystem::path> unitPath(const std::string &label) const override;
    bool exists(const std::filesystem::path &path) const override;
    std::optional<std::string> write(const std::filesystem::path &path,
                                     const std::filesystem::path &executable) override;
    std::optional<std::string> remove(const std::filesystem::path &path) override;

    static std::string unitText(const std::filesystem::path &executable);
    // `path` as one ExecStart argument: quoted, with escapes for quotes, backslashes and
    // control characters, and `%` and `$` doubled so neither specifiers nor variables apply.
    static std::string quoteExecArgument(const std::string &path);

private:
    ConfigHome m_configHome;
};

} // namespace tavelo
