#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include <QObject>

#include "platform/DoNotDisturb.h"

namespace tavelo {

// On while any of the desktop's switches is on: each desktop keeps its own, and only one
// of them is usually in use.
class CombinedDoNotDisturb final : public DoNotDisturb {
public:
    explicit CombinedDoNotDisturb(std::vector<std::unique_ptr<DoNotDisturb>> sources);

    // A source slow to set up joins after `delay`, off the way to the status item; it is
    // announced if it turns the whole on. `make` may give nothing.
    void addLater(std::chrono::milliseconds delay, std::function<std::unique_ptr<DoNotDisturb>()> make);

    bool isOn() const override;
    void setChangeHandler(std::function<void()> onChange) override;

private:
    void sourceChanged();

    std::vector<std::unique_ptr<DoNotDisturb>> m_sources;
    std::function<void()> m_onChange;
    bool m_on = false;
    // Context of the timers of sources still to come.
    QObject m_pending;
};

} // namespace tavelo
