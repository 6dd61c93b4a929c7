#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/HttpSession.h"

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

namespace tavelo {

// HTTP over QNetworkAccessManager. The manager (and the thread Qt gives it for HTTP) is
// made on the first request and let go when the last request ends: the program fetches
// one small document a day and should not carry a network stack in between.
// Redirects are followed only to https addresses. Nothing is cached.
class QtHttpSession final : public HttpSession {
public:
    struct Limits {
        // A request with no bytes moving for this long fails.
        std::chrono::milliseconds transferTimeout{60'000};
        // A request still running after this long fails, however slowly bytes trickle in.
        std::chrono::milliseconds totalTimeout{30'000};
        // A body larger than this fails; the download stops once it is exceeded. The one
        // document fetched is well under 5 KB with its fields at their longest.
        std::int64_t maxBodyBytes = 64 << 10;
    };

    QtHttpSession();
    explicit QtHttpSession(Limits limits);
    ~QtHttpSession() override;
    QtHttpSession(const QtHttpSession &) = delete;
    QtHttpSession &operator=(const QtHttpSession &) = delete;

    void get(const std::string &url, Completion completion) override;

    int requestsInFlight() const { return m_inFlight; }
    // Whether a network access manager exists now (only while requests run).
    bool holdsManager() const { return m_manager != nullptr; }

private:
    QNetworkAccessManager &manager();
    void settle(QNetworkReply *reply, const Completion &completion, const std::string &refusal);

    Limits m_limits;
    // Context of every connection to a reply: destroying it first means no completion
    // runs while the session is being torn down.
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    int m_inFlight = 0;
};

} // namespace tavelo
