#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavelo {

// The per-user service file that starts the program at login when the login item
// cannot be registered. Fallible operations return the error's description.
class UnitFileStore {
public:
    virtual ~UnitFileStore() = default;

    // Where the unit for `label` lives; absent when the user's configuration folder is unknown.
    virtual std::optional<std::filesystem::path> unitPath(const std::string &label) const = 0;
    virtual bool exists(const std::filesystem::path &path) const = 0;
    // Writes, atomically, a unit that starts `executable` once per graphical login,
    // creating the missing folders on the way.
    virtual std::optional<std::string> write(const std::filesystem::path &path,
                                             const std::filesystem::path &executable) = 0;
    virtual std::optional<std::string> remove(const std::filesystem::path &path) = 0;
};

} // namespace tavelo
