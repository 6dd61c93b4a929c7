#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavelo {

// Where a drop-down panel goes beside what opened it: away from the panel edge the
// anchor sits on, centred on the anchor, and always inside the screen's free area.
struct PopupPlacement {
    static constexpr int kGap = 4;

    // `anchor` is the status icon, or a 1×1 rectangle at the pointer; `available` is the
    // screen's area without panels.
    static QPoint position(const QSize &size, const QRect &anchor, const QRect &available);
};

} // namespace tavelo
