#pragma once

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "core/BreakModels.h"

namespace tavelo {

class FileSystem;

// Keeps the settings in <folder>/settings.json. Never fails: a missing or
// unreadable file gives the defaults silently, a corrupt one the defaults and one
// line on the error stream; a failed save leaves the old file as it was and is
// reported the same way.
class BreakSettingsStore {
public:
    // Files larger than this are not read: they cannot be ours.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    // `folder` is the program's own configuration folder (created on save), or nothing
    // when the user has none.
    BreakSettingsStore(FileSystem &files, std::optional<std::filesystem::path> folder,
                       std::ostream &errors = std::cerr);

    // Sanitised settings; the defaults when there is no usable file.
    BreakSettings load() const;
    // Atomic and durable: a reader sees the old file or the new one, never a mix.
    void save(const BreakSettings &settings) const;

    // The exact bytes `save` writes for `settings` (sanitised, keys sorted).
    static std::string encode(const BreakSettings &settings);

private:
    void report(const std::string &prefix, const std::string &description) const;

    FileSystem &m_files;
    std::optional<std::filesystem::path> m_folder;
    std::ostream *m_errors;
};

} // namespace tavelo
