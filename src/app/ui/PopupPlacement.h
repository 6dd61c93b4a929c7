#pragma once

#include <optional>
#include <vector>

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavelo {

// Where a drop-down panel goes beside what opened it: away from the panel edge the
// anchor sits on, centred on the anchor, and always inside the screen's free area.
struct PopupPlacement {
    static constexpr int kGap = 4;
    // Hosts that give click points relative to their icon (waybar sends (12, 9)) land
    // in this box at the desktop's top-left corner.
    static constexpr int kIconRelativeBox = 64;

    struct Screen {
        QRect geometry;
        // Without panels; smaller than `geometry` where a panel reserves a strip.
        QRect available;
    };

    // What to hang the panel from, in order of trust: the host's click point when it is
    // plausible, the icon when its place is known and on a screen, the pointer when it is
    // on a screen and not at the origin (XWayland reports (0,0) until the pointer first
    // crosses one of its windows), else the top-right corner of the first screen's free
    // area, where most panels keep their tray. `screens` has the primary screen first.
    static QRect anchor(const std::optional<QPoint> &click, const QRect &icon, const QPoint &pointer,
                        const std::vector<Screen> &screens);
    // A click point is plausible when it lies on a screen and, inside the icon-relative
    // box, only where a panel is known to be: in a strip outside the free area.
    static bool plausibleClick(const QPoint &point, const std::vector<Screen> &screens);
    // The application's screens, primary first, narrowed to the window manager's work
    // area where Qt leaves it out.
    static std::vector<Screen> currentScreens();
    // The free area of the screen holding `point`, else of the primary screen.
    static QRect availableAt(const QPoint &point);

    // `anchor` is the status icon, or a 1×1 rectangle at a point; `available` is the
    // screen's area without panels.
    static QPoint position(const QSize &size, const QRect &anchor, const QRect &available);
};

} // namespace tavelo
