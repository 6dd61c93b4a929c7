#include "platform/linux/SwayWorkspaceAreas.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tavelo {

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 8;
constexpr std::uint32_t kGetWorkspaces = 1;
// A list of workspaces is a few kilobytes; anything far larger is not an answer.
constexpr std::uint32_t kMaxReply = 1u << 20;

using SteadyClock = std::chrono::steady_clock;

// A plain socket (not the network module) for one short exchange with a deadline.
class IpcSocket {
public:
    IpcSocket() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~IpcSocket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    IpcSocket(const IpcSocket &) = delete;
    IpcSocket &operator=(const IpcSocket &) = delete;

    bool connectTo(const QByteArray &path, SteadyClock::time_point deadline)
    {
        sockaddr_un address{};
        if (m_fd < 0 || path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
            return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
            return true;
        if (errno != EINPROGRESS && errno != EAGAIN)
            return false;
        int error = 0;
        socklen_t size = sizeof(error);
        return wait(POLLOUT, deadline) && ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }

    bool writeAll(const QByteArray &bytes, SteadyClock::time_point deadline)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::send(m_fd, bytes.constData() + done, std::size_t(bytes.size() - done), MSG_NOSIGNAL);
            if (n > 0)
                done += n;
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            else if (n < 0 && errno == EAGAIN && !wait(POLLOUT, deadline))
                return false;
        }
        return true;
    }

    // Appends what arrives next; false at the deadline, the end of the stream or an error.
    bool readSome(QByteArray &into, SteadyClock::time_point deadline)
    {
        char buffer[16384];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof(buffer), 0);
            if (n > 0) {
                into.append(buffer, n);
                return true;
            }
            if (n == 0 || (errno != EAGAIN && errno != EINTR))
                return false;
            if (errno == EAGAIN && !wait(POLLIN, deadline))
                return false;
        }
    }

private:
    bool wait(short events, SteadyClock::time_point deadline)
    {
        for (;;) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
            if (left.count() <= 0)
                return false;
            pollfd entry{m_fd, events, 0};
            const int ready = ::poll(&entry, 1, int(left.count()));
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR)
                return false;
        }
    }

    int m_fd;
};

} // namespace

std::vector<QRect> SwayWorkspaceAreas::query(const QString &socketPath, int timeoutMs)
{
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    IpcSocket socket;
    if (!socket.connectTo(socketPath.toLocal8Bit(), deadline))
        return {};
    // Header: magic, payload length, message type, both in the host's byte order.
    QByteArray request(kMagic, kMagicSize);
    const std::uint32_t header[2] = {0, kGetWorkspaces};
    request.append(reinterpret_cast<const char *>(header), sizeof(header));
    if (!socket.writeAll(request, deadline))
        return {};
    QByteArray reply;
    std::uint32_t length = 0;
    while (reply.size() < kHeaderSize || reply.size() < kHeaderSize + qsizetype(length)) {
        if (!socket.readSome(reply, deadline))
            return {};
        if (reply.size() >= kHeaderSize) {
            if (!reply.startsWith(kMagic))
                return {};
            std::memcpy(&length, reply.constData() + kMagicSize, sizeof(length));
            if (length > kMaxReply)
                return {};
        }
    }
    return parse(reply.mid(kHeaderSize, length));
}

std::vector<QRect> SwayWorkspaceAreas::parse(const QByteArray &json)
{
    std::vector<QRect> areas;
    for (const QJsonValue &value : QJsonDocument::fromJson(json).array()) {
        const QJsonObject workspace = value.toObject();
        const QJsonObject rect = workspace.value("rect").toObject();
        const QRect area(rect.value("x").toInt(), rect.value("y").toInt(), rect.value("width").toInt(),
                         rect.value("height").toInt());
        if (workspace.value("visible").toBool() && !area.isEmpty())
            areas.push_back(area);
    }
    return areas;
}

} // namespace tavelo
