#include <QApplication>
#include <QCursor>
#include <QDBusArgument>
#include <QScreen>
#include <QSignalSpy>

#include "app/ui/PopupPlacement.h"
#include "app/ui/StatusIconRenderer.h"
#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "platform/DesktopTools.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "platform/linux/TrayIconBackend.h"
#include "support/AppFixture.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using test::waitFor;

namespace {

void clickAt(const QPoint &point)
{
    test::xdotool({"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

} // namespace

// The tray icon in tint2: shown once it is painted there; real clicks on it open the panel
// and close it again (the focus the panel loses must not reopen it).
TEST(StatusItemTray, ShowsInTheTrayAndClicksOpenAndCloseThePanel)
{
    test::AppFixture h;
    h.start();
    StatusItem item(*h.model, std::make_unique<TrayIconBackend>());
    QSignalSpy shown(&item, &StatusItem::shown);
    item.show();
    ASSERT_TRUE(waitFor([&] { return shown.count() == 1; }));
    const QRect icon = item.backend().iconGeometry();
    ASSERT_TRUE(icon.isValid() && QGuiApplication::primaryScreen()->geometry().contains(icon));
    // Where the panel goes is the placement's business, tested on its own.
    clickAt(icon.center());
    ASSERT_TRUE(waitFor([&] { return item.panel().isVisible(); }));
    clickAt(icon.center());
    ASSERT_TRUE(waitFor([&] { return !item.panel().isVisible(); }));
    QTest::qWait(400);
    EXPECT_FALSE(item.panel().isVisible()) << "the click that closed the panel opened it again";
}

// A desktop without a tray is looked at ever less often, then not at all.
TEST(StatusItemTray, WithoutATrayLooksForOneEverLessOftenThenStops)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    TrayIconBackend backend(&loop);
    int looks = 0;
    backend.isTrayAvailable = [&] {
        ++looks;
        return false;
    };
    backend.show();
    loop.advance(std::chrono::minutes(2));
    EXPECT_LE(looks, 12);
    loop.advance(std::chrono::hours(1));
    const int total = looks;
    loop.advance(std::chrono::hours(1));
    EXPECT_EQ(looks, total) << "still looking after an hour";
}

// A watcher that never answers the item, or answers and then does not list it, is asked
// a few times, ever later; then the tray takes the icon.
TEST(StatusItemTray, AWatcherThatNeverTakesTheItemLeavesItToTheTray)
{
    using Fault = test::FakeStatusNotifierWatcher::Fault;
    using Kind = StatusItemBackendChooser::Kind;
    registerStatusNotifierDBusTypes();
    // Qt asks once, blocking, whether its tray icon should go through a watcher; asked
    // with ours on this thread that would stall. Asked now, it settles on tint2's tray.
    QSystemTrayIcon::isSystemTrayAvailable();
    for (Fault fault : {Fault::doesNotList, Fault::neverAnswers}) {
        test::FakeStatusNotifierWatcher watcher;
        watcher.fault = fault;
        watcher.registerHost();
        ASSERT_TRUE(watcher.start());
        test::ManualClock clock;
        test::ManualMainLoop loop(clock);
        StatusItemBackendChooser chooser(QDBusConnection::sessionBus(), &loop);
        chooser.show();
        for (int tries = 1; tries < 4; ++tries) {
            ASSERT_TRUE(waitFor([&] { return loop.activeTimerCount() == 1; })) << "no retry after try " << tries;
            EXPECT_EQ(watcher.registrations().size(), tries);
            EXPECT_EQ(chooser.kind(), Kind::statusNotifier);
            loop.advance(std::chrono::seconds(4));
        }
        ASSERT_TRUE(waitFor([&] { return chooser.kind() == Kind::trayIcon; }));
        EXPECT_EQ(watcher.registrations().size(), 4);
    }
}

// Under tint2 the icon sits in the XEmbed tray; a panel with a watcher and a host takes
// it over, with what it showed, and gives it back when it goes. Meanwhile the host hears
// of each change once and every click opens the panel where the host says.
TEST(StatusItemTray, AStatusNotifierPanelTakesTheIconOverWhileItIsThere)
{
    using Kind = StatusItemBackendChooser::Kind;
    registerStatusNotifierDBusTypes();
    test::FakeStatusNotifierWatcher watcher;
    StatusItemBackendChooser chooser;
    std::vector<QPoint> clicks;
    chooser.onActivate = [&](const QPoint &p) { clicks.push_back(p); };
    chooser.setIcon({StatusIconRenderer::render(StatusIconKey{}, 22)});
    chooser.show();
    ASSERT_TRUE(waitFor([&] { return chooser.kind() == Kind::trayIcon; }));
    chooser.setLabel("1:24:59");

    // A watcher counts once a host has registered with it.
    ASSERT_TRUE(watcher.start());
    ASSERT_TRUE(waitFor([&] { return watcher.hostQueries() > 0; }));
    EXPECT_EQ(chooser.kind(), Kind::trayIcon);
    watcher.registerHost();
    ASSERT_TRUE(waitFor([&] { return watcher.registrations().size() == 1; }));
    EXPECT_EQ(chooser.kind(), Kind::statusNotifier);
    EXPECT_TRUE(waitFor([] {
        return std::ranges::none_of(QApplication::topLevelWidgets(),
                                    [](QWidget *w) { return w->inherits("QSystemTrayIconSys") && w->isVisible(); });
    })) << "the tray icon stayed";
    const QString service = watcher.registrations().front();
    test::FakeStatusNotifierHost host;
    host.listenTo(service);
    EXPECT_EQ(host.property(service, "XAyatanaLabel").toString(), "1:24:59");
    EXPECT_EQ(qdbus_cast<StatusNotifierPixmaps>(host.property(service, "IconPixmap")).size(), 1);
    host.received.clear();

    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgba(0x10, 0x20, 0x30, 0x80));
    const QImage large = small.scaled(32, 32);
    chooser.setIcon({small, large});
    chooser.setIcon({small.copy(), large.copy()}); // same pixels, other images
    for (const char *label : {"1:24:59", "24:59", "24:59"})
        chooser.setLabel(label);
    chooser.setToolTip("24:59");
    chooser.setToolTip("24:59");
    EXPECT_EQ(host.property(service, "XAyatanaLabelGuide").toString(), "00:00");
    EXPECT_EQ(host.received, (QStringList{"NewIcon", "XAyatanaNewLabel 24:59 00:00", "NewToolTip"}));
    const auto toolTip = qdbus_cast<StatusNotifierToolTip>(host.property(service, "ToolTip"));
    EXPECT_EQ(toolTip.title + " " + toolTip.text, "Tavelo 24:59");
    const auto pixmaps = qdbus_cast<StatusNotifierPixmaps>(host.property(service, "IconPixmap"));
    ASSERT_EQ(pixmaps.size(), 2);
    EXPECT_EQ(pixmaps[1].width * pixmaps[1].height * 4, pixmaps[1].argb.size());
    // Alpha first, then red, green and blue, whatever the machine's byte order.
    EXPECT_EQ(pixmaps[0].argb.left(4), QByteArray::fromHex("80102030"));

    // A host that gives no place means the pointer; scrolling does nothing.
    QCursor::setPos(640, 500);
    ASSERT_TRUE(waitFor([] { return QCursor::pos() == QPoint(640, 500); }));
    for (const char *method : {"Activate", "SecondaryActivate", "ContextMenu"})
        EXPECT_EQ(host.call(service, method, {300, 5}).type(), QDBusMessage::ReplyMessage);
    host.call(service, "Activate", {0, 0});
    EXPECT_EQ(host.call(service, "Scroll", {120, "vertical"}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(clicks, (std::vector<QPoint>{{300, 5}, {300, 5}, {300, 5}, {640, 500}}));

    // A host that dropped the item (it could not set it up) is asked again.
    watcher.dropItem(service);
    ASSERT_TRUE(waitFor([&] { return watcher.registrations() == QStringList{service}; }));

    watcher.stop();
    ASSERT_TRUE(waitFor([&] { return chooser.kind() == Kind::trayIcon; }));
}

// With neither a watcher nor a tray the user is told once, some seconds after start,
// that nothing shows the item; a tray that shows it in time keeps that quiet.
TEST(StatusItemTray, WithNoHostAtAllSaysSoOnce)
{
    using Kind = StatusItemBackendChooser::Kind;
    for (bool tray : {false, true}) {
        test::ManualClock clock;
        test::ManualMainLoop loop(clock);
        StatusItemBackendChooser chooser(QDBusConnection::sessionBus(), &loop);
        chooser.isTrayAvailable = [tray] { return tray; };
        bool shown = false;
        int told = 0;
        chooser.onShown = [&] { shown = true; };
        chooser.onNoHost = [&] { ++told; };
        chooser.setIcon({StatusIconRenderer::render(StatusIconKey{}, 22)});
        chooser.show();
        ASSERT_TRUE(waitFor([&] { return chooser.kind() == Kind::trayIcon; }));
        if (tray) {
            ASSERT_TRUE(waitFor([&] { return shown; }));
        }
        loop.advance(std::chrono::seconds(9));
        EXPECT_EQ(told, 0) << "too soon for a panel that starts with the session";
        loop.advance(std::chrono::hours(1));
        EXPECT_EQ(told, tray ? 0 : 1) << "tray " << tray;
    }
}

// Qt leaves the window manager's work area out of RandR monitors' available geometry;
// the panel's placement reads it, so that it opens below tint2's strip, not over it.
TEST(StatusItemTray, PanelPlacementKnowsTheWorkAreaTheWindowManagerPublishes)
{
    ASSERT_TRUE(waitFor([] { return test::run("xprop", {"-root", "_NET_WORKAREA"}).contains(" = "); }));
    const QStringList published = test::run("xprop", {"-root", "_NET_WORKAREA"}).section(" = ", 1).split(", ");
    const QRect workArea(published[0].toInt(), published[1].toInt(), published[2].toInt(), published[3].toInt());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_NE(screen & workArea, screen) << "tint2 reserves no strip here";
    EXPECT_EQ(PopupPlacement::currentScreens().front().available, screen & workArea);
}
