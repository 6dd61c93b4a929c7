#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavelo {

// The platform's permission state, with the values the notification logic compares against;
// `unavailable`: the desktop has no notification service, so there is nothing to allow.
enum class AuthorizationStatus {
    notDetermined = 0,
    denied = 1,
    authorized = 2,
    provisional = 3,
    ephemeral = 4,
    unavailable = 5
};

struct NotificationRequest {
    NotificationRequest(std::string identifier, std::string title, std::string body, bool playSound = true,
                        std::optional<std::chrono::milliseconds> expiresAfter = std::nullopt)
        : identifier(std::move(identifier)), title(std::move(title)), body(std::move(body)), playSound(playSound),
          expiresAfter(expiresAfter)
    {
    }

    std::string identifier;
    std::string title;
    std::string body;
    bool playSound = true;
    // How long the popup stays before it goes to the server's history; none: the
    // server's default, which on some servers is until the user acts on it.
    std::optional<std::chrono::milliseconds> expiresAfter;
};

// The desktop's notification centre. A request whose identifier is already shown or on
// its way replaces it. Completions may come later but always on the main thread.
class NotificationCenter {
public:
    virtual ~NotificationCenter() = default;

    virtual void add(const NotificationRequest &request) = 0;
    // Withdraws notices already shown.
    virtual void removeDelivered(const std::vector<std::string> &identifiers) = 0;
    // Cancels requests not yet shown.
    virtual void removePending(const std::vector<std::string> &identifiers) = 0;
    virtual void getAuthorizationStatus(std::function<void(AuthorizationStatus)> completion) = 0;
    virtual void requestAuthorization(std::function<void(bool granted)> completion) = 0;
    // Called on the main thread when the user clicks a notification (its identifier).
    virtual void setClickHandler(std::function<void(const std::string &identifier)> handler) = 0;
};

} // namespace tavelo
