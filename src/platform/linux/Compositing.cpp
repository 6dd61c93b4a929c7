#include "platform/Compositing.h"

#include <string>

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace tavelo {

bool compositorRunning()
{
    const QString platform = QGuiApplication::platformName();
    // Every Wayland compositor composites.
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    if (platform != QLatin1String("xcb"))
        return false;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    // A compositing manager owns the selection of the screen it manages (EWMH).
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None;
}

} // namespace tavelo
