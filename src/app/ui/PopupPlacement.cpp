#include "app/ui/PopupPlacement.h"

#include <algorithm>

namespace tavelo {

namespace {

int clampInto(int start, int length, int areaStart, int areaLength)
{
    // Too big to fit: keep the start edge, where the content begins, on screen.
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint PopupPlacement::position(const QSize &size, const QRect &anchor, const QRect &available)
{
    const QPoint centre = anchor.center();
    const int w = size.width();
    const int h = size.height();
    int x = centre.x() - w / 2;
    int y = anchor.bottom() + 1 + kGap;

    // The anchor lies outside the free area on the side of the panel holding it; in a
    // corner, the side it lies further beyond wins.
    const int left = available.left() - centre.x();
    const int right = centre.x() - available.right();
    const int top = available.top() - centre.y();
    const int bottom = centre.y() - available.bottom();
    const int beyond = std::max({left, right, top, bottom});

    if (beyond > 0 && beyond == left) {
        x = anchor.right() + 1 + kGap;
        y = anchor.top();
    } else if (beyond > 0 && beyond == right) {
        x = anchor.left() - kGap - w;
        y = anchor.top();
    } else if (beyond > 0 && beyond == bottom) {
        y = anchor.top() - kGap - h;
    } else if (beyond <= 0 && y + h > available.bottom() + 1) {
        // Inside the free area (the pointer, or a tray without a reserved strip): below
        // when there is room, else above.
        y = anchor.top() - kGap - h;
    }
    return {clampInto(x, w, available.left(), available.width()), clampInto(y, h, available.top(), available.height())};
}

} // namespace tavelo
