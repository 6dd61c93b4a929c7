#pragma once

#include <memory>
#include <vector>

#include "core/MainLoop.h"
#include "platform/IdleTimeSource.h"

namespace tavelo {

// The X server's own idle counter (MIT-SCREEN-SAVER), read on a connection of its own that
// nothing else reads: readIdleSeconds sends the query and takes the answer off the socket
// at the loop's next one-second beat, which wakes the process anyway, so the periodic
// sample costs neither a wait nor a wake-up. Unavailable on other Qt platforms or without
// the extension.
class XScreenSaverIdleSource final : public IdleTimeSource {
public:
    // Beats to wait for an answer before giving up on it.
    static constexpr int kBeatsToWait = 3;

    // Without a loop, readIdleSeconds waits for the answer as idleSeconds does.
    explicit XScreenSaverIdleSource(MainLoop *loop = nullptr);
    ~XScreenSaverIdleSource() override;
    XScreenSaverIdleSource(const XScreenSaverIdleSource &) = delete;
    XScreenSaverIdleSource &operator=(const XScreenSaverIdleSource &) = delete;

    std::optional<double> idleSeconds() override;
    void readIdleSeconds(Answer answer) override;

private:
    struct Xcb;

    bool connected();
    void collect();
    void answerWaiting(std::optional<double> seconds);

    MainLoop *m_loop;
    bool m_probed = false;
    std::unique_ptr<Xcb> m_x;
    std::vector<Answer> m_waiting;
    TimerHandle m_collector;
    int m_beatsWaited = 0;
};

} // namespace tavelo
