#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "core/FileSystem.h"

namespace tavelo::test {

// Files and folders in memory; a failure can be set up for each kind of call.
class FakeFileSystem final : public FileSystem {
public:
    ReadResult readSmallFile(const std::filesystem::path &path, std::size_t maxBytes) override
    {
        const auto found = files.find(path);
        if (found == files.end() || unreadable.contains(path))
            return {};
        if (found->second.size() > maxBytes)
            return {ReadStatus::tooLarge, {}};
        return {ReadStatus::ok, found->second};
    }

    std::optional<std::string> ensureFolder(const std::filesystem::path &folder) override
    {
        if (!folderError)
            folders.insert(folder);
        return folderError;
    }

    std::optional<std::string> replaceFile(const std::filesystem::path &path, const std::string &bytes) override
    {
        if (!replaceError)
            files[path] = bytes;
        return replaceError;
    }

    std::optional<std::string> createFile(const std::filesystem::path &path, const std::string &bytes) override
    {
        if (files.contains(path))
            return "create " + path.string() + ": File exists";
        files[path] = bytes;
        return std::nullopt;
    }

    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> folders;
    std::set<std::filesystem::path> unreadable;
    std::optional<std::string> folderError;
    std::optional<std::string> replaceError;
};

} // namespace tavelo::test
