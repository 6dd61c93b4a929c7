#include <QProcess>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"
#include "platform/linux/SwayWorkspaceAreas.h"

using namespace tavelo;

namespace {

// sway's side of the socket, in a process of its own: the client blocks while it waits.
// It answers each request in two pieces, the header split, or never when `silent`.
const char *const kServer = R"(
import os, socket, struct, sys, time
path, silent, reply = sys.argv[1], sys.argv[2] == "1", sys.argv[3].encode()
server = socket.socket(socket.AF_UNIX)
server.bind(path)
server.listen()
print("ready", flush=True)
while True:
    client, _ = server.accept()
    request = client.recv(14)
    assert request[:6] == b"i3-ipc" and struct.unpack("=II", request[6:14]) == (0, 1), request
    if silent:
        time.sleep(5)
        continue
    message = b"i3-ipc" + struct.pack("=II", len(reply), 1) + reply
    client.sendall(message[:9])
    time.sleep(0.05)
    client.sendall(message[9:])
    client.close()
)";

const char *const kWorkspaces = R"([
  {"name": "1", "visible": true, "rect": {"x": 0, "y": 26, "width": 1280, "height": 998}},
  {"name": "2", "visible": false, "rect": {"x": 0, "y": 26, "width": 1280, "height": 998}},
  {"name": "3", "visible": true, "rect": {"x": 1280, "y": 0, "width": 1280, "height": 1024}}
])";

} // namespace

// Only visible workspaces count; a reply read in pieces is whole; a sway that never
// answers costs no more than the time-out.
TEST(SwayWorkspaceAreas, AsksSwayAndGivesUpOnSilence)
{
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "silent" : "answering");
        QTemporaryDir folder;
        const QString path = folder.filePath("sway.sock");
        QProcess server;
        server.start("python3", {"-c", kServer, path, silent ? "1" : "0", kWorkspaces});
        ASSERT_TRUE(server.waitForReadyRead(test::kWaitMs));
        QElapsedTimer clock;
        clock.start();
        const std::vector<QRect> areas = SwayWorkspaceAreas::query(path, silent ? 300 : test::kWaitMs);
        if (silent) {
            EXPECT_TRUE(areas.empty());
            EXPECT_LT(clock.elapsed(), 3000);
        } else {
            EXPECT_EQ(areas, (std::vector<QRect>{{0, 26, 1280, 998}, {1280, 0, 1280, 1024}}));
        }
        server.kill();
        server.waitForFinished();
    }
    EXPECT_TRUE(SwayWorkspaceAreas::query("/nonexistent/sway.sock").empty());
    EXPECT_TRUE(SwayWorkspaceAreas::parse("{not json").empty());
}
