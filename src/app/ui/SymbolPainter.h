#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

namespace tavelo {

// The small pictures the windows show beside their texts and on their buttons.
enum class Symbol {
    figureCooldown,
    timer,
    handRaisedFill,
    moonZzzFill,
    bellBadgeFill,
    brainHeadProfile,
    eyes,
    cupAndSaucerFill,
    pauseCircle,
    clockArrowCirclepath,
    forwardFill,
    snowflake,
    checkmarkCircle,
    laptopComputer,
    bellFill,
    sparkles,
    checkmarkCircleFill,
    checkmark,
    arrowCounterclockwise,
    squareAndArrowDown,
};

// Draws each symbol from simple shapes in one colour, so they need no icon theme and
// look the same on every desktop.
class SymbolPainter {
public:
    // A transparent square of `size` logical pixels at `devicePixelRatio`, the symbol
    // drawn in `colour`. `weight` thickens the strokes (1 is regular).
    static QImage render(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio = 1.0,
                         qreal weight = 1.0);
    // A button icon of `size` logical pixels, sharp at the usual device pixel ratios; its
    // disabled state is the same picture, faded.
    static QIcon icon(Symbol symbol, const QColor &colour, int size = 16);
};

} // namespace tavelo
