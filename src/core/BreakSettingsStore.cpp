#include "core/BreakSettingsStore.h"

#include <string_view>

#include <nlohmann/json.hpp>

#include "core/FileSystem.h"
#include "core/UnicodeProperties.h"

namespace tavelo {

namespace {

constexpr const char *kFileName = "settings.json";
constexpr const char *kCorruptPrefix = "Tavelo: ignoring corrupt settings.json, using defaults: ";
constexpr const char *kSaveFailedPrefix = "Failed to save settings: ";

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

} // namespace

BreakSettingsStore::BreakSettingsStore(FileSystem &files, std::optional<std::filesystem::path> folder,
                                       std::ostream &errors)
    : m_files(files), m_folder(std::move(folder)), m_errors(&errors)
{
    if (m_folder && !m_folder->is_absolute())
        m_folder.reset();
}

void BreakSettingsStore::report(const std::string &prefix, const std::string &description) const
{
    *m_errors << prefix << printable(description) << '\n' << std::flush;
}

std::string BreakSettingsStore::encode(const BreakSettings &settings)
{
    // nlohmann's object keeps keys sorted by name.
    return settings.sanitized().toJson().dump(2) + "\n";
}

BreakSettings BreakSettingsStore::load() const
{
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
    if (read.bytes.find('\0') != std::string::npos) {
        report(kCorruptPrefix, "NUL byte in the file");
        return BreakSettings::standard;
    }
    std::string error;
    const auto decoded = BreakSettings::decode(read.bytes, &error);
    if (!decoded) {
        report(kCorruptPrefix, error);
        return BreakSettings::standard;
    }
    return decoded->sanitized();
}

void BreakSettingsStore::save(const BreakSettings &settings) const
{
    std::string bytes;
    try {
        bytes = encode(settings);
    } catch (const std::exception &e) {
        report(kSaveFailedPrefix, e.what());
        return;
    }
    if (!m_folder) {
        report(kSaveFailedPrefix, "no absolute configuration folder");
        return;
    }
    if (auto failure = m_files.ensureFolder(*m_folder)) {
        report(kSaveFailedPrefix, *failure);
        return;
    }
    if (auto failure = m_files.replaceFile(*m_folder / kFileName, bytes))
        report(kSaveFailedPrefix, *failure);
}

} // namespace tavelo
