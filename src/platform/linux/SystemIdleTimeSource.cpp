#include "platform/linux/SystemIdleTimeSource.h"

#include <QtGlobal>

#include "platform/linux/FreedesktopScreenSaverIdleSource.h"
#include "platform/linux/IdleTimeSourceChain.h"
#include "platform/linux/MutterIdleSource.h"
#include "platform/linux/WaylandIdleSource.h"
#include "platform/linux/XScreenSaverIdleSource.h"

namespace tavelo {

namespace {

bool isWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<IdleTimeSource> createChain()
{
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    // Under Wayland the program runs through XWayland, whose counter sees only input sent to
    // X clients: someone typing into native windows would soon count as away, and the focus
    // countdown would freeze while they work. Better no idle time at all than that one.
    if (!isWaylandSession())
        sources.push_back(std::make_unique<XScreenSaverIdleSource>());
    sources.push_back(std::make_unique<MutterIdleSource>());
    sources.push_back(std::make_unique<FreedesktopScreenSaverIdleSource>());
    // Last, and connected only when reached: compositors without a D-Bus counter (sway, wlroots).
    if (const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"); !wayland.isEmpty())
        sources.push_back(std::make_unique<WaylandIdleSource>(wayland.toStdString()));
    return std::make_unique<IdleTimeSourceChain>(std::move(sources));
}

} // namespace

SystemIdleTimeSource::SystemIdleTimeSource() = default;

SystemIdleTimeSource::~SystemIdleTimeSource() = default;

std::optional<double> SystemIdleTimeSource::idleSeconds()
{
    if (!m_chain)
        m_chain = createChain();
    return m_chain->idleSeconds();
}

} // namespace tavelo
