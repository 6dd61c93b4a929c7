#include "platform/linux/XScreenSaverIdleSource.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status...) clash with Qt: keep these after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace tavelo {

struct XScreenSaverIdleSource::Xlib {
    Display *display = nullptr;
    Window root = 0;
    XScreenSaverInfo *info = nullptr;

    ~Xlib()
    {
        if (info)
            XFree(info);
    }
};

XScreenSaverIdleSource::XScreenSaverIdleSource() = default;
XScreenSaverIdleSource::~XScreenSaverIdleSource() = default;

std::optional<double> XScreenSaverIdleSource::idleSeconds()
{
    if (!m_probed) {
        m_probed = true;
        if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
            return std::nullopt;
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        Display *display = x11 ? x11->display() : nullptr;
        int eventBase = 0;
        int errorBase = 0;
        if (!display || !XScreenSaverQueryExtension(display, &eventBase, &errorBase))
            return std::nullopt;
        auto x = std::make_unique<Xlib>();
        x->display = display;
        x->root = DefaultRootWindow(display);
        x->info = XScreenSaverAllocInfo();
        if (!x->info)
            return std::nullopt;
        m_x = std::move(x);
    }
    if (!m_x || !XScreenSaverQueryInfo(m_x->display, m_x->root, m_x->info))
        return std::nullopt;
    return static_cast<double>(m_x->info->idle) / 1000.0;
}

} // namespace tavelo
