#include "platform/KeyboardActivation.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace tavelo {

namespace {

Display *x11Display()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace

bool keyboardNeedsManagedWindow()
{
    return x11Display() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void requestUserActivation(std::uintptr_t nativeId)
{
    Display *display = x11Display();
    if (!display || nativeId == 0)
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(nativeId);
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // from a pager
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace tavelo
