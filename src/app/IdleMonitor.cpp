#include "app/IdleMonitor.h"

#include <cmath>

#include "platform/IdleTimeSource.h"

namespace tavelo {

IdleMonitor::IdleMonitor(IdleTimeSource &source) : m_source(source) {}

double IdleMonitor::idleSeconds()
{
    const double seconds = m_source.idleSeconds().value_or(0.0);
    return std::isfinite(seconds) ? seconds : 0.0;
}

} // namespace tavelo
