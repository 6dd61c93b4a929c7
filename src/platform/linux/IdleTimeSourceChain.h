#pragma once

#include <memory>
#include <vector>

#include "platform/IdleTimeSource.h"

namespace tavelo {

// Asks its sources in order and answers with the first that can tell.
class IdleTimeSourceChain final : public IdleTimeSource {
public:
    explicit IdleTimeSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources);

    std::optional<double> idleSeconds() override;

private:
    std::vector<std::unique_ptr<IdleTimeSource>> m_sources;
};

} // namespace tavelo
