#include <algorithm>
#include <functional>
#include <memory>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayController.h"
#include "core/BreakEngine.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/X11WindowList.h"

// Xlib last: its macros clash with Qt's names.
#include <X11/Xlib.h>

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

bool waitFor(const std::function<bool()> &done)
{
    return QTest::qWaitFor(done, kWaitMs);
}

// What xdotool printed; the waits that follow tell whether it did its part.
QString xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    process.waitForFinished(kWaitMs);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

// A connection of our own, so that looking does not flush Qt's requests early.
struct Observer {
    bool isViewable(WId id) const
    {
        XWindowAttributes a;
        return XGetWindowAttributes(m_display.get(), Window(id), &a) && a.map_state == IsViewable;
    }

    // Position in the root's stacking order of the root's child that holds `id` (its frame
    // under a reparenting window manager); higher is nearer the top.
    int stackIndex(WId id) const
    {
        Window top = Window(id), root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        while (XQueryTree(m_display.get(), top, &root, &parent, &children, &count) && parent != root && parent != 0) {
            if (children)
                XFree(children);
            children = nullptr;
            top = parent;
        }
        if (children)
            XFree(children);
        int index = -1;
        if (XQueryTree(m_display.get(), DefaultRootWindow(m_display.get()), &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count; ++i) {
                if (children[i] == top)
                    index = int(i);
            }
        }
        if (children)
            XFree(children);
        return index;
    }

    std::unique_ptr<Display, int (*)(Display *)> m_display{XOpenDisplay(nullptr), XCloseDisplay};
};

class OverlayX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        ASSERT_TRUE(observer.m_display);
        engine.startBreakNow(BreakType::micro);
    }

    bool allAbove(const QWidget &other) const
    {
        return !controller.windows().empty() &&
               std::all_of(controller.windows().begin(), controller.windows().end(), [&](QWidget *w) {
                   return observer.isViewable(w->winId()) &&
                          observer.stackIndex(w->winId()) > observer.stackIndex(other.winId());
               });
    }

    Observer observer;
    SystemClock clock;
    QtMainLoop loop;
    BreakEngine engine{BreakSettings::standard, clock, loop};
    X11WindowList windowList;
    // As the model's actions end up doing: the engine acts, then the overlay goes.
    BreakOverlayController controller{engine,
                                      {[this] {
                                           engine.skip();
                                           controller.hide();
                                       },
                                       [this] {
                                           engine.postpone();
                                           controller.hide();
                                       }},
                                      windowList,
                                      clock,
                                      loop};
};

} // namespace

// Strict or gentle, the overlay covers both monitors above the active window, even when
// the window manager raises that one again; only a strict overlay takes the keyboard.
TEST_F(OverlayX11Test, CoversBothMonitorsAboveTheActiveWindow)
{
    for (const bool strict : {false, true}) {
        SCOPED_TRACE(strict ? "strict" : "gentle");
        // Our own window, which the window list leaves out, so strict stays strict.
        QWidget active;
        active.setWindowTitle(QStringLiteral("active probe"));
        active.setGeometry(200, 200, 500, 400);
        strict ? active.showFullScreen() : active.show();
        active.activateWindow();
        ASSERT_TRUE(waitFor([&] { return xdotool({QStringLiteral("getactivewindow")}).toULong() == active.winId(); }));
        const QString focusBefore = xdotool({QStringLiteral("getwindowfocus")});

        controller.show(strict);
        ASSERT_EQ(controller.lastShowWasStrict(), strict);
        ASSERT_EQ(controller.windows().size(), 2u);
        ASSERT_TRUE(waitFor([&] { return allAbove(active); }));
        // Qt learns the geometry from the server's notices, which may come after the mapping.
        EXPECT_TRUE(waitFor([&] {
            return controller.windows()[0]->frameGeometry() == QRect(0, 0, 1280, 1024) &&
                   controller.windows()[1]->frameGeometry() == QRect(1280, 0, 1280, 1024);
        })) << "not one window per monitor";
        // Window-manager rules find the overlay by its class.
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--classname"), "tavelo-overlay"});
        for (QWidget *w : controller.windows())
            EXPECT_TRUE(found.split('\n').contains(QString::number(w->winId())));

        xdotool({QStringLiteral("windowactivate"), QString::number(active.winId())});
        xdotool({QStringLiteral("windowraise"), QString::number(active.winId())});
        // Long enough for the window manager to act and the overlay to answer; no event says
        // that nothing more will happen.
        QTest::qWait(1200);
        EXPECT_TRUE(allAbove(active)) << "the overlay did not stay on top";
        if (!strict) {
            EXPECT_EQ(xdotool({QStringLiteral("getwindowfocus")}), focusBefore);
            EXPECT_EQ(QApplication::activeWindow(), &active);
            controller.hide();
            continue;
        }
        // The keyboard belongs to the overlay, whichever window the manager made active.
        xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
        ASSERT_TRUE(waitFor([&] { return !controller.isVisible(); })) << "Esc did not reach the overlay";
        EXPECT_EQ(engine.phase(), TimerPhase::focus);
        EXPECT_EQ(engine.remainingSeconds(), 5 * 60) << "Esc postpones";
    }
}
