#include <chrono>
#include <iostream>
#include <map>
#include <optional>

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ui/StatusIconRenderer.h"
#include "app/ui/StatusMenuPresentation.h"
#include "app/ui/StatusSnapshot.h"
#include "core/BreakEngine.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "platform/linux/StatusNotifierBackend.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 5000;

QWidget *trayIconWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QSystemTrayIconSys"))
            return widget;
    }
    return nullptr;
}

// The X parent of `window`: the root until a tray embeds it.
std::optional<QPair<QString, QString>> parentAndRoot(WId window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-children"), QStringLiteral("-id"), QStringLiteral("0x%1").arg(window, 0, 16)});
    if (!xwininfo.waitForFinished(kWaitMs))
        return std::nullopt;
    const QString out = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto root = QRegularExpression(QStringLiteral("Root window id: (0x[0-9a-f]+)")).match(out);
    const auto parent = QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)")).match(out);
    if (!root.hasMatch() || !parent.hasMatch())
        return std::nullopt;
    return QPair<QString, QString>{parent.captured(1), root.captured(1)};
}

bool embedded(QWidget *window)
{
    const auto ids = parentAndRoot(window->winId());
    return ids && ids->first != ids->second;
}

QImage anyIcon()
{
    return StatusIconRenderer::render(StatusIconKey{}, 22);
}

} // namespace

TEST(StatusItemBackendChooserTest, WithoutAWatcherTheTrayIconIsEmbeddedInTheXEmbedTray)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, kWaitMs))
        << "tint2 offers no tray";
    StatusItemBackendChooser chooser;
    int shown = 0;
    chooser.onShown = [&] { ++shown; };
    chooser.setIcon({anyIcon()});
    chooser.setToolTip("25:00");
    chooser.setLabel("25:00");
    chooser.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.kind() != StatusItemBackendChooser::Kind::undecided; }, kWaitMs));
    EXPECT_EQ(chooser.kind(), StatusItemBackendChooser::Kind::trayIcon);

    ASSERT_TRUE(QTest::qWaitFor([] { return trayIconWindow() != nullptr; }, kWaitMs));
    QWidget *window = trayIconWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return embedded(window); }, kWaitMs)) << "the tray did not take the icon";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown > 0; }, kWaitMs));
    EXPECT_TRUE(chooser.iconGeometry().isValid());
}

TEST(StatusItemBackendChooserTest, FollowsTheWatcherComingAndGoing)
{
    test::FakeStatusNotifierWatcher watcher;
    StatusItemBackendChooser chooser;
    std::vector<QPoint> clicks;
    chooser.onActivate = [&](const QPoint &p) { clicks.push_back(p); };
    chooser.setIcon({anyIcon()});
    chooser.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.kind() == StatusItemBackendChooser::Kind::trayIcon; }, kWaitMs));
    chooser.setToolTip("24:58");
    chooser.setLabel("24:58");

    // A panel with a watcher starts: the item moves there with what it showed.
    ASSERT_TRUE(watcher.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.registrations().size() == 1; }, kWaitMs));
    EXPECT_EQ(chooser.kind(), StatusItemBackendChooser::Kind::statusNotifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return trayIconWindow() == nullptr || !trayIconWindow()->isVisible(); }, kWaitMs));
    const QString service = watcher.registrations().front().service;
    test::FakeStatusNotifierHost host;
    EXPECT_EQ(host.property(service, "XAyatanaLabel").toString(), "24:58");
    EXPECT_EQ(host.property(service, "IconPixmap").isValid(), true);
    host.call(service, QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"), {300, 5});
    EXPECT_EQ(clicks, std::vector<QPoint>{QPoint(300, 5)});

    watcher.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.kind() == StatusItemBackendChooser::Kind::trayIcon; }, kWaitMs));
}

TEST(StatusNotifierBackendTest, HostPointsWithoutAPlaceMeanThePointer)
{
    QCursor::setPos(640, 500);
    ASSERT_TRUE(QTest::qWaitFor([] { return QCursor::pos() == QPoint(640, 500); }, kWaitMs));
    EXPECT_EQ(StatusNotifierBackend::logicalPoint({0, 0}), QPoint(640, 500));
    EXPECT_EQ(StatusNotifierBackend::logicalPoint({1300, 1000}), QPoint(1300, 1000));
}

// The bus traffic of one idle minute in focus: the engine ticks 60 times and the item
// is updated on every tick, as the status item does.
TEST(StatusItemBackendChooserTest, IdleMinuteTraffic)
{
    test::FakeStatusNotifierWatcher watcher;
    ASSERT_TRUE(watcher.start());
    StatusNotifierBackend backend;
    backend.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return backend.item().isRegistered(); }, kWaitMs));
    const QString service = QString::fromStdString(backend.item().serviceName());

    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    const auto update = [&] {
        const StatusSnapshot snapshot = StatusSnapshot::of(engine);
        backend.setIcon(StatusIconRenderer::images(StatusIconRenderer::keyFor(snapshot)));
        const QString title = StatusMenuPresentation(snapshot).menuTitle();
        backend.setToolTip(title);
        backend.setLabel(title);
    };
    update();
    test::FakeStatusNotifierHost host;
    host.listenTo(service);
    host.sync(service);

    for (int tick = 0; tick < 60; ++tick) {
        loop.advance(1s);
        update();
    }
    host.sync(service);
    EXPECT_EQ(engine.phase(), TimerPhase::focus);

    std::map<QString, int> bySignal;
    for (const QString &name : host.signalNames())
        ++bySignal[name];
    std::cout << "D-Bus signals in one idle minute in focus: " << host.signalsReceived.size() << " (";
    for (const auto &[name, count] : bySignal)
        std::cout << " " << name.toStdString() << "=" << count;
    std::cout << " )\n";
    ::testing::Test::RecordProperty("signalsPerIdleMinute", int(host.signalsReceived.size()));
    // The label and the tooltip follow the countdown each second; the ring moves at most
    // twice in a minute of a 25-minute session; nothing else goes out.
    EXPECT_EQ(bySignal["XAyatanaNewLabel"], 60);
    EXPECT_EQ(bySignal["NewToolTip"], 60);
    EXPECT_LE(bySignal["NewIcon"], 2);
    EXPECT_EQ(host.signalsReceived.size(), 120u + unsigned(bySignal["NewIcon"]));
}
