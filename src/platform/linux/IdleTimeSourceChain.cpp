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

void IdleTimeSourceChain::readIdleSeconds(Answer answer)
{
    readFrom(0, std::move(answer));
}

void IdleTimeSourceChain::readFrom(std::size_t index, Answer answer)
{
    if (index >= m_sources.size()) {
        answer(std::nullopt);
        return;
    }
    m_sources[index]->readIdleSeconds([this, index, answer = std::move(answer)](std::optional<double> seconds) {
        if (seconds)
            answer(seconds);
        else
            readFrom(index + 1, answer);
    });
}

} // namespace tavelo
