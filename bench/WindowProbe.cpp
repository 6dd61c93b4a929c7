// tavelo-window-probe: timestamps, from outside any program, the moments windows appear
// on an X display, for bench/measure.sh. Listens to the root window's structure events:
//   map  <µs> <window> <instance> <class> <pid>   a top-level window was mapped
//   unmap <µs> <window> <instance> <class> <pid>  ... and unmapped again
//   tray <µs> <window> <instance> <class> <pid>   a window docked into the tint2 tray became viewable
// Times are CLOCK_REALTIME microseconds, the clock of bash's $EPOCHREALTIME and of
// dbus-monitor's time= stamps. "ready <µs>" comes first, once the tray has an owner and
// the probe listens. Ends after --seconds (default 600) or on SIGTERM.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

long long nowMicros()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// Windows come and go under us; a failed request about one of them is no error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

struct WindowClass {
    std::string instance = "-";
    std::string name = "-";
};

bool classOf(Display *display, Window window, WindowClass &out)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return false;
    out.instance = hint.res_name && *hint.res_name ? hint.res_name : "-";
    out.name = hint.res_class && *hint.res_class ? hint.res_class : "-";
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return true;
}

std::vector<Window> childrenOf(Display *display, Window window)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children) {
        result.assign(children, children + count);
        XFree(children);
    }
    return result;
}

Window parentOf(Display *display, Window window)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

// A window manager's frame has no class of its own: the client inside it has.
Window clientWithClass(Display *display, Window window, WindowClass &cls, int depth = 0)
{
    if (classOf(display, window, cls))
        return window;
    if (depth >= 3)
        return 0;
    for (Window child : childrenOf(display, window)) {
        if (Window found = clientWithClass(display, child, cls, depth + 1))
            return found;
    }
    return 0;
}

long pidOf(Display *display, Window window)
{
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (format == 32 && count == 1)
            pid = static_cast<long>(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

bool insideTint2(Display *display, Window window, Window root)
{
    for (int depth = 0; window && window != root && depth < 16; ++depth) {
        WindowClass cls;
        if (classOf(display, window, cls) && (cls.instance == "tint2" || cls.name == "Tint2"))
            return true;
        window = parentOf(display, window);
    }
    return false;
}

void report(const char *what, long long micros, Display *display, Window window)
{
    WindowClass cls;
    const Window client = clientWithClass(display, window, cls);
    std::printf("%s %lld 0x%lx %s %s %ld\n", what, micros, window, cls.instance.c_str(), cls.name.c_str(),
                client ? pidOf(display, client) : 0L);
    std::fflush(stdout);
}

struct Docked {
    Window window;
    long long since;
};

} // namespace

int main(int argc, char **argv)
{
    long long seconds = 600;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::atoll(argv[++i]);
    }
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    std::signal(SIGINT, [](int) { g_stop = 1; });

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tavelo-window-probe: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);

    // A program started before the tray exists docks later: wait for the tray first.
    const Atom traySelection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
    const long long trayDeadline = nowMicros() + 10'000'000;
    while (XGetSelectionOwner(display, traySelection) == None && nowMicros() < trayDeadline)
        poll(nullptr, 0, 20);
    if (XGetSelectionOwner(display, traySelection) == None)
        std::fprintf(stderr, "tavelo-window-probe: no tray owner, tray icons will not be seen\n");

    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready %lld\n", nowMicros());
    std::fflush(stdout);

    const long long end = nowMicros() + seconds * 1'000'000;
    std::vector<Docked> docked;
    const int fd = ConnectionNumber(display);
    while (!g_stop && nowMicros() < end) {
        // While a docked icon is not yet viewable, look again every millisecond:
        // its parents' maps are not reported to us.
        if (!XPending(display)) {
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, docked.empty() ? 200 : 1);
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const long long t = nowMicros();
            if (event.type == MapNotify && event.xmap.event == root) {
                report("map", t, display, event.xmap.window);
            } else if (event.type == UnmapNotify && event.xunmap.event == root) {
                report("unmap", t, display, event.xunmap.window);
            } else if (event.type == ReparentNotify && event.xreparent.event == root &&
                       event.xreparent.parent != root && insideTint2(display, event.xreparent.parent, root)) {
                XSelectInput(display, event.xreparent.window, StructureNotifyMask);
                docked.push_back({event.xreparent.window, t});
            }
        }
        for (auto it = docked.begin(); it != docked.end();) {
            XWindowAttributes attributes{};
            const bool exists = XGetWindowAttributes(display, it->window, &attributes);
            if (exists && attributes.map_state == IsViewable) {
                report("tray", nowMicros(), display, it->window);
                it = docked.erase(it);
            } else if (!exists || nowMicros() - it->since > 30'000'000) {
                it = docked.erase(it);
            } else {
                ++it;
            }
        }
    }
    XCloseDisplay(display);
    return 0;
}
