#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tavelo {

// The few file operations the core needs, so that it stays free of the operating
// system. Failures come back as one-line descriptions, never as exceptions.
class FileSystem {
public:
    enum class ReadStatus { ok, unreadable, tooLarge };
    struct ReadResult {
        ReadStatus status = ReadStatus::unreadable;
        std::string bytes;
    };

    virtual ~FileSystem() = default;

    // A regular file of at most `maxBytes`. Missing, unreadable or not a regular file
    // (a folder, a FIFO) is `unreadable`; the call never waits for a writer.
    virtual ReadResult readSmallFile(const std::filesystem::path &path, std::size_t maxBytes) = 0;
    // Creates `folder` and its parents when nothing is at its path yet.
    virtual std::optional<std::string> ensureFolder(const std::filesystem::path &folder) = 0;
    // Atomic and durable: a reader sees the old content or the new, and the new survives
    // a power cut once this returns. On failure the old file is untouched.
    virtual std::optional<std::string> replaceFile(const std::filesystem::path &path, const std::string &bytes) = 0;
    // A new file, whole and durable or not at all; fails when anything is at `path` already.
    virtual std::optional<std::string> createFile(const std::filesystem::path &path, const std::string &bytes) = 0;
};

} // namespace tavelo
