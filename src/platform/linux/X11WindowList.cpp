#include "platform/linux/X11WindowList.h"

#include <unistd.h>

#include <algorithm>
#include <deque>
#include <utility>

#include <QGuiApplication>
#include <QWindow>

// Xlib last: its macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tavelo {

namespace {

struct Atoms {
    Atom wmState;
    Atom netWmPid;
    Atom netWmWindowType;
    Atom netWmWindowTypeDesktop;
};

Atoms internAtoms(Display *display)
{
    char wmState[] = "WM_STATE";
    char pid[] = "_NET_WM_PID";
    char type[] = "_NET_WM_WINDOW_TYPE";
    char desktop[] = "_NET_WM_WINDOW_TYPE_DESKTOP";
    char *names[] = {wmState, pid, type, desktop};
    Atom atoms[4] = {};
    XInternAtoms(display, names, 4, False, atoms);
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

// The 32-bit items of a property (Xlib hands them over as longs), empty when absent.
std::vector<unsigned long> cardinalProperty(Display *display, Window window, Atom property, long maxItems)
{
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char *data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, property, 0, maxItems, False, AnyPropertyType, &actualType, &actualFormat,
                           &count, &bytesAfter, &data) == Success &&
        data && actualFormat == 32) {
        const auto *values = reinterpret_cast<const unsigned long *>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

bool hasProperty(Display *display, Window window, Atom property)
{
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char *data = nullptr;
    const bool ok = XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType, &actualType,
                                       &actualFormat, &count, &bytesAfter, &data) == Success;
    if (data)
        XFree(data);
    return ok && actualType != 0;
}

std::vector<Window> childrenOf(Display *display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children)
        result.assign(children, children + count);
    if (children)
        XFree(children);
    return result;
}

// A reparenting window manager puts each client inside a frame; the client is the
// window below the frame that carries WM_STATE. Unmanaged windows are their own client.
Window clientOf(Display *display, Window topLevel, Atom wmState)
{
    std::deque<std::pair<Window, int>> queue{{topLevel, 0}};
    while (!queue.empty()) {
        const auto [window, depth] = queue.front();
        queue.pop_front();
        if (hasProperty(display, window, wmState))
            return window;
        if (depth < 3) {
            for (Window child : childrenOf(display, window))
                queue.emplace_back(child, depth + 1);
        }
    }
    return topLevel;
}

std::vector<Window> ownWindowIds()
{
    std::vector<Window> ids;
    for (QWindow *window : QGuiApplication::allWindows()) {
        // winId() would create a native window for one that has none yet.
        if (window->handle())
            ids.push_back(static_cast<Window>(window->winId()));
    }
    return ids;
}

} // namespace

std::optional<std::vector<WindowBounds>> X11WindowList::onScreenWindows() const
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::vector<WindowBounds>{};
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;

    const Atoms atoms = internAtoms(display);
    const std::vector<Window> own = ownWindowIds();
    const auto isOwn = [&own](Window w) { return std::find(own.begin(), own.end(), w) != own.end(); };
    const unsigned long ourPid = static_cast<unsigned long>(getpid());

    std::vector<WindowBounds> result;
    for (Window window : childrenOf(display, DefaultRootWindow(display))) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, window, &attributes))
            continue; // gone in the meantime
        if (attributes.map_state != IsViewable || attributes.c_class == InputOnly)
            continue;
        if (isOwn(window))
            continue;
        const Window client = clientOf(display, window, atoms.wmState);
        if (client != window && isOwn(client))
            continue;
        const auto pid = cardinalProperty(display, client, atoms.netWmPid, 1);
        if (!pid.empty() && pid.front() == ourPid)
            continue;
        const auto types = cardinalProperty(display, client, atoms.netWmWindowType, 32);
        if (std::find(types.begin(), types.end(), atoms.netWmWindowTypeDesktop) != types.end())
            continue;
        const double border = 2.0 * attributes.border_width;
        result.push_back(
            {double(attributes.x), double(attributes.y), attributes.width + border, attributes.height + border});
    }
    return result;
}

} // namespace tavelo
