#include "core/MainLoop.h"

namespace tavelo {

void TimerToken::cancel()
{
    if (!active)
        return;
    active = false;
    if (auto release = std::move(onCancel)) {
        onCancel = nullptr;
        release();
    }
}

TimerHandle &TimerHandle::operator=(TimerHandle &&other) noexcept
{
    if (this != &other) {
        cancel();
        m_token = std::move(other.m_token);
    }
    return *this;
}

void TimerHandle::cancel()
{
    if (m_token) {
        m_token->cancel();
        m_token.reset();
    }
}

} // namespace tavelo
