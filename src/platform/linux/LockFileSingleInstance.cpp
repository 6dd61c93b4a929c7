#include "platform/linux/LockFileSingleInstance.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/XdgFolders.h"

namespace tavelo {

namespace fs = std::filesystem;

LockFileSingleInstance::LockFileSingleInstance(std::unique_ptr<SingleInstance> bus,
                                               std::optional<std::filesystem::path> lockFile)
    : m_bus(std::move(bus)), m_lockFile(std::move(lockFile))
{
}

LockFileSingleInstance::~LockFileSingleInstance()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

SingleInstance::Claim LockFileSingleInstance::claim(std::function<void()> onActivate)
{
    const Lock lock = this->lock();
    const Claim claim = m_bus->claim(std::move(onActivate));
    if (claim == Claim::unavailable && lock == Lock::heldElsewhere)
        return Claim::alreadyRunning;
    return claim;
}

LockFileSingleInstance::Lock LockFileSingleInstance::lock()
{
    if (!m_lockFile)
        return Lock::unusable;
    // Close-on-exec: a child outliving the program must not hold the lock.
    const int descriptor = ::open(m_lockFile->c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return Lock::unusable;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        m_descriptor = descriptor;
        return Lock::taken;
    }
    const int error = errno;
    ::close(descriptor);
    return error == EWOULDBLOCK ? Lock::heldElsewhere : Lock::unusable;
}

std::optional<fs::path> LockFileSingleInstance::defaultLockFile()
{
    if (const std::optional<fs::path> runtime = XdgFolders::runtimeDir())
        return *runtime / "tavelo.lock";
    // Anyone may make a folder in /tmp: use it only when it is ours alone.
    const uid_t user = ::getuid();
    const fs::path folder = "/tmp/tavelo-" + std::to_string(user);
    ::mkdir(folder.c_str(), 0700);
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != user ||
        (status.st_mode & 077) != 0)
        return std::nullopt;
    return folder / "tavelo.lock";
}

} // namespace tavelo
