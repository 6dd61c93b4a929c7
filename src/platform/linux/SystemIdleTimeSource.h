#pragma once

#include <memory>

#include "platform/IdleTimeSource.h"

namespace tavelo {

// The desktop's idle counters, best first for this session, asked in turn. They are set
// up on the first reading, by when the QGuiApplication must exist.
class SystemIdleTimeSource final : public IdleTimeSource {
public:
    SystemIdleTimeSource();
    ~SystemIdleTimeSource() override;

    std::optional<double> idleSeconds() override;

private:
    std::unique_ptr<IdleTimeSource> m_chain;
};

} // namespace tavelo
