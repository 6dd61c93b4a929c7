#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/IdleTimeSource.h"

namespace tavelo {

// Asks its sources in order and answers with the first that can tell. The chain must
// outlive the readings it has started (its sources cancel theirs when they go).
class IdleTimeSourceChain final : public IdleTimeSource {
public:
    explicit IdleTimeSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources);

    std::optional<double> idleSeconds() override;
    void readIdleSeconds(Answer answer) override;

private:
    void readFrom(std::size_t index, Answer answer);

    std::vector<std::unique_ptr<IdleTimeSource>> m_sources;
};

} // namespace tavelo
