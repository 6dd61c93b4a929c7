#pragma once

#include <optional>
#include <string>

namespace tavelo {

// The desktop's own way of starting the program when the user logs in.
class LoginItemService {
public:
    // The numbers are those the status is known by elsewhere; keep them.
    enum class Status { notRegistered = 0, enabled = 1, requiresApproval = 2, notFound = 3 };

    virtual ~LoginItemService() = default;

    virtual Status status() const = 0;
    // Each returns the error's description when it fails.
    virtual std::optional<std::string> registerItem() = 0;
    virtual std::optional<std::string> unregisterItem() = 0;
};

} // namespace tavelo
