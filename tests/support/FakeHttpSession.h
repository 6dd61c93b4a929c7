#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/HttpSession.h"

namespace tavelo::test {

// Records each GET and holds its completion until the test answers it (oldest first).
class FakeHttpSession final : public HttpSession {
public:
    std::vector<std::string> requestedUrls;

    void get(const std::string &url, Completion completion) override
    {
        requestedUrls.push_back(url);
        m_waiting.push_back(std::move(completion));
    }

    // Answers the oldest request with a response; false when none waits.
    bool respond(std::string body, int status = 200) { return finish(HttpResponse{status, std::move(body)}, {}); }
    // Fails the oldest request as the network would.
    bool fail(std::string error = "connection refused") { return finish(std::nullopt, std::move(error)); }

private:
    bool finish(std::optional<HttpResponse> response, std::string error)
    {
        if (m_waiting.empty())
            return false;
        Completion completion = std::move(m_waiting.front());
        m_waiting.pop_front();
        completion(std::move(response), error);
        return true;
    }

    std::deque<Completion> m_waiting;
};

} // namespace tavelo::test
