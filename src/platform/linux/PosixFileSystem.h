#pragma once

#include "core/FileSystem.h"

namespace tavelo {

// The core's file operations on the local disk.
class PosixFileSystem final : public FileSystem {
public:
    ReadResult readSmallFile(const std::filesystem::path &path, std::size_t maxBytes) override;
    std::optional<std::string> ensureFolder(const std::filesystem::path &folder) override;
    std::optional<std::string> replaceFile(const std::filesystem::path &path, const std::string &bytes) override;
    std::optional<std::string> createFile(const std::filesystem::path &path, const std::string &bytes) override;
};

} // namespace tavelo
