#include "app/IdleMonitor.h"

#include <cmath>

#include "platform/IdleTimeSource.h"

namespace tavelo {

namespace {

double finiteOrZero(double seconds)
{
    return std::isfinite(seconds) ? seconds : 0.0;
}

} // namespace

IdleMonitor::IdleMonitor(Source source) : m_source(std::move(source)) {}

IdleMonitor::~IdleMonitor() = default;

double IdleMonitor::idleSeconds()
{
    return m_source ? finiteOrZero(m_source()) : systemIdleSeconds();
}

double IdleMonitor::systemIdleSeconds()
{
    if (!m_system)
        m_system = createSystemIdleTimeSource();
    return finiteOrZero(m_system->idleSeconds().value_or(0.0));
}

} // namespace tavelo
