#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace tavelo {

// The small pictures on the settings window's buttons and confirmation, drawn from
// simple shapes so they need no icon theme.
class SettingsSymbol {
public:
    enum class Kind { checkmark, checkmarkCircleFill, arrowCounterclockwise, squareAndArrowDown };

    static void paint(QPainter &painter, Kind kind, const QRectF &box, const QColor &colour);
    // An icon of `size` logical pixels, sharp at the usual device pixel ratios.
    static QIcon icon(Kind kind, const QColor &colour, int size = 16);
};

} // namespace tavelo
