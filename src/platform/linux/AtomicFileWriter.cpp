#include "platform/linux/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

namespace tavelo {

namespace {

std::string describe(const char *what, const std::filesystem::path &path, int error)
{
    return QCoreApplication::translate("tavelo::AtomicFileWriter", what)
        .arg(QString::fromStdString(path.string()), QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor() { close(); }
    int get() const { return m_fd; }
    int close()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const std::string &contents)
{
    const char *data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::optional<std::string> AtomicFileWriter::write(const std::filesystem::path &path, const std::string &contents)
{
    const std::filesystem::path folder = path.parent_path();
    std::error_code folderError;
    std::filesystem::create_directories(folder, folderError);
    if (folderError)
        return describe("Could not create the folder %1: %2", folder, folderError.value());

    // Appended step by step: g++ 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
    std::string name = ".";
    name += path.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0)
        return describe("Could not write %1: %2", path, errno);
    auto fail = [&](int error) {
        file.close();
        ::unlink(temporary.c_str());
        return describe("Could not write %1: %2", path, error);
    };
    if (::fchmod(file.get(), 0644) != 0 || !writeAll(file.get(), contents) || ::fsync(file.get()) != 0)
        return fail(errno);
    if (file.close() != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return describe("Could not write %1: %2", path, error);
    }
    // The rename itself must survive a crash too.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return std::nullopt;
}

} // namespace tavelo
