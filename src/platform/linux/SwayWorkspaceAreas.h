#pragma once

#include <vector>

#include <QByteArray>
#include <QRect>
#include <QString>

namespace tavelo {

// The areas of sway's visible workspaces, which leave out the bars, asked for over sway's
// IPC socket. The answer comes at once from a running sway; a silent one is given up
// after `timeoutMs`, so the caller never waits long.
class SwayWorkspaceAreas {
public:
    static std::vector<QRect> query(const QString &socketPath, int timeoutMs = 250);
    // The rectangles of the visible workspaces in a GET_WORKSPACES reply.
    static std::vector<QRect> parse(const QByteArray &json);
};

} // namespace tavelo
