#pragma once

#include <memory>
#include <vector>

#include "platform/DoNotDisturb.h"

namespace tavelo {

// On while any of the desktop's switches is on: each desktop keeps its own, and only one
// of them is usually in use.
class CombinedDoNotDisturb final : public DoNotDisturb {
public:
    explicit CombinedDoNotDisturb(std::vector<std::unique_ptr<DoNotDisturb>> sources);

    bool isOn() const override;
    void setChangeHandler(std::function<void()> onChange) override;

private:
    void sourceChanged();

    std::vector<std::unique_ptr<DoNotDisturb>> m_sources;
    std::function<void()> m_onChange;
    bool m_on = false;
};

} // namespace tavelo
