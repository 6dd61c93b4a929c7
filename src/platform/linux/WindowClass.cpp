#include "platform/WindowClass.h"

#include <string>

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tavelo {

void setNativeWindowClass(std::uintptr_t nativeId, std::string_view instanceName, std::string_view className)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || nativeId == 0)
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    std::string instance(instanceName);
    std::string cls(className);
    XClassHint hint;
    hint.res_name = instance.data();
    hint.res_class = cls.data();
    XSetClassHint(display, static_cast<Window>(nativeId), &hint);
    XFlush(display);
}

} // namespace tavelo
