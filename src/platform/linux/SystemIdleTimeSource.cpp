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

std::unique_ptr<IdleTimeSource> createChain(MainLoop *loop)
{
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    // Under Wayland the program runs through XWayland, whose counter sees only input sent to
    // X clients: someone typing into native windows would soon count as away, and the focus
    // countdown would freeze while they work. Better no idle time at all than that one.
    if (!isWaylandSession())
        sources.push_back(std::make_unique<XScreenSaverIdleSource>(loop));
    sources.push_back(std::make_unique<MutterIdleSource>());
    // The compositor's own notice where GNOME's counter is missing (sway, KWin), connected only
    // when reached; ahead of the screen saver's counter, as the compositor is what sees all input.
    if (const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"); !wayland.isEmpty())
        sources.push_back(std::make_unique<WaylandIdleSource>(wayland.toStdString()));
    sources.push_back(std::make_unique<FreedesktopScreenSaverIdleSource>());
    return std::make_unique<IdleTimeSourceChain>(std::move(sources));
}

} // namespace

SystemIdleTimeSource::SystemIdleTimeSource(MainLoop *loop) : m_loop(loop) {}

SystemIdleTimeSource::~SystemIdleTimeSource() = default;

IdleTimeSource &SystemIdleTimeSource::chain()
{
    if (!m_chain)
        m_chain = createChain(m_loop);
    return *m_chain;
}

std::optional<double> SystemIdleTimeSource::idleSeconds()
{
    return chain().idleSeconds();
}

void SystemIdleTimeSource::readIdleSeconds(Answer answer)
{
    chain().readIdleSeconds(std::move(answer));
}

} // namespace tavelo
