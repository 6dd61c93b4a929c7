#include "platform/linux/IdleTimeSourceChain.h"

namespace tavelo {

IdleTimeSourceChain::IdleTimeSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources)
    : m_sources(std::move(sources))
{
}

std::optional<double> IdleTimeSourceChain::idleSeconds()
{
    for (const auto &source : m_sources) {
        if (const auto seconds = source->idleSeconds())
            return seconds;
    }
    return std::nullopt;
}

} // namespace tavelo
