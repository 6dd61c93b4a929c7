#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/StatusIconRenderer.h"
#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "platform/StatusItemBackend.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "platform/linux/TrayIconBackend.h"
#include "support/AppFixture.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

void clickAt(const QPoint &point)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                                {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                                 QStringLiteral("click"), QStringLiteral("1")}),
              0);
}

QWidget *trayIconWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QSystemTrayIconSys"))
            return widget;
    }
    return nullptr;
}

// The tray icon in tint2: shown once it is painted there; real clicks on it open the panel
// beside it and close it again (the focus the panel loses must not reopen it).
TEST(StatusItemTray, ShowsInTheTrayAndClicksOpenAndCloseThePanel)
{
    test::AppFixture h;
    h.start();
    StatusItem item(*h.model, std::make_unique<TrayIconBackend>());
    QSignalSpy shown(&item, &StatusItem::shown);
    item.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs));

    const QRect icon = item.backend().iconGeometry();
    ASSERT_TRUE(icon.isValid());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_TRUE(screen.contains(icon));

    clickAt(icon.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item.panel().isVisible(); }, kWaitMs));
    const QRect panel = item.panel().geometry();
    EXPECT_TRUE(screen.contains(panel));
    EXPECT_FALSE(panel.intersects(icon)) << "the panel leaves the icon uncovered";
    EXPECT_LE(std::abs(panel.center().x() - icon.center().x()), StatusMenuView::kWidth / 2)
        << "the panel opens beside the icon";

    // The click that closes the panel must not open it again.
    clickAt(icon.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item.panel().isVisible(); }, kWaitMs));
    QTest::qWait(400);
    EXPECT_FALSE(item.panel().isVisible());
}

// Under tint2 the icon sits in the XEmbed tray; a panel with a watcher and a host takes
// it over, with what it showed, and gives it back when it goes.
TEST(StatusItemTray, AStatusNotifierPanelTakesTheIconOverWhileItIsThere)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, kWaitMs))
        << "tint2 offers no tray";
    test::FakeStatusNotifierWatcher watcher(/*hostRegistered=*/false);
    StatusItemBackendChooser chooser;
    std::vector<QPoint> clicks;
    chooser.onActivate = [&](const QPoint &p) { clicks.push_back(p); };
    chooser.setIcon({StatusIconRenderer::render(StatusIconKey{}, 22)});
    chooser.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.kind() == StatusItemBackendChooser::Kind::trayIcon; }, kWaitMs));
    chooser.setToolTip("24:58");
    chooser.setLabel("24:58");

    // A watcher counts once a host has registered with it.
    ASSERT_TRUE(watcher.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.hostQueries() > 0; }, kWaitMs));
    EXPECT_EQ(chooser.kind(), StatusItemBackendChooser::Kind::trayIcon);
    watcher.setHostRegistered(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.registrations().size() == 1; }, kWaitMs));
    EXPECT_EQ(chooser.kind(), StatusItemBackendChooser::Kind::statusNotifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return trayIconWindow() == nullptr || !trayIconWindow()->isVisible(); }, kWaitMs));
    const QString service = watcher.registrations().front();
    test::FakeStatusNotifierHost host;
    EXPECT_EQ(host.property(service, "XAyatanaLabel").toString(), "24:58");
    EXPECT_TRUE(host.property(service, "IconPixmap").isValid());
    // A host that gives no place means the pointer.
    QCursor::setPos(640, 500);
    ASSERT_TRUE(QTest::qWaitFor([] { return QCursor::pos() == QPoint(640, 500); }, kWaitMs));
    for (const QPoint &at : {QPoint(300, 5), QPoint(0, 0)})
        host.call(service, QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"), {at.x(), at.y()});
    EXPECT_EQ(clicks, (std::vector<QPoint>{{300, 5}, {640, 500}}));

    watcher.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.kind() == StatusItemBackendChooser::Kind::trayIcon; }, kWaitMs));
}

} // namespace
