#include "platform/linux/SwayWorkspaceAreas.h"

#include <cstdint>
#include <cstring>

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

namespace tavelo {

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 8;
constexpr std::uint32_t kGetWorkspaces = 1;
// A list of workspaces is a few kilobytes; anything far larger is not an answer.
constexpr std::uint32_t kMaxReply = 1u << 20;

} // namespace

std::vector<QRect> SwayWorkspaceAreas::query(const QString &socketPath, int timeoutMs)
{
    QLocalSocket socket;
    const QDeadlineTimer deadline(timeoutMs);
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return {};
    // Header: magic, payload length, message type, both in the host's byte order.
    QByteArray request(kMagic, kMagicSize);
    const std::uint32_t header[2] = {0, kGetWorkspaces};
    request.append(reinterpret_cast<const char *>(header), sizeof(header));
    socket.write(request);
    QByteArray reply;
    std::uint32_t length = 0;
    while (reply.size() < kHeaderSize || reply.size() < kHeaderSize + qsizetype(length)) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return {};
        reply.append(socket.readAll());
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
