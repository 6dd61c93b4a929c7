#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "core/BreakModels.h"

namespace tavelo {

// Keeps the settings in <config home>/Tavelo/settings.json. Never fails: a
// missing or unreadable file gives the defaults silently, a corrupt one the
// defaults and one line on the error stream; a failed save leaves the old file
// as it was and is reported the same way.
class BreakSettingsStore {
public:
    // The per-user configuration folder, or nothing when there is none.
    using DirectoryProvider = std::function<std::optional<std::filesystem::path>()>;

    // Files larger than this are not read: they cannot be ours.
    static constexpr std::uintmax_t kMaxFileBytes = 1024 * 1024;

    explicit BreakSettingsStore(DirectoryProvider configHome, std::ostream &errors = std::cerr);

    // $XDG_CONFIG_HOME when set and absolute, else ~/.config.
    static std::optional<std::filesystem::path> defaultConfigHome();

    // Sanitised settings; the defaults when there is no usable file.
    BreakSettings load() const;
    // Atomic and durable: a reader sees the old file or the new one, never a mix.
    void save(const BreakSettings &settings) const;

    // The exact bytes `save` writes for `settings` (sanitised, keys sorted).
    static std::string encode(const BreakSettings &settings);

private:
    // Creates the "Tavelo" folder when nothing is at its path.
    std::optional<std::filesystem::path> settingsFolder(std::string *error) const;
    void report(const std::string &prefix, const std::string &description) const;

    DirectoryProvider m_configHome;
    std::ostream *m_errors;
};

} // namespace tavelo
