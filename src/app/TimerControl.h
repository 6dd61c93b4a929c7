#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QCoreApplication>

#include "core/Liveness.h"
#include "core/MainLoop.h"
#include "core/Signal.h"
#include "platform/TimerCommands.h"
#include "platform/TimerEndpoint.h"
#include "platform/TimerState.h"

namespace tavelo {

class AppModel;

// The timer for scripts and status bars: checks their commands against the state, as
// the panel's enabled buttons do, runs them through the model, and tells the endpoint
// when the state changed in a way a listener cannot work out from the instants it has
// (the countdowns alone tick each second and are not announced).
class TimerControl final : public TimerCommands {
    Q_DECLARE_TR_FUNCTIONS(tavelo::TimerControl)

public:
    // Publishes itself on `endpoint` until destroyed; `openPanel` shows the status panel.
    TimerControl(AppModel &model, TimerEndpoint &endpoint, MainLoop &loop, std::function<void()> openPanel);
    ~TimerControl() override;
    TimerControl(const TimerControl &) = delete;
    TimerControl &operator=(const TimerControl &) = delete;

    bool published() const { return m_published; }
    TimerState state() const;

    TimerReply pause(std::int64_t seconds) override;
    TimerReply resume() override;
    TimerReply startBreak(const std::string &kind) override;
    TimerReply skip() override;
    TimerReply postpone() override;
    TimerReply resetFocus() override;
    TimerReply openPanel() override;

private:
    // The engine notifies each assignment; one look once the operation is over.
    void requestRefresh();
    void refresh();

    AppModel &m_model;
    TimerEndpoint &m_endpoint;
    MainLoop &m_loop;
    std::function<void()> m_openPanel;
    Liveness m_liveness;
    Connection m_engineChanged;
    Connection m_modelChanged;
    bool m_refreshPending = false;
    bool m_published = false;
    TimerState m_told;
    // The instants last told, held while new readings stay within the countdown's rounding.
    std::int64_t m_phaseEndsAt = 0;
    std::int64_t m_pauseEndsAt = 0;
};

} // namespace tavelo
