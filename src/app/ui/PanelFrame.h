#pragma once

#include <QPalette>
#include <QRect>

class QPainter;

namespace tavelo {

// How the status panel stands off what is behind it. Where a compositor blends windows,
// a card with rounded corners over a soft shadow, the window reaching kShadow pixels past
// the card on every side; elsewhere the window is the card, with a hairline border.
class PanelFrame {
public:
    static constexpr int kShadow = 14;
    static constexpr qreal kRadius = 10;

    // Paints the frame of the card `card` (in a translucent window: the shadow too).
    static void paint(QPainter &painter, const QRect &card, const QPalette &palette, bool translucent);
};

} // namespace tavelo
