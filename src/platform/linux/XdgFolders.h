#pragma once

#include <filesystem>
#include <optional>

namespace tavelo {

// The user's base folders as the XDG base directory rules name them. A variable counts
// only when it holds an absolute path; nothing when no such folder can be found.
class XdgFolders {
public:
    // $HOME, else the password database's home folder.
    static std::optional<std::filesystem::path> home();
    // $XDG_CONFIG_HOME, else <home>/.config.
    static std::optional<std::filesystem::path> configHome();
    // $XDG_DATA_HOME, else <home>/.local/share.
    static std::optional<std::filesystem::path> dataHome();
    // $XDG_RUNTIME_DIR; it has no fallback, since only the session can make one.
    static std::optional<std::filesystem::path> runtimeDir();
};

} // namespace tavelo
