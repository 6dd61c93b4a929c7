#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "app/ui/BreakOverlayController.h"
#include "core/BreakEngine.h"
#include "platform/DesktopTools.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/X11WindowList.h"
#include "support/FakeDoNotDisturb.h"

// Xlib last: its macros clash with Qt's names.
#include <X11/Xlib.h>

using namespace tavelo;
using test::waitFor;

namespace {

// The parent of `w` (0 for the root or on failure), and its children bottom to top.
Window query(Display *display, Window w, std::vector<Window> &children)
{
    Window root = 0, parent = 0, *list = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, w, &root, &parent, &list, &count))
        return 0;
    children.assign(list, list + count);
    if (list)
        XFree(list);
    return parent == root ? 0 : parent;
}

// Position in the root's stacking order of the root's child that holds `id` (its frame
// under a reparenting window manager); higher is nearer the top. Asked on a connection of
// our own, so that looking does not flush Qt's requests early.
int stackIndex(WId id)
{
    static Display *const display = XOpenDisplay(nullptr);
    std::vector<Window> children;
    Window top = Window(id);
    for (Window parent; (parent = query(display, top, children)) != 0;)
        top = parent;
    query(display, DefaultRootWindow(display), children);
    const auto at = std::find(children.begin(), children.end(), top);
    return at == children.end() ? -1 : int(at - children.begin());
}

// Where `id` is on screen, in root coordinates, as the X server has it.
QRect rootGeometry(WId id)
{
    static Display *const display = XOpenDisplay(nullptr);
    XWindowAttributes attributes{};
    int x = 0, y = 0;
    Window child = 0;
    if (!XGetWindowAttributes(display, Window(id), &attributes) ||
        !XTranslateCoordinates(display, Window(id), DefaultRootWindow(display), 0, 0, &x, &y, &child))
        return {};
    return {x, y, attributes.width, attributes.height};
}

} // namespace

// Strict or gentle, the overlay stays above the active window, even when the window manager
// raises that one again; only a strict overlay takes the keyboard. (The end-to-end test
// sees it cover each monitor.)
TEST(OverlayX11, StaysAboveTheActiveWindow)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    SystemClock clock;
    QtMainLoop loop;
    BreakEngine engine{BreakSettings::standard, clock, loop};
    X11WindowList windowList;
    test::FakeDoNotDisturb doNotDisturb;
    // As the model's postpone ends up doing: the engine acts, then the overlay goes.
    BreakOverlayController controller{
        engine, {[] {}, [&] { engine.postpone(), controller.hide(); }}, windowList, doNotDisturb, clock, loop};
    // Shown, found by the class window-manager rules go by, and above `other`.
    const auto allAbove = [&](const QWidget &other) {
        const QStringList shown =
            test::xdotool({"search", "--onlyvisible", "--classname", "tavelo-overlay"}).split('\n');
        return controller.windows().size() == 2 && std::ranges::all_of(controller.windows(), [&](QWidget *w) {
                   return shown.contains(QString::number(w->winId())) &&
                          stackIndex(w->winId()) > stackIndex(other.winId());
               });
    };
    // Each window on its own monitor, all of it: not where the window manager would put it.
    const auto eachCoversItsScreen = [&] {
        const QList<QScreen *> screens = QGuiApplication::screens();
        for (int i = 0; i < screens.size(); ++i) {
            if (rootGeometry(controller.windows().at(i)->winId()) != screens.at(i)->geometry())
                return false;
        }
        return true;
    };
    engine.startBreakNow(BreakType::micro);
    for (const bool strict : {false, true}) {
        SCOPED_TRACE(strict ? "strict" : "gentle");
        // Our own window, which the window list leaves out, so strict stays strict.
        QWidget active;
        active.setGeometry(200, 200, 500, 400);
        strict ? active.showFullScreen() : active.show();
        active.activateWindow();
        ASSERT_TRUE(waitFor([&] { return test::xdotool({"getactivewindow"}).toULong() == active.winId(); }));
        const QString focusBefore = test::xdotool({"getwindowfocus"});

        controller.show(strict);
        ASSERT_EQ(controller.lastShowWasStrict(), strict);
        ASSERT_TRUE(waitFor([&] { return allAbove(active); }));
        EXPECT_TRUE(waitFor(eachCoversItsScreen)) << "an overlay window is not where its monitor is";

        test::xdotool({"windowactivate", QString::number(active.winId())});
        test::xdotool({"windowraise", QString::number(active.winId())});
        // Long enough for the window manager to act and the overlay to answer; no event says
        // that nothing more will happen.
        QTest::qWait(1200);
        EXPECT_TRUE(allAbove(active)) << "the overlay did not stay on top";
        if (!strict) {
            EXPECT_EQ(test::xdotool({"getwindowfocus"}), focusBefore);
            controller.hide();
            continue;
        }
        // The keyboard belongs to the overlay, whichever window the manager made active.
        test::xdotool({"key", "Escape"});
        ASSERT_TRUE(waitFor([&] { return !controller.isVisible(); })) << "Esc did not reach the overlay";
        EXPECT_EQ(engine.phase(), TimerPhase::focus);
        EXPECT_EQ(engine.remainingSeconds(), 5 * 60) << "Esc postpones";
    }
}
