#pragma once

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "core/BreakModels.h"
#include "core/Clock.h"

namespace tavelo {

class FileSystem;

// Keeps the settings in <folder>/settings.json. Loading never fails: a missing or
// unreadable file gives the defaults silently, a corrupt one the defaults and one
// line on the error stream, and a copy of it is kept beside it, since the next save
// replaces it. A failed save leaves the old file as it was, is reported the same way
// and returns its reason.
class BreakSettingsStore {
public:
    // Files larger than this are not read: they cannot be ours.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    // `folder` is the program's own configuration folder (created on save), or nothing
    // when the user has none.
    BreakSettingsStore(FileSystem &files, std::optional<std::filesystem::path> folder, std::ostream &errors = std::cerr,
                       const Clock &clock = systemClock());

    // Sanitised settings; the defaults when there is no usable file.
    BreakSettings load();
    // Where the last load kept a copy of a corrupt file.
    const std::optional<std::filesystem::path> &damagedCopy() const { return m_damagedCopy; }
    // Atomic and durable: a reader sees the old file or the new one, never a mix.
    // Returns the failure's reason, one printable line.
    std::optional<std::string> save(const BreakSettings &settings) const;

    // The exact bytes `save` writes for `settings` (sanitised, keys sorted).
    static std::string encode(const BreakSettings &settings);

private:
    static const Clock &systemClock();
    std::string report(const std::string &prefix, const std::string &description) const;
    // Copies a corrupt file's bytes aside; says where, or why not, for the report.
    std::string keepCopy(const std::string &bytes);

    FileSystem &m_files;
    std::optional<std::filesystem::path> m_folder;
    std::ostream *m_errors;
    const Clock &m_clock;
    std::optional<std::filesystem::path> m_damagedCopy;
};

} // namespace tavelo
