#include "app/IdleMonitor.h"

#include <cmath>

#include "platform/IdleTimeSource.h"

namespace tavelo {

IdleMonitor::IdleMonitor(IdleTimeSource &source) : m_source(source) {}

namespace {

double usable(std::optional<double> seconds)
{
    const double value = seconds.value_or(0.0);
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

double IdleMonitor::idleSeconds()
{
    return usable(m_source.idleSeconds());
}

void IdleMonitor::readIdleSeconds(std::function<void(double)> answer)
{
    m_source.readIdleSeconds([answer = std::move(answer)](std::optional<double> seconds) { answer(usable(seconds)); });
}

} // namespace tavelo
