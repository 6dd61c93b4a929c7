#include "core/BreakSettingsStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "core/UnicodeProperties.h"

namespace tavelo {

namespace fs = std::filesystem;

namespace {

constexpr const char *kFolderName = "Tavelo";
constexpr const char *kFileName = "settings.json";
constexpr const char *kTempPrefix = ".settings.json.";
constexpr const char *kCorruptPrefix = "Tavelo: ignoring corrupt settings.json, using defaults: ";
constexpr const char *kSaveFailedPrefix = "Failed to save settings: ";

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

std::string describe(std::string_view what, const fs::path &path, int error)
{
    return std::string(what) + " " + path.string() + ": " + std::system_category().message(error);
}

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

std::string uniqueSuffix()
{
    static std::mt19937_64 generator = [] {
        std::uint64_t seed = static_cast<std::uint64_t>(::getpid());
        try {
            seed ^= (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
        } catch (const std::exception &) {
            // The pid in the name and O_EXCL keep names unique without it.
        }
        return std::mt19937_64(seed);
    }();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%ld-%016llx", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(generator()));
    return buffer;
}

enum class ReadResult { ok, unreadable, tooLarge };

// Reads at most kMaxFileBytes + 1 bytes, so a huge or endless file costs little.
ReadResult readSmallFile(const fs::path &path, std::string &out)
{
    // O_NONBLOCK: opening a FIFO left in the file's place must not hang start-up.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd)
        return ReadResult::unreadable;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::unreadable;
    if (static_cast<std::uintmax_t>(info.st_size) > BreakSettingsStore::kMaxFileBytes)
        return ReadResult::tooLarge;
    const std::size_t limit = BreakSettingsStore::kMaxFileBytes + 1;
    out.assign(static_cast<std::size_t>(info.st_size) < limit ? static_cast<std::size_t>(info.st_size) + 1 : limit,
               '\0');
    std::size_t used = 0;
    while (true) {
        if (used == out.size()) {
            if (out.size() >= limit)
                break;
            out.resize(std::min(limit, out.size() * 2 + 4096));
        }
        const ssize_t n = ::read(fd.get(), out.data() + used, out.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::unreadable;
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    return used > BreakSettingsStore::kMaxFileBytes ? ReadResult::tooLarge : ReadResult::ok;
}

// Temporary file in the same folder, synced, renamed over the file, folder synced.
// Returns the failure's description; on failure the old file is untouched.
std::optional<std::string> replaceFile(const fs::path &folder, const std::string &bytes)
{
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir)
        return describe("open folder", folder, errno);

    std::string tempName;
    UniqueFd file;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        tempName = kTempPrefix + uniqueSuffix();
        file.reset(::openat(dir.get(), tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!file && errno != EEXIST)
            return describe("create", folder / tempName, errno);
    }
    if (!file)
        return "create " + (folder / kTempPrefix).string() + "*: no unused temporary name";

    const auto discard = [&](std::string_view what, int error) {
        file.reset();
        ::unlinkat(dir.get(), tempName.c_str(), 0);
        return describe(what, folder / tempName, error);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return discard("write", errno);
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(file.get()) != 0)
        return discard("sync", errno);
    if (::close(file.release()) != 0)
        return discard("close", errno);
    if (::renameat(dir.get(), tempName.c_str(), dir.get(), kFileName) != 0)
        return discard("replace", errno);
    // The new content is in place; without this sync a power cut could still lose it.
    if (::fsync(dir.get()) != 0)
        return describe("sync folder", folder, errno);
    return std::nullopt;
}

} // namespace

BreakSettingsStore::BreakSettingsStore(DirectoryProvider configHome, std::ostream &errors)
    : m_configHome(std::move(configHome)), m_errors(&errors)
{
}

std::optional<fs::path> BreakSettingsStore::defaultConfigHome()
{
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg);
    if (const char *home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        return fs::path(home) / ".config";
    // No usable $HOME: the password database still knows the home folder.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd *result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir &&
        fs::path(result->pw_dir).is_absolute())
        return fs::path(result->pw_dir) / ".config";
    return std::nullopt;
}

std::optional<fs::path> BreakSettingsStore::settingsFolder(std::string *error) const
{
    const std::optional<fs::path> home = m_configHome ? m_configHome() : std::nullopt;
    if (!home || !home->is_absolute()) {
        if (error)
            *error = "no absolute configuration folder";
        return std::nullopt;
    }
    const fs::path folder = *home / kFolderName;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(folder, ec);
    if (status.type() == fs::file_type::not_found) {
        ec.clear();
        fs::create_directories(folder, ec);
    }
    if (ec) {
        if (error)
            *error = describe("create folder", folder, ec.value());
        return std::nullopt;
    }
    return folder;
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
    const auto folder = settingsFolder(nullptr);
    if (!folder)
        return BreakSettings::standard;
    std::string bytes;
    switch (readSmallFile(*folder / kFileName, bytes)) {
    case ReadResult::unreadable:
        return BreakSettings::standard;
    case ReadResult::tooLarge:
        report(kCorruptPrefix, "file is larger than 1 MiB");
        return BreakSettings::standard;
    case ReadResult::ok:
        break;
    }
    // The JSON parser stops at a NUL byte and would take what comes after for
    // the end of input; JSON text never holds one unescaped.
    if (bytes.find('\0') != std::string::npos) {
        report(kCorruptPrefix, "NUL byte in the file");
        return BreakSettings::standard;
    }
    std::string error;
    const auto decoded = BreakSettings::decode(bytes, &error);
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
    std::string error;
    const auto folder = settingsFolder(&error);
    if (!folder) {
        report(kSaveFailedPrefix, error);
        return;
    }
    if (const auto failure = replaceFile(*folder, bytes))
        report(kSaveFailedPrefix, *failure);
}

} // namespace tavelo
