#include "platform/DesktopWorkArea.h"

#include <QGuiApplication>

#include "platform/linux/SwayWorkspaceAreas.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tavelo {

namespace {

std::vector<QRect> x11WorkArea()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    // One rectangle per virtual desktop; the first serves them all (Qt reads it so too).
    const int status =
        XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, "_NET_WORKAREA", False), 0, 4,
                           False, XA_CARDINAL, &type, &format, &count, &after, &data);
    std::vector<QRect> area;
    if (status == Success && type == XA_CARDINAL && format == 32 && count == 4) {
        // Format 32 comes as longs, whatever their size.
        const auto *values = reinterpret_cast<const long *>(data);
        area.emplace_back(int(values[0]), int(values[1]), int(values[2]), int(values[3]));
    }
    if (data)
        XFree(data);
    return area;
}

} // namespace

std::vector<QRect> desktopWorkAreas()
{
    // sway publishes no _NET_WORKAREA to Xwayland; its own socket knows where the bars are.
    if (const QString sway = qEnvironmentVariable("SWAYSOCK"); !sway.isEmpty()) {
        if (std::vector<QRect> areas = SwayWorkspaceAreas::query(sway); !areas.empty())
            return areas;
    }
    return x11WorkArea();
}

} // namespace tavelo
