#include <string>

#include <QProcess>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include "app/services/UpdateService.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/QtHttpSession.h"
#include "platform/linux/QtMainLoop.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeUserDefaults.h"
#include "support/FakeWorkspace.h"
#include "support/LocalHttpServer.h"

using namespace tavelo;

namespace {

const std::string kDownload = "https://tavelo.app/download/tavelo-1.0.0-x86_64.tar.gz";

QString dunstctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("dunstctl"), arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        ADD_FAILURE() << "dunstctl " << arguments.join(' ').toStdString() << " did not finish";
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool dunstShows(int count)
{
    return dunstctl({QStringLiteral("count"), QStringLiteral("displayed")}).toInt() == count;
}

// The whole road of an update notice: feed over HTTP, notice in dunst, click, opener.
class UpdateClickTest : public ::testing::Test {
protected:
    UpdateClickTest()
    {
        server.handler = [](QTcpSocket &socket, const QByteArray &) {
            test::LocalHttpServer::reply(socket, "200 OK",
                                         R"({"linux": {"version": "1.0.0", "url": ")" +
                                             QByteArray::fromStdString(kDownload) + R"("}})");
        };
    }

    // A check asked for by the user, until its notice is on screen.
    void checkAndShow()
    {
        dunstctl({QStringLiteral("close-all")});
        ASSERT_TRUE(QTest::qWaitFor([] { return dunstShows(0); }, 5000));
        const std::size_t served = server.heads.size();
        service.checkForUpdates(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.heads.size() > served; }, 5000));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return session.requestsInFlight() == 0 && center.callsInFlight() == 0; }, 5000));
        ASSERT_TRUE(QTest::qWaitFor([] { return dunstShows(1); }, 5000));
    }

    test::LocalHttpServer server;
    QtMainLoop loop;
    QtHttpSession session;
    FreedesktopNotificationCenter center;
    test::FakeUserDefaults defaults;
    test::FakeBundleInfo bundle{true};
    test::FakeWorkspace workspace;
    UpdateService service{session, center, defaults, bundle, workspace, loop, FeedArchitecture::generic, server.url()};
};

TEST_F(UpdateClickTest, ClickingUpdateAvailableOpensTheDownload)
{
    bundle.version = "0.2.0";
    checkAndShow();
    dunstctl({QStringLiteral("action"), QStringLiteral("0")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !workspace.openedUrls.empty(); }, 5000));
    EXPECT_EQ(workspace.openedUrls, std::vector<std::string>{kDownload});
}

TEST_F(UpdateClickTest, ClickingUpToDateOpensNothing)
{
    // The download address is known, but this notice is not the one that carries it.
    bundle.version = "0.2.0";
    checkAndShow();
    bundle.version = "1.0.0";
    checkAndShow();
    dunstctl({QStringLiteral("action"), QStringLiteral("0")});
    // Give a wrong click every chance to arrive.
    QTest::qWait(300);
    EXPECT_TRUE(workspace.openedUrls.empty());
}

} // namespace
