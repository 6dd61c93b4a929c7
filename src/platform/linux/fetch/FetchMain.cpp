// tavelo-fetch: fetches one document over HTTP for the program and exits, so that the
// network stack (TLS, the certificate store) never stays in the program's memory.
//
//   tavelo-fetch TRANSFER_TIMEOUT_MS TOTAL_TIMEOUT_MS MAX_BODY_BYTES URL
//
// Standard output: the status code on a line of its own and the body after it, when the
// server answered (exit 0); "error" on a line and what went wrong after it otherwise
// (exit 1). Wrong arguments: exit 2.
#include <cstdio>
#include <optional>
#include <string>

#include <QCoreApplication>

#include "platform/linux/fetch/QtHttpSession.h"

namespace {

std::optional<long long> number(const char *text)
{
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        if (used == std::string(text).size() && value >= 1)
            return value;
    } catch (const std::exception &) {
    }
    return std::nullopt;
}

void report(const std::string &head, const std::string &rest)
{
    const std::string out = head + '\n' + rest;
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const auto transfer = argc == 5 ? number(argv[1]) : std::nullopt;
    const auto total = argc == 5 ? number(argv[2]) : std::nullopt;
    const auto maxBody = argc == 5 ? number(argv[3]) : std::nullopt;
    if (!transfer || !total || !maxBody) {
        std::fputs("usage: tavelo-fetch TRANSFER_TIMEOUT_MS TOTAL_TIMEOUT_MS MAX_BODY_BYTES URL\n", stderr);
        return 2;
    }
    tavelo::QtHttpSession session(
        tavelo::HttpLimits{std::chrono::milliseconds(*transfer), std::chrono::milliseconds(*total), *maxBody});
    session.get(argv[4], [](std::optional<tavelo::HttpResponse> response, const std::string &error) {
        if (response)
            report(std::to_string(response->status), response->body);
        else
            report("error", error);
        QCoreApplication::exit(response ? 0 : 1);
    });
    return app.exec();
}
