#include "platform/linux/AtomicFileWriter.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
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

} // namespace

std::optional<AtomicFileWriter::Failure> AtomicFileWriter::replace(const fs::path &path, std::string_view contents)
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
        tempName = ".";
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

    const auto discard = [&](std::string_view what, int error) {
        file.reset();
        ::unlinkat(dir.get(), tempName.c_str(), 0);
        return failure(what, folder / tempName, error);
    };
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(file.get(), contents.data() + written, contents.size() - written);
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
    if (::renameat(dir.get(), tempName.c_str(), dir.get(), name.c_str()) != 0)
        return discard("replace", errno);
    // The new content is in place; without this sync a power cut could still lose it.
    if (::fsync(dir.get()) != 0)
        return failure("sync folder", folder, errno);
    return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::write(const fs::path &path, const std::string &contents)
{
    const fs::path folder = path.parent_path();
    std::error_code folderError;
    fs::create_directories(folder, folderError);
    if (folderError)
        return userText("Could not create the folder %1: %2", folder, folderError.value()).toStdString();
    if (const auto failed = replace(path, contents))
        return userText("Could not write %1: %2", path, failed->error).toStdString();
    return std::nullopt;
}

} // namespace tavelo
