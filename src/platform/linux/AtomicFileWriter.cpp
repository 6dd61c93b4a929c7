#include "platform/linux/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

namespace tavelo {

namespace fs = std::filesystem;

namespace {

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

AtomicFileWriter::Failure failure(std::string_view what, const fs::path &path, int error)
{
    return {std::string(what) + " " + path.string() + ": " + std::system_category().message(error), error};
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

QString userText(const char *text, const fs::path &path, int error)
{
    return QCoreApplication::translate("tavelo::AtomicFileWriter", text)
        .arg(QString::fromStdString(path.string()), QString::fromLocal8Bit(std::strerror(error)));
}

// The writer's pid in a temporary name's tail, "<pid>-<16 hex digits>", as uniqueSuffix makes it.
std::optional<pid_t> temporaryWriter(std::string_view tail)
{
    const std::size_t dash = tail.find('-');
    if (dash == std::string_view::npos || dash == 0 || tail[0] == '0' || tail.size() - dash - 1 != 16)
        return std::nullopt;
    const auto isHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    if (!std::all_of(tail.begin() + static_cast<std::ptrdiff_t>(dash) + 1, tail.end(), isHex))
        return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dash, pid);
    if (error != std::errc() || end != tail.data() + dash || pid <= 0)
        return std::nullopt;
    return pid;
}

} // namespace

std::optional<AtomicFileWriter::Failure> AtomicFileWriter::replace(const fs::path &path, std::string_view contents)
{
    return install(path, "replace", contents, [](int dir, const char *from, const char *to) {
        return ::renameat(dir, from, dir, to) == 0 ? 0 : errno;
    });
}

std::optional<AtomicFileWriter::Failure> AtomicFileWriter::create(const fs::path &path, std::string_view contents)
{
    // A second name for the temporary file, which link() never lets replace anything.
    return install(path, "create", contents, [](int dir, const char *from, const char *to) {
        const int error = ::linkat(dir, from, dir, to, 0) == 0 ? 0 : errno;
        ::unlinkat(dir, from, 0);
        return error;
    });
}

std::optional<AtomicFileWriter::Failure>
AtomicFileWriter::install(const fs::path &path, std::string_view step, std::string_view contents,
                          const std::function<int(int, const char *, const char *)> &place)
{
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const std::string name = path.filename().string();
    // Every step works relative to the folder's descriptor, so a folder swapped for a
    // symlink half-way cannot redirect the rename.
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir)
        return failure("open folder", folder, errno);

    std::string tempName;
    UniqueFd file;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        // Appended step by step: g++ 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
        tempName.assign(1, '.');
        tempName += name;
        tempName += '.';
        tempName += uniqueSuffix();
        // O_EXCL and O_NOFOLLOW: never write through a file or link someone left there.
        file.reset(::openat(dir.get(), tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (!file && errno != EEXIST)
            return failure("create", folder / tempName, errno);
    }
    if (!file)
        return Failure{"create " + (folder / ("." + name + ".")).string() + "*: no unused temporary name", EEXIST};

    const auto discard = [&](std::string_view what, const fs::path &shown, int error) {
        file.reset();
        ::unlinkat(dir.get(), tempName.c_str(), 0);
        return failure(what, shown, error);
    };
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(file.get(), contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return discard("write", folder / tempName, errno);
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(file.get()) != 0)
        return discard("sync", folder / tempName, errno);
    if (::close(file.release()) != 0)
        return discard("close", folder / tempName, errno);
    if (const int error = place(dir.get(), tempName.c_str(), name.c_str()))
        return discard(step, path, error);
    // The new content is in place; without this sync a power cut could still lose it.
    if (::fsync(dir.get()) != 0)
        return failure("sync folder", folder, errno);
    return std::nullopt;
}

void AtomicFileWriter::removeAbandoned(const fs::path &path)
{
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    // Built without copying from a literal, for the same false warning as above.
    std::string prefix(1, '.');
    prefix += path.filename().string();
    prefix += '.';
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir)
        return;
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec); !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        const std::optional<pid_t> writer =
            name.starts_with(prefix) ? temporaryWriter(name.substr(prefix.size())) : std::nullopt;
        // A pid in use again keeps its file until the next save; a live writer keeps it.
        if (writer && ::kill(*writer, 0) != 0 && errno == ESRCH)
            ::unlinkat(dir.get(), name.c_str(), 0);
    }
}

std::optional<std::string> AtomicFileWriter::write(const fs::path &path, const std::string &contents)
{
    const fs::path folder = path.parent_path();
    std::error_code folderError;
    fs::create_directories(folder, folderError);
    if (folderError)
        return userText(QT_TRANSLATE_NOOP("tavelo::AtomicFileWriter", "Could not create the folder %1: %2"), folder,
                        folderError.value())
            .toStdString();
    if (const auto failed = replace(path, contents))
        return userText(QT_TRANSLATE_NOOP("tavelo::AtomicFileWriter", "Could not write %1: %2"), path, failed->error)
            .toStdString();
    return std::nullopt;
}

} // namespace tavelo
