#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/linux/QtHttpSession.h"
#include "support/LocalHttpServer.h"

using namespace tavelo;
using test::LocalHttpServer;
using namespace std::chrono_literals;

namespace {

struct Outcome {
    std::optional<HttpResponse> response;
    std::string error;
};

class QtHttpSessionTest : public ::testing::Test {
protected:
    // Runs one GET to completion (or gives up after `wait`).
    std::optional<Outcome> fetch(QtHttpSession &session, const std::string &url, int wait = 10000)
    {
        std::optional<Outcome> outcome;
        bool calledInside = true;
        session.get(url, [&](std::optional<HttpResponse> response, const std::string &error) {
            outcome = Outcome{std::move(response), error};
        });
        calledInside = outcome.has_value();
        EXPECT_FALSE(calledInside) << "completion ran inside get()";
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, wait)) << url;
        return outcome;
    }

    LocalHttpServer server;
};

TEST_F(QtHttpSessionTest, ReturnsTheBodyAndStatusOfAnyAnswer)
{
    QtHttpSession session;
    server.handler = [](QTcpSocket &socket, const QByteArray &head) {
        if (head.startsWith("GET /latest.json "))
            LocalHttpServer::reply(socket, "200 OK", R"({"linux": {}})");
        else
            LocalHttpServer::reply(socket, "500 Internal Server Error", "<html>oops</html>");
    };

    auto ok = fetch(session, server.url());
    ASSERT_TRUE(ok && ok->response) << (ok ? ok->error : "");
    EXPECT_EQ(ok->response->status, 200);
    EXPECT_EQ(ok->response->body, R"({"linux": {}})");

    auto failed = fetch(session, server.url("/broken"));
    ASSERT_TRUE(failed && failed->response) << (failed ? failed->error : "");
    EXPECT_EQ(failed->response->status, 500);
    EXPECT_EQ(failed->response->body, "<html>oops</html>");

    // The manager goes once nothing is running.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.holdsManager(); }, 2000));
}

TEST_F(QtHttpSessionTest, EveryRequestGoesToTheServer)
{
    QtHttpSession session;
    int served = 0;
    server.handler = [&](QTcpSocket &socket, const QByteArray &) {
        ++served;
        LocalHttpServer::reply(socket, "200 OK", "answer " + QByteArray::number(served),
                               "Cache-Control: public, max-age=86400\r\nETag: \"same\"\r\n"
                               "Last-Modified: Mon, 05 Jan 2026 09:00:00 GMT\r\n");
    };
    auto first = fetch(session, server.url());
    auto second = fetch(session, server.url());
    ASSERT_TRUE(first && first->response && second && second->response);
    EXPECT_EQ(first->response->body, "answer 1");
    EXPECT_EQ(second->response->body, "answer 2");
    ASSERT_EQ(server.heads.size(), 2u);
    EXPECT_FALSE(server.heads[1].contains("If-None-Match"));
    EXPECT_FALSE(server.heads[1].contains("If-Modified-Since"));
}

TEST_F(QtHttpSessionTest, AServerThatGoesQuietTimesOut)
{
    QtHttpSession session(QtHttpSession::Limits{500ms, 60s, 1 << 20});
    server.handler = [](QTcpSocket &, const QByteArray &) {};
    QElapsedTimer clock;
    clock.start();
    auto outcome = fetch(session, server.url());
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->response);
    EXPECT_EQ(outcome->error, "timed out");
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(QtHttpSessionTest, ATrickleIsCutOffByTheTotalTimeOut)
{
    QtHttpSession session(QtHttpSession::Limits{2s, 700ms, 1 << 20});
    std::vector<std::unique_ptr<QTimer>> drips;
    server.handler = [&](QTcpSocket &socket, const QByteArray &) {
        socket.write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
        auto timer = std::make_unique<QTimer>();
        QPointer<QTcpSocket> guard(&socket);
        QObject::connect(timer.get(), &QTimer::timeout, [guard] {
            if (guard)
                guard->write("{");
        });
        timer->start(100);
        drips.push_back(std::move(timer));
    };
    QElapsedTimer clock;
    clock.start();
    auto outcome = fetch(session, server.url());
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->response);
    EXPECT_EQ(outcome->error, "timed out");
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(QtHttpSessionTest, ABodyOverTheLimitFails)
{
    constexpr int limit = 4096;
    QtHttpSession session(QtHttpSession::Limits{5s, 60s, limit});
    int bytesSentWithoutLength = 0;
    server.handler = [&](QTcpSocket &socket, const QByteArray &head) {
        if (head.startsWith("GET /exact ")) {
            LocalHttpServer::reply(socket, "200 OK", QByteArray(limit, 'x'));
        } else if (head.startsWith("GET /declared ")) {
            LocalHttpServer::reply(socket, "200 OK", QByteArray(limit + 1, 'x'));
        } else {
            // No length: the body runs until the connection closes, and never does here.
            socket.write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            QPointer<QTcpSocket> guard(&socket);
            auto pump = std::make_shared<std::function<void()>>();
            *pump = [guard, pump, &bytesSentWithoutLength] {
                if (!guard || guard->state() != QAbstractSocket::ConnectedState || bytesSentWithoutLength > 64 << 20)
                    return;
                bytesSentWithoutLength += static_cast<int>(guard->write(QByteArray(16384, 'y')));
                QTimer::singleShot(1, guard, *pump);
            };
            (*pump)();
        }
    };

    auto exact = fetch(session, server.url("/exact"));
    ASSERT_TRUE(exact && exact->response) << (exact ? exact->error : "");
    EXPECT_EQ(exact->response->body.size(), static_cast<std::size_t>(limit));

    auto declared = fetch(session, server.url("/declared"));
    ASSERT_TRUE(declared);
    EXPECT_FALSE(declared->response);
    EXPECT_EQ(declared->error, "response body too large");

    auto endless = fetch(session, server.url("/endless"));
    ASSERT_TRUE(endless);
    EXPECT_FALSE(endless->response);
    EXPECT_EQ(endless->error, "response body too large");
    // Stopped soon after the limit, not at the end of the stream.
    EXPECT_LT(bytesSentWithoutLength, 8 << 20);
}

TEST_F(QtHttpSessionTest, RedirectsAreFollowedOnlyToHttps)
{
    QtHttpSession session;
    server.handler = [&](QTcpSocket &socket, const QByteArray &head) {
        if (head.startsWith("GET /moved "))
            LocalHttpServer::reply(socket, "302 Found", "",
                                   "Location: " + QByteArray::fromStdString(server.url()) + "\r\n");
        else
            LocalHttpServer::reply(socket, "200 OK", "{}");
    };
    auto outcome = fetch(session, server.url("/moved"));
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->response);
    EXPECT_EQ(outcome->error, "redirect to a non-https address refused");
    EXPECT_EQ(server.heads.size(), 1u);
}

TEST_F(QtHttpSessionTest, UnreachableOrUnusableAddressesFailLater)
{
    QtHttpSession session;
    std::string closedPort;
    {
        LocalHttpServer gone;
        closedPort = gone.url();
    }
    for (const std::string &url : {closedPort, std::string("not a url"), std::string("ftp://127.0.0.1/x")}) {
        auto outcome = fetch(session, url);
        ASSERT_TRUE(outcome) << url;
        EXPECT_FALSE(outcome->response) << url;
        EXPECT_FALSE(outcome->error.empty()) << url;
    }
}

TEST_F(QtHttpSessionTest, EndingTheSessionMidRequestCallsNobody)
{
    server.handler = [](QTcpSocket &, const QByteArray &) {};
    bool called = false;
    {
        QtHttpSession session;
        session.get(server.url(), [&](std::optional<HttpResponse>, const std::string &) { called = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !server.heads.empty(); }, 5000));
        EXPECT_EQ(session.requestsInFlight(), 1);
    }
    QTest::qWait(50);
    EXPECT_FALSE(called);
}

} // namespace
