#include "platform/linux/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/AtomicFileWriter.h"

namespace tavelo {

namespace fs = std::filesystem;

namespace {
// As many as the kernel follows in one path.
constexpr int kMaxLinkHops = 40;
} // namespace

FileSystem::ReadResult PosixFileSystem::readSmallFile(const fs::path &path, std::size_t maxBytes)
{
    // O_NONBLOCK: opening a FIFO left in the file's place must not hang start-up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return {};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return {ReadStatus::tooLarge, {}};
    // Reads at most maxBytes + 1, so a file that grows while read costs little too.
    const std::size_t limit = maxBytes + 1;
    ReadResult result{ReadStatus::ok, std::string(std::min(static_cast<std::size_t>(info.st_size) + 1, limit), '\0')};
    std::string &out = result.bytes;
    std::size_t used = 0;
    while (true) {
        if (used == out.size()) {
            if (out.size() >= limit)
                break;
            out.resize(std::min(limit, out.size() * 2 + 4096));
        }
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    if (used > maxBytes)
        return {ReadStatus::tooLarge, {}};
    return result;
}

std::optional<std::string> PosixFileSystem::ensureFolder(const fs::path &folder)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(folder, ec);
    if (status.type() == fs::file_type::not_found) {
        ec.clear();
        fs::create_directories(folder, ec);
    }
    if (ec)
        return "create folder " + folder.string() + ": " + std::system_category().message(ec.value());
    return std::nullopt;
}

std::optional<std::string> PosixFileSystem::replaceFile(const fs::path &path, const std::string &bytes)
{
    // A link (to a dotfiles checkout, say) stays: its target gets the new content.
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path next = fs::read_symlink(target, ec);
        if (ec || hops == kMaxLinkHops)
            return "resolve " + path.string() + ": " + std::system_category().message(ec ? ec.value() : ELOOP);
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    AtomicFileWriter::removeAbandoned(target);
    if (auto failure = AtomicFileWriter::replace(target, bytes))
        return std::move(failure->description);
    return std::nullopt;
}

std::optional<std::string> PosixFileSystem::createFile(const fs::path &path, const std::string &bytes)
{
    if (auto failure = AtomicFileWriter::create(path, bytes))
        return std::move(failure->description);
    return std::nullopt;
}

} // namespace tavelo
