#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tavelo {

struct HttpResponse {
    int status = 0;
    std::string body;
};

// Fetches documents over HTTP. Every request is bounded by a time-out and a body size.
class HttpSession {
public:
    // The response whenever the server answered (whatever its status), or nothing and a
    // description of the failure: no connection, time-out, body too large.
    using Completion = std::function<void(std::optional<HttpResponse> response, const std::string &error)>;

    virtual ~HttpSession() = default;

    // Starts a GET that never comes from a local cache. `completion` runs once, later,
    // on the main thread, never from inside this call.
    virtual void get(const std::string &url, Completion completion) = 0;
};

} // namespace tavelo
