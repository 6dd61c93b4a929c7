#include <functional>
#include <memory>
#include <optional>

#include <QFileInfo>

#include <QTcpServer>
#include <QTcpSocket>

#include "platform/DesktopTools.h"
#include "platform/linux/ChildProcessHttpSession.h"
#include "platform/linux/fetch/QtHttpSession.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

QByteArray response(const QByteArray &status, const QByteArray &body, const QByteArray &headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" +
           body;
}

} // namespace

using MakeSession = std::function<std::unique_ptr<HttpSession>(HttpLimits)>;

void checkAnswersAndRefusals(const MakeSession &makeSession)
{
    constexpr int limit = 4096;
    QTcpServer server, closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const std::string closedPort = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/";
    closed.close();
    const struct {
        std::string url;  // a path on the server, or an address as is
        QByteArray reply; // what the server writes at once
        std::chrono::milliseconds transfer, total;
        int status;        // of the response, whose body is the reply's; 0 for an error
        std::string error; // if any; "" for any error
    } cases[] = {
        {"/latest.json", response("200 OK", R"({"linux": {}})"), 20s, 60s, 200, ""},
        {"/broken", response("500 Internal Server Error", "<html>oops</html>"), 20s, 60s, 500, ""},
        {"/exact", response("200 OK", QByteArray(limit, 'x')), 20s, 60s, 200, ""},
        {"/declared", response("200 OK", QByteArray(limit + 1, 'x')), 20s, 60s, 0, "response body too large"},
        // No length: the body runs until the connection closes, which it never does.
        {"/endless", "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(limit + 1, 'y'), 20s, 60s, 0, "response body too large"},
        {"/quiet", "", 500ms, 60s, 0, "timed out"},
        {"/slow", "HTTP/1.1 200 OK\r\nContent-Length: 4000\r\n\r\n", 20s, 700ms, 0, "timed out"},
        {"/moved", response("302 Found", "", "Location: http://127.0.0.1/\r\n"), 20s, 60s, 0,
         "redirect to a non-https address refused"},
        {closedPort, "", 20s, 60s, 0, ""},
    };
    // Serves HTTP on 127.0.0.1 in the test's own event loop: each request, once its head has
    // arrived, gets the reply of the row for its path.
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [&, socket, buffer] {
                buffer->append(socket->readAll());
                for (qsizetype end; (end = buffer->indexOf("\r\n\r\n")) >= 0; buffer->remove(0, end + 4))
                    for (const auto &c : cases)
                        if (c.url == buffer->left(end).split(' ').value(1).toStdString())
                            socket->write(c.reply);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url);
        const std::unique_ptr<HttpSession> session = makeSession(HttpLimits{c.transfer, c.total, limit});
        std::optional<std::pair<std::optional<HttpResponse>, std::string>> outcome;
        session->get(c.url.front() == '/' ? "http://127.0.0.1:" + std::to_string(server.serverPort()) + c.url : c.url,
                     [&](std::optional<HttpResponse> response, const std::string &error) {
                         outcome.emplace(std::move(response), error);
                     });
        EXPECT_FALSE(outcome) << "completion ran inside get()";
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(test::waitFor([&] { return outcome.has_value(); }));
        EXPECT_LT(std::chrono::steady_clock::now() - start, 15s) << "not stopped in time";
        const auto &[response, error] = *outcome;
        EXPECT_EQ(response ? response->status : 0, c.status) << error;
        if (response)
            EXPECT_EQ(response->body, c.reply.mid(c.reply.indexOf("\r\n\r\n") + 4).toStdString());
        else
            EXPECT_TRUE(c.error.empty() ? !error.empty() : error == c.error) << error;
    }
}

TEST(QtHttpSessionTest, ReturnsAnyAnswerAndStopsWhatRunsTooLongGrowsTooLargeOrLeavesHttps)
{
    checkAnswersAndRefusals([](HttpLimits limits) { return std::make_unique<QtHttpSession>(limits); });
}

// The same through the helper process the program uses; a helper that cannot start is
// a failure like any other, reported later.
TEST(ChildProcessHttpSessionTest, CarriesTheHelpersAnswersAndRefusals)
{
    const QString helper = ChildProcessHttpSession::helperBeside(qEnvironmentVariable("TAVELO_BINARY_DIR"));
    ASSERT_TRUE(QFileInfo(helper).isExecutable()) << helper.toStdString();
    checkAnswersAndRefusals(
        [&](HttpLimits limits) { return std::make_unique<ChildProcessHttpSession>(helper, limits); });

    ChildProcessHttpSession missing("/nonexistent/tavelo-fetch");
    std::optional<std::string> error;
    missing.get("https://127.0.0.1/", [&](std::optional<HttpResponse>, const std::string &e) { error = e; });
    EXPECT_FALSE(error) << "completion ran inside get()";
    ASSERT_TRUE(test::waitFor([&] { return error.has_value(); }));
    EXPECT_NE(error->find("could not start"), std::string::npos) << *error;
}
