#pragma once

#include <memory>

#include "core/MainLoop.h"
#include "platform/IdleTimeSource.h"

namespace tavelo {

// The desktop's idle counters, best first for this session, asked in turn. They are set
// up on the first reading, by when the QGuiApplication must exist. `loop`, when given,
// lets the sources that ask a server answer readIdleSeconds at its next beat.
class SystemIdleTimeSource final : public IdleTimeSource {
public:
    explicit SystemIdleTimeSource(MainLoop *loop = nullptr);
    ~SystemIdleTimeSource() override;

    std::optional<double> idleSeconds() override;
    void readIdleSeconds(Answer answer) override;

private:
    IdleTimeSource &chain();

    MainLoop *m_loop;
    std::unique_ptr<IdleTimeSource> m_chain;
};

} // namespace tavelo
