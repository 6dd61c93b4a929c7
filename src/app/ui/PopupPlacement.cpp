#include "app/ui/PopupPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

#include "platform/DesktopWorkArea.h"

namespace tavelo {

namespace {

int clampInto(int start, int length, int areaStart, int areaLength)
{
    // Too big to fit: keep the start edge, where the content begins, on screen.
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

const PopupPlacement::Screen *screenAt(const QPoint &point, const std::vector<PopupPlacement::Screen> &screens)
{
    const auto found =
        std::ranges::find_if(screens, [&](const PopupPlacement::Screen &s) { return s.geometry.contains(point); });
    return found == screens.end() ? nullptr : &*found;
}

QRect at(const QPoint &point)
{
    return {point, QSize(1, 1)};
}

} // namespace

bool PopupPlacement::plausibleClick(const QPoint &point, const std::vector<Screen> &screens)
{
    const Screen *screen = screenAt(point, screens);
    if (!screen)
        return false;
    int left = screen->geometry.left(), top = screen->geometry.top();
    for (const Screen &s : screens) {
        left = std::min(left, s.geometry.left());
        top = std::min(top, s.geometry.top());
    }
    const bool inCornerBox = point.x() - left < kIconRelativeBox && point.y() - top < kIconRelativeBox;
    return !inCornerBox || !screen->available.contains(point);
}

QRect PopupPlacement::anchor(const std::optional<QPoint> &click, const QRect &icon, const QPoint &pointer,
                             const std::vector<Screen> &screens)
{
    if (click && plausibleClick(*click, screens))
        return at(*click);
    if (icon.isValid() && screenAt(icon.center(), screens))
        return icon;
    if (!pointer.isNull() && screenAt(pointer, screens))
        return at(pointer);
    if (screens.empty())
        return {};
    const QRect free = screens.front().available;
    return at({free.right(), free.top()});
}

std::vector<PopupPlacement::Screen> PopupPlacement::currentScreens()
{
    const std::vector<QRect> workAreas = desktopWorkAreas();
    std::vector<Screen> screens;
    const auto add = [&](const QScreen *screen) {
        QRect available = screen->availableGeometry();
        // A work area may span the desktop or one output; it narrows only the screens it covers.
        for (const QRect &area : workAreas) {
            if (const QRect inside = available & area; !inside.isEmpty()) {
                available = inside;
                break;
            }
        }
        screens.push_back({screen->geometry(), available});
    };
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        add(primary);
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            add(screen);
    }
    return screens;
}

QRect PopupPlacement::availableAt(const QPoint &point)
{
    const std::vector<Screen> screens = currentScreens();
    if (const Screen *screen = screenAt(point, screens))
        return screen->available;
    return screens.empty() ? QRect() : screens.front().available;
}

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
