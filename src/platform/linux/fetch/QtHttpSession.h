#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/HttpSession.h"
#include "platform/linux/fetch/HttpLimits.h"

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

namespace tavelo {

// HTTP over QNetworkAccessManager, in the fetch helper's process. The manager is made on
// the first request and let go when the last request ends. Redirects are followed only to
// https addresses. Nothing is cached.
class QtHttpSession final : public HttpSession {
public:
    using Limits = HttpLimits;

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
