#include <optional>
#include <string>

#include <QElapsedTimer>
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

// Runs one GET to completion, which must come on a later turn of the loop.
Outcome fetch(QtHttpSession &session, const std::string &url)
{
    std::optional<Outcome> outcome;
    session.get(url, [&](std::optional<HttpResponse> response, const std::string &error) {
        outcome = Outcome{std::move(response), error};
    });
    EXPECT_FALSE(outcome.has_value()) << "completion ran inside get()";
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 30000)) << url;
    return outcome.value_or(Outcome{std::nullopt, "no answer"});
}

// Writes `chunk` every `ms` until the connection goes.
void drip(QTcpSocket &socket, QByteArray chunk, int ms)
{
    auto *timer = new QTimer(&socket);
    QObject::connect(timer, &QTimer::timeout, &socket, [&socket, chunk] { socket.write(chunk); });
    timer->start(ms);
}

} // namespace

TEST(QtHttpSessionTest, ReturnsAnyAnswerAndStopsWhatRunsTooLongGrowsTooLargeOrLeavesHttps)
{
    constexpr int limit = 4096;
    LocalHttpServer server;
    server.handler = [&](QTcpSocket &socket, const QByteArray &head) {
        const QByteArray path = head.split(' ').value(1);
        if (path == "/latest.json")
            LocalHttpServer::reply(socket, "200 OK", R"({"linux": {}})");
        else if (path == "/broken")
            LocalHttpServer::reply(socket, "500 Internal Server Error", "<html>oops</html>");
        else if (path == "/exact" || path == "/declared")
            LocalHttpServer::reply(socket, "200 OK", QByteArray(path == "/exact" ? limit : limit + 1, 'x'));
        else if (path == "/moved")
            LocalHttpServer::reply(socket, "302 Found", "",
                                   "Location: " + QByteArray::fromStdString(server.url()) + "\r\n");
        else if (path == "/trickle") {
            socket.write("HTTP/1.1 200 OK\r\nContent-Length: 4000\r\n\r\n");
            drip(socket, "{", 50);
        } else if (path == "/endless") {
            // No length: the body runs until the connection closes, which it never does.
            socket.write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            drip(socket, QByteArray(16384, 'y'), 1);
        }
    };
    std::string closedPort;
    {
        LocalHttpServer gone;
        closedPort = gone.url();
    }
    const struct {
        std::string url; // a path on the server, or an address as is
        std::chrono::milliseconds transfer, total;
        int status; // of the response; 0 for an error
        std::string bodyOrError;
    } cases[] = {
        {"/latest.json", 20s, 60s, 200, R"({"linux": {}})"},
        {"/broken", 20s, 60s, 500, "<html>oops</html>"},
        {"/exact", 20s, 60s, 200, std::string(limit, 'x')},
        {"/declared", 20s, 60s, 0, "response body too large"},
        {"/endless", 20s, 60s, 0, "response body too large"},
        {"/quiet", 500ms, 60s, 0, "timed out"},
        {"/trickle", 20s, 700ms, 0, "timed out"},
        {"/moved", 20s, 60s, 0, "redirect to a non-https address refused"},
        {closedPort, 20s, 60s, 0, ""},
        {"not a url", 20s, 60s, 0, ""},
        {"ftp://127.0.0.1/x", 20s, 60s, 0, ""},
    };
    for (const auto &c : cases) {
        QtHttpSession session(QtHttpSession::Limits{c.transfer, c.total, limit});
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = fetch(session, c.url.front() == '/' ? server.url(c.url.c_str()) : c.url);
        EXPECT_LT(clock.elapsed(), 15000) << c.url << " was not stopped in time";
        EXPECT_EQ(outcome.response ? outcome.response->status : 0, c.status) << c.url << ": " << outcome.error;
        if (outcome.response) {
            EXPECT_EQ(outcome.response->body, c.bodyOrError);
        } else if (!c.bodyOrError.empty()) {
            EXPECT_EQ(outcome.error, c.bodyOrError) << c.url;
        } else {
            EXPECT_FALSE(outcome.error.empty()) << c.url;
        }
    }
}
