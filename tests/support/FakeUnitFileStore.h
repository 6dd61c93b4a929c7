#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/UnitFileStore.h"

namespace tavelo::test {

// Unit files in memory, under a configuration folder that may be unknown.
class FakeUnitFileStore final : public UnitFileStore {
public:
    std::optional<std::filesystem::path> configHome = std::filesystem::path("/home/user/.config");
    // path -> the executable its unit starts
    std::map<std::filesystem::path, std::filesystem::path> files;
    std::optional<std::string> writeError;
    std::optional<std::string> removeError;

    std::optional<std::filesystem::path> unitPath(const std::string &label) const override
    {
        return configHome ? std::optional(*configHome / "systemd" / "user" / (label + ".service")) : std::nullopt;
    }
    bool exists(const std::filesystem::path &path) const override { return files.count(path) > 0; }
    std::optional<std::string> write(const std::filesystem::path &path,
                                     const std::filesystem::path &executable) override
    {
        if (!writeError)
            files[path] = executable;
        return writeError;
    }
    std::optional<std::string> remove(const std::filesystem::path &path) override
    {
        if (!removeError)
            files.erase(path);
        return removeError;
    }
};

} // namespace tavelo::test
