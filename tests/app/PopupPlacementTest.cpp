#include <optional>

#include <gtest/gtest.h>

#include "app/ui/PopupPlacement.h"

using namespace tavelo;

namespace {

using Screens = std::vector<PopupPlacement::Screen>;

QPoint panelAt(const std::optional<QPoint> &click, const QRect &icon, const QPoint &pointer, const Screens &screens)
{
    const QRect anchor = PopupPlacement::anchor(click, icon, pointer, screens);
    for (const auto &screen : screens) {
        if (screen.geometry.contains(anchor.center()))
            return PopupPlacement::position({260, 400}, anchor, screen.available);
    }
    return {-1, -1};
}

// The offscreen screens side by side: 1280×1024 (primary) and 1920×1080 at x 1280. With
// `bar`, a panel reserves the primary screen's top 27 px, as xfce4-panel does.
TEST(PopupPlacement, HangsFromThePlausibleClickElseTheIconElseThePointerElseTheTopRight)
{
    const Screens plain = PopupPlacement::currentScreens();
    ASSERT_EQ(plain.size(), 2u);
    Screens bar = plain;
    bar[0].available.setTop(27);
    const QRect noIcon;
    const QPoint stale(0, 0);
    const struct {
        const char *what;
        std::optional<QPoint> click;
        QRect icon;
        QPoint pointer;
        const Screens &screens;
        QPoint panel;
    } cases[] = {
        {"waybar's point is relative to the icon", QPoint(12, 9), noIcon, stale, plain, {1020, 5}},
        {"the same with a known pointer", QPoint(12, 9), noIcon, {700, 500}, plain, {570, 505}},
        {"a panel reserves the corner: the point is believed", QPoint(12, 9), noIcon, stale, bar, {0, 27}},
        {"past the box, on the second screen's bar", QPoint(3000, 10), noIcon, stale, plain, {2870, 15}},
        {"at the bottom of the second screen", QPoint(3195, 1070), noIcon, stale, plain, {2940, 666}},
        {"a point on no screen gives way to the icon", QPoint(5000, 50), {300, 0, 22, 22}, stale, plain, {180, 26}},
        {"an icon on no screen gives way to the pointer",
         std::nullopt,
         {5000, 0, 22, 22},
         {700, 500},
         plain,
         {570, 505}},
        {"second launch, pointer in the bar, below it", std::nullopt, noIcon, {640, 10}, bar, {510, 27}},
        {"second launch, stale pointer", std::nullopt, noIcon, stale, bar, {1020, 32}},
        {"pointer on no screen", std::nullopt, noIcon, {-50, 300}, plain, {1020, 5}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(panelAt(c.click, c.icon, c.pointer, c.screens), c.panel) << c.what;
}

} // namespace
