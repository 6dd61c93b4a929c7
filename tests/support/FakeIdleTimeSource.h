#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "platform/IdleTimeSource.h"

namespace tavelo::test {

// Answers with whatever `read` returns.
class FakeIdleTimeSource final : public IdleTimeSource {
public:
    explicit FakeIdleTimeSource(std::function<std::optional<double>()> read) : m_read(std::move(read)) {}

    std::optional<double> idleSeconds() override { return m_read(); }

private:
    std::function<std::optional<double>()> m_read;
};

} // namespace tavelo::test
