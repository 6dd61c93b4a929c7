#pragma once

#include <QColor>
#include <QImage>

namespace tavelo {

// The small pictures the tour and What's New windows show beside their texts.
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
};

// Draws each symbol from simple shapes in one colour, so they need no icon theme and
// look the same on every desktop.
class SymbolPainter {
public:
    // A transparent square of `size` logical pixels at `devicePixelRatio`, the symbol
    // drawn in `colour`. `weight` thickens the strokes (1 is regular).
    static QImage render(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio = 1.0,
                         qreal weight = 1.0);
};

} // namespace tavelo
