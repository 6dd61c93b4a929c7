#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "support/AppFixture.h"
#include "platform/StatusItemBackend.h"
#include "platform/linux/TrayIconBackend.h"

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

// The tray icon in tint2: shown once it is painted there, and a click on it drops the
// panel down beside it.
TEST(StatusItemTray, ShowsInTheTrayAndClicksOpenAndCloseThePanel)
{
    test::AppFixture h;
    h.start();
    StatusItem item(*h.model, std::make_unique<TrayIconBackend>());
    QSignalSpy shown(&item, &StatusItem::shown);
    item.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs));
    EXPECT_TRUE(item.hasBeenShown());

    const QRect icon = item.backend().iconGeometry();
    ASSERT_TRUE(icon.isValid());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_TRUE(screen.contains(icon));

    clickAt(icon.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item.panel().isVisible(); }, kWaitMs));
    const QRect panel = item.panel().geometry();
    EXPECT_EQ(panel.width(), StatusMenuView::kWidth);
    EXPECT_TRUE(screen.contains(panel));
    EXPECT_FALSE(panel.intersects(icon)) << "the panel leaves the icon uncovered";
    EXPECT_LE(std::abs(panel.center().x() - icon.center().x()), StatusMenuView::kWidth / 2)
        << "the panel opens beside the icon";

    // The click that closes the panel must not open it again.
    clickAt(icon.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item.panel().isVisible(); }, kWaitMs));
    QTest::qWait(400);
    EXPECT_FALSE(item.panel().isVisible());

    clickAt(icon.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return item.panel().isVisible(); }, kWaitMs));
    item.panel().close();
}

} // namespace
