#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/LoginItemService.h"

namespace tavelo::test {

// A login item in memory: registering turns it on unless told to fail.
class FakeLoginItemService final : public LoginItemService {
public:
    Status currentStatus = Status::notRegistered;
    std::optional<std::string> registerError;
    std::vector<std::string> calls;

    Status status() const override { return currentStatus; }
    std::optional<std::string> registerItem() override
    {
        calls.push_back("register");
        if (!registerError)
            currentStatus = Status::enabled;
        return registerError;
    }
    std::optional<std::string> unregisterItem() override
    {
        calls.push_back("unregister");
        currentStatus = Status::notRegistered;
        return std::nullopt;
    }
};

} // namespace tavelo::test
