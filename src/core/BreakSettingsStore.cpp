#include "core/BreakSettingsStore.h"

#include <chrono>
#include <cstdio>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/FileSystem.h"
#include "core/UnicodeProperties.h"

namespace tavelo {

namespace {

constexpr const char *kFileName = "settings.json";
constexpr const char *kCorruptPrefix = "Tavelo: ignoring corrupt settings.json, using defaults: ";
constexpr const char *kSaveFailedPrefix = "Failed to save settings: ";
// Names tried for the copy of a corrupt file when one from the same second is there.
constexpr int kCopyNames = 5;

// Error texts can carry bytes from the file or a path; keep the message one
// readable line by escaping control characters and malformed UTF-8.
std::string printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const auto c = UnicodeProperties::decodeUtf8(text, pos);
        if (c && *c >= 0x20 && *c != 0x7F && !(*c >= 0x80 && *c <= 0x9F)) {
            out.append(text.substr(start, pos - start));
            continue;
        }
        for (std::size_t i = start; i < pos; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

// "20260105-090000", in UTC.
std::string timestamp(TimePoint now)
{
    namespace chrono = std::chrono;
    const auto day = chrono::floor<chrono::days>(now);
    const chrono::year_month_day date(day);
    const chrono::hh_mm_ss time(chrono::floor<chrono::seconds>(now - day));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02ld%02ld%02ld", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return text;
}

} // namespace

BreakSettingsStore::BreakSettingsStore(FileSystem &files, std::optional<std::filesystem::path> folder,
                                       std::ostream &errors, const Clock &clock)
    : m_files(files), m_folder(std::move(folder)), m_errors(&errors), m_clock(clock)
{
    if (m_folder && !m_folder->is_absolute())
        m_folder.reset();
}

const Clock &BreakSettingsStore::systemClock()
{
    static const SystemClock clock;
    return clock;
}

std::string BreakSettingsStore::report(const std::string &prefix, const std::string &description) const
{
    std::string line = printable(description);
    *m_errors << prefix << line << '\n' << std::flush;
    return line;
}

std::string BreakSettingsStore::encode(const BreakSettings &settings)
{
    // nlohmann's object keeps keys sorted by name.
    return settings.sanitized().toJson().dump(2) + "\n";
}

BreakSettings BreakSettingsStore::load()
{
    m_damagedCopy.reset();
    // The folder is made on load too, so a first start leaves it for the user to find.
    if (!m_folder || m_files.ensureFolder(*m_folder))
        return BreakSettings::standard;
    const FileSystem::ReadResult read = m_files.readSmallFile(*m_folder / kFileName, kMaxFileBytes);
    switch (read.status) {
    case FileSystem::ReadStatus::unreadable:
        return BreakSettings::standard;
    case FileSystem::ReadStatus::tooLarge:
        report(kCorruptPrefix, "file is larger than 1 MiB");
        return BreakSettings::standard;
    case FileSystem::ReadStatus::ok:
        break;
    }
    // The JSON parser stops at a NUL byte and would take what comes after for
    // the end of input; JSON text never holds one unescaped.
    std::string error = "NUL byte in the file";
    const auto decoded =
        read.bytes.find('\0') == std::string::npos ? BreakSettings::decode(read.bytes, &error) : std::nullopt;
    if (!decoded) {
        report(kCorruptPrefix, error + keepCopy(read.bytes));
        return BreakSettings::standard;
    }
    return decoded->sanitized();
}

std::string BreakSettingsStore::keepCopy(const std::string &bytes)
{
    if (bytes.empty())
        return {};
    const std::string base = (*m_folder / kFileName).string() + ".damaged-" + timestamp(m_clock.now());
    std::optional<std::string> failure;
    for (int n = 1; n <= kCopyNames; ++n) {
        const std::filesystem::path copy = n == 1 ? base : base + "-" + std::to_string(n);
        failure = m_files.createFile(copy, bytes);
        if (!failure) {
            m_damagedCopy = copy;
            return "; copied to " + copy.string();
        }
    }
    return "; could not keep a copy: " + *failure;
}

std::optional<std::string> BreakSettingsStore::save(const BreakSettings &settings) const
{
    std::string bytes;
    try {
        bytes = encode(settings);
    } catch (const std::exception &e) {
        return report(kSaveFailedPrefix, e.what());
    }
    if (!m_folder)
        return report(kSaveFailedPrefix, "no absolute configuration folder");
    if (auto failure = m_files.ensureFolder(*m_folder))
        return report(kSaveFailedPrefix, *failure);
    if (auto failure = m_files.replaceFile(*m_folder / kFileName, bytes))
        return report(kSaveFailedPrefix, *failure);
    return std::nullopt;
}

} // namespace tavelo
