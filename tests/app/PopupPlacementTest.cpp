#include <gtest/gtest.h>

#include "app/ui/PopupPlacement.h"

using tavelo::PopupPlacement;

namespace {

// A 1280×1024 screen whose free area depends on where the panel is.
constexpr QSize kPopup(260, 400);
constexpr int kGap = PopupPlacement::kGap;

TEST(PopupPlacement, OpensAwayFromThePanelEdge)
{
    // Top panel, 24 px high.
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(600, 1, 22, 22), QRect(0, 24, 1280, 1000)),
              QPoint(610 - 130, 23 + kGap));
    // Bottom panel.
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(600, 1001, 22, 22), QRect(0, 0, 1280, 1000)),
              QPoint(610 - 130, 1001 - kGap - 400));
    // Left panel: beside it, level with the icon.
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(1, 300, 22, 22), QRect(24, 0, 1256, 1024)),
              QPoint(23 + kGap, 300));
    // Right panel.
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(1257, 300, 22, 22), QRect(0, 0, 1256, 1024)),
              QPoint(1257 - kGap - 260, 300));
}

TEST(PopupPlacement, StaysInsideTheFreeArea)
{
    const QRect available(0, 0, 1280, 1000);
    // An icon at the right end of a bottom panel.
    const QPoint corner = PopupPlacement::position(kPopup, QRect(1250, 1001, 22, 22), available);
    EXPECT_EQ(corner, QPoint(1280 - 260, 1001 - kGap - 400));

    // The pointer in the free area: below it when there is room, else above.
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(500, 100, 1, 1), available), QPoint(370, 101 + kGap));
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(500, 800, 1, 1), available), QPoint(370, 800 - kGap - 400));
    // No room either way: clamped.
    const QPoint squeezed = PopupPlacement::position(QSize(260, 700), QRect(500, 500, 1, 1), available);
    EXPECT_TRUE(available.contains(QRect(squeezed, QSize(260, 700))));

    // Larger than the screen: the top-left corner, where the content begins, stays visible.
    EXPECT_EQ(PopupPlacement::position(QSize(2000, 2000), QRect(500, 500, 1, 1), QRect(10, 20, 1280, 1000)),
              QPoint(10, 20));
}

TEST(PopupPlacement, InACornerTheFartherSideWins)
{
    // Panels on the right and at the bottom; the icon lies further beyond the right edge.
    const QRect available(0, 0, 1250, 1000);
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(1252, 995, 22, 22), available), QPoint(1252 - kGap - 260, 600));
    EXPECT_EQ(PopupPlacement::position(kPopup, QRect(1230, 1001, 22, 22), available), QPoint(990, 1001 - kGap - 400));
}

} // namespace
