#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "platform/IdleTimeSource.h"

namespace tavelo::test {

// Answers with whatever `read` returns.
struct FakeIdleTimeSource final : IdleTimeSource {
    explicit FakeIdleTimeSource(std::function<std::optional<double>()> read) : read(std::move(read)) {}
    std::optional<double> idleSeconds() override { return read(); }

    std::function<std::optional<double>()> read;
};

} // namespace tavelo::test
