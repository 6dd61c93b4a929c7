#include "platform/linux/CombinedDoNotDisturb.h"

#include <algorithm>

#include <QTimer>

namespace tavelo {

CombinedDoNotDisturb::CombinedDoNotDisturb(std::vector<std::unique_ptr<DoNotDisturb>> sources)
    : m_sources(std::move(sources))
{
    std::erase(m_sources, nullptr);
    for (const auto &source : m_sources)
        source->setChangeHandler([this] { sourceChanged(); });
    m_on = isOn();
}

void CombinedDoNotDisturb::addLater(std::chrono::milliseconds delay,
                                    std::function<std::unique_ptr<DoNotDisturb>()> make)
{
    QTimer::singleShot(delay, &m_pending, [this, make = std::move(make)] {
        std::unique_ptr<DoNotDisturb> source = make();
        if (!source)
            return;
        source->setChangeHandler([this] { sourceChanged(); });
        m_sources.push_back(std::move(source));
        sourceChanged();
    });
}

bool CombinedDoNotDisturb::isOn() const
{
    return std::ranges::any_of(m_sources, [](const auto &source) { return source->isOn(); });
}

void CombinedDoNotDisturb::setChangeHandler(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void CombinedDoNotDisturb::sourceChanged()
{
    // One switch going on while another already is changes nothing.
    const bool on = isOn();
    if (on == m_on)
        return;
    m_on = on;
    if (m_onChange)
        m_onChange();
}

} // namespace tavelo
