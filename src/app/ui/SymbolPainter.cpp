#include "app/ui/SymbolPainter.h"

#include <cmath>
#include <numbers>
#include <utility>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavelo {

namespace {

// Every symbol is drawn on a 24 x 24 grid, scaled to the requested size.
constexpr qreal kGrid = 24.0;

class Pen {
public:
    Pen(QPainter &painter, const QColor &colour, qreal weight) : m_p(painter), m_colour(colour), m_weight(weight) {}

    void stroke(const QPainterPath &path, qreal width)
    {
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(m_colour, width * m_weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.drawPath(path);
    }
    void fill(const QPainterPath &path)
    {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(m_colour);
        m_p.drawPath(path);
    }
    // Fills and outlines, so that filled shapes match the weight of stroked ones.
    void solid(const QPainterPath &path, qreal width = 1.0)
    {
        m_p.setBrush(m_colour);
        m_p.setPen(QPen(m_colour, width * m_weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.drawPath(path);
    }
    // Cuts `path` out of what is drawn already (a gap around a badge, a check in a disc).
    void cut(const QPainterPath &path, qreal strokeWidth = 0.0)
    {
        const auto mode = m_p.compositionMode();
        m_p.setCompositionMode(QPainter::CompositionMode_Clear);
        if (strokeWidth > 0) {
            m_p.setBrush(Qt::NoBrush);
            m_p.setPen(QPen(Qt::black, strokeWidth * m_weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(Qt::black);
        }
        m_p.drawPath(path);
        m_p.setCompositionMode(mode);
    }

private:
    QPainter &m_p;
    QColor m_colour;
    qreal m_weight;
};

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath line(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath bell()
{
    QPainterPath path;
    path.moveTo(12, 2.8);
    path.cubicTo(8.2, 2.8, 6.3, 5.8, 6.3, 9.4);
    path.lineTo(6.3, 13.2);
    path.lineTo(4.2, 16.0);
    path.lineTo(4.2, 17.6);
    path.lineTo(19.8, 17.6);
    path.lineTo(19.8, 16.0);
    path.lineTo(17.7, 13.2);
    path.lineTo(17.7, 9.4);
    path.cubicTo(17.7, 5.8, 15.8, 2.8, 12, 2.8);
    path.closeSubpath();
    path.moveTo(9.6, 19.0);
    path.cubicTo(9.6, 20.4, 10.7, 21.4, 12, 21.4);
    path.cubicTo(13.3, 21.4, 14.4, 20.4, 14.4, 19.0);
    path.closeSubpath();
    return path;
}

// A four-pointed star with curved sides.
QPainterPath star(qreal cx, qreal cy, qreal r)
{
    const qreal k = r * 0.18;
    QPainterPath path;
    path.moveTo(cx, cy - r);
    path.quadTo(cx + k, cy - k, cx + r, cy);
    path.quadTo(cx + k, cy + k, cx, cy + r);
    path.quadTo(cx - k, cy + k, cx - r, cy);
    path.quadTo(cx - k, cy - k, cx, cy - r);
    path.closeSubpath();
    return path;
}

QPainterPath checkmark(qreal scale = 1.0)
{
    const QPointF c(12, 12);
    const auto at = [&](qreal x, qreal y) { return c + (QPointF(x, y) - c) * scale; };
    return line({at(7.4, 12.4), at(10.6, 15.6), at(16.6, 8.8)});
}

void draw(Symbol symbol, Pen &pen)
{
    switch (symbol) {
    case Symbol::figureCooldown: {
        // A figure stretching sideways, one arm over the head.
        pen.fill(circle(13.2, 4.6, 2.3));
        pen.stroke(line({{12.2, 8.6}, {11.0, 14.8}}), 2.6);
        pen.stroke(line({{11.0, 14.8}, {8.0, 21.2}}), 2.4);
        pen.stroke(line({{11.0, 14.8}, {14.6, 21.2}}), 2.4);
        QPainterPath overhead;
        overhead.moveTo(12.2, 9.0);
        overhead.cubicTo(15.4, 8.6, 17.6, 6.2, 17.4, 2.4);
        pen.stroke(overhead, 2.2);
        pen.stroke(line({{11.9, 10.0}, {7.4, 12.6}}), 2.2);
        break;
    }
    case Symbol::timer: {
        pen.stroke(circle(12, 13.4, 8.2), 2.0);
        pen.stroke(line({{10.0, 2.6}, {14.0, 2.6}}), 2.0);
        pen.stroke(line({{12, 2.8}, {12, 5.0}}), 2.0);
        pen.stroke(line({{12, 13.4}, {15.4, 9.8}}), 2.0);
        pen.fill(circle(12, 13.4, 1.5));
        break;
    }
    case Symbol::handRaisedFill: {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(6.6, 10.0, 11.0, 11.6), 4.2, 4.2);
        const qreal fingerTops[] = {4.6, 2.6, 3.2, 5.0};
        for (int i = 0; i < 4; ++i)
            hand.addRoundedRect(QRectF(6.6 + i * 2.75, fingerTops[i], 2.5, 12.0 - fingerTops[i] + 2.0), 1.25, 1.25);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-1.3, -4.6, 2.6, 8.0), 1.3, 1.3);
        QTransform turn;
        turn.translate(5.6, 14.6);
        turn.rotate(-35);
        hand.addPath(turn.map(thumb));
        hand.setFillRule(Qt::WindingFill);
        pen.fill(hand.simplified());
        break;
    }
    case Symbol::moonZzzFill: {
        QPainterPath moon = circle(10.0, 14.0, 7.6).subtracted(circle(14.6, 9.6, 6.2));
        pen.solid(moon, 0.6);
        pen.stroke(line({{14.4, 2.6}, {19.4, 2.6}, {14.4, 7.4}, {19.4, 7.4}}), 1.6);
        pen.stroke(line({{19.2, 10.0}, {22.0, 10.0}, {19.2, 12.8}, {22.0, 12.8}}), 1.3);
        break;
    }
    case Symbol::bellBadgeFill: {
        pen.fill(bell());
        pen.cut(circle(18.4, 5.4, 4.6));
        pen.fill(circle(18.4, 5.4, 3.1));
        break;
    }
    case Symbol::bellFill:
        pen.fill(bell());
        break;
    case Symbol::brainHeadProfile: {
        QPainterPath head;
        head.moveTo(7.2, 21.6);
        head.lineTo(7.2, 17.4);
        head.cubicTo(4.8, 15.8, 3.6, 13.2, 3.6, 10.4);
        head.cubicTo(3.6, 5.6, 7.4, 2.4, 12.0, 2.4);
        head.cubicTo(16.4, 2.4, 19.4, 5.4, 19.4, 9.4);
        head.lineTo(21.0, 12.8);
        head.lineTo(19.4, 13.4);
        head.lineTo(19.4, 16.2);
        head.cubicTo(19.4, 17.3, 18.6, 17.9, 17.6, 17.9);
        head.lineTo(15.4, 17.9);
        head.lineTo(15.4, 21.6);
        pen.stroke(head, 1.8);
        QPainterPath brain;
        brain.moveTo(8.2, 10.6);
        brain.cubicTo(7.0, 7.4, 10.0, 5.6, 11.6, 7.0);
        brain.cubicTo(13.0, 5.2, 16.4, 6.4, 15.6, 9.4);
        brain.cubicTo(17.0, 11.2, 15.0, 13.6, 13.0, 12.6);
        brain.cubicTo(12.0, 14.0, 9.2, 14.0, 8.9, 12.4);
        brain.cubicTo(7.6, 12.4, 7.3, 11.0, 8.2, 10.6);
        brain.moveTo(11.6, 7.0);
        brain.cubicTo(11.0, 8.2, 11.4, 9.4, 12.4, 9.8);
        // Kept clear of the outline, so the two read apart at small sizes.
        QTransform shrink;
        shrink.translate(11.8, 9.8);
        shrink.scale(0.78, 0.78);
        shrink.translate(-11.8, -9.8);
        pen.stroke(shrink.map(brain), 1.4);
        break;
    }
    case Symbol::eyes: {
        QPainterPath left, right;
        left.addEllipse(QPointF(8.0, 12.0), 4.2, 6.6);
        right.addEllipse(QPointF(16.4, 12.0), 4.2, 6.6);
        pen.stroke(left, 1.8);
        pen.stroke(right, 1.8);
        pen.fill(circle(9.2, 13.6, 2.0));
        pen.fill(circle(17.6, 13.6, 2.0));
        break;
    }
    case Symbol::cupAndSaucerFill: {
        QPainterPath cup;
        cup.moveTo(3.6, 6.4);
        cup.lineTo(17.0, 6.4);
        cup.lineTo(16.2, 13.4);
        cup.cubicTo(15.7, 16.2, 13.6, 17.6, 10.3, 17.6);
        cup.cubicTo(7.0, 17.6, 4.9, 16.2, 4.4, 13.4);
        cup.closeSubpath();
        pen.solid(cup, 0.6);
        QPainterPath handle;
        handle.moveTo(16.8, 8.2);
        handle.cubicTo(21.4, 7.6, 21.4, 13.6, 16.0, 13.8);
        pen.stroke(handle, 1.8);
        QPainterPath saucer;
        saucer.addRoundedRect(QRectF(2.0, 19.0, 20.0, 2.4), 1.2, 1.2);
        pen.fill(saucer);
        break;
    }
    case Symbol::pauseCircle: {
        pen.stroke(circle(12, 12, 9.2), 1.8);
        QPainterPath bars;
        bars.addRoundedRect(QRectF(8.6, 7.6, 2.4, 8.8), 0.8, 0.8);
        bars.addRoundedRect(QRectF(13.0, 7.6, 2.4, 8.8), 0.8, 0.8);
        pen.fill(bars);
        break;
    }
    case Symbol::clockArrowCirclepath: {
        // A circle of arrows around a clock face, opening at the upper left.
        const QPointF c(12, 12);
        const qreal r = 9.0;
        const qreal startDeg = 150;  // the open end, where the arrow points
        const qreal sweepDeg = -300; // drawn clockwise from there round to the tail
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg, sweepDeg);
        pen.stroke(arc, 1.8);
        // The head sits at the open end and points on, counter-clockwise.
        const qreal a = startDeg * std::numbers::pi / 180.0;
        const QPointF tip = c + QPointF(std::cos(a) * r, -std::sin(a) * r);
        const QPointF along(-std::sin(a), -std::cos(a)); // counter-clockwise tangent, y down
        const QPointF across(std::cos(a), -std::sin(a));
        QPainterPath head;
        head.moveTo(tip + along * 3.2);
        head.lineTo(tip - along * 0.6 + across * 3.0);
        head.lineTo(tip - along * 0.6 - across * 3.0);
        head.closeSubpath();
        pen.solid(head, 0.8);
        pen.stroke(line({{12, 12}, {12, 7.0}}), 1.8);
        pen.stroke(line({{12, 12}, {15.4, 14.2}}), 1.8);
        break;
    }
    case Symbol::forwardFill: {
        QPainterPath arrows;
        arrows.moveTo(2.6, 6.4);
        arrows.lineTo(11.6, 12);
        arrows.lineTo(2.6, 17.6);
        arrows.closeSubpath();
        arrows.moveTo(12.0, 6.4);
        arrows.lineTo(21.0, 12);
        arrows.lineTo(12.0, 17.6);
        arrows.closeSubpath();
        pen.solid(arrows, 1.4);
        break;
    }
    case Symbol::snowflake: {
        const QPointF c(12, 12);
        for (int i = 0; i < 6; ++i) {
            const qreal a = (90.0 + i * 60.0) * std::numbers::pi / 180.0;
            const QPointF dir(std::cos(a), -std::sin(a));
            pen.stroke(line({c, c + dir * 9.6}), 1.7);
            const QPointF base = c + dir * 6.0;
            for (int side : {-1, 1}) {
                const qreal b = a + side * 45.0 * std::numbers::pi / 180.0;
                pen.stroke(line({base, base + QPointF(std::cos(b), -std::sin(b)) * 3.0}), 1.5);
            }
        }
        break;
    }
    case Symbol::checkmarkCircle:
        pen.stroke(circle(12, 12, 9.2), 1.8);
        pen.stroke(checkmark(0.9), 2.0);
        break;
    case Symbol::checkmarkCircleFill:
        pen.fill(circle(12, 12, 10.2));
        pen.cut(checkmark(0.95), 2.4);
        break;
    case Symbol::checkmark:
        pen.stroke(checkmark(1.5), 2.9);
        break;
    case Symbol::arrowCounterclockwise: {
        // Open at the top left, where the arrow head sits.
        const QRectF ring(3.84, 3.84, 16.32, 16.32);
        QPainterPath arc;
        arc.arcMoveTo(ring, 110);
        arc.arcTo(ring, 110, 290);
        pen.stroke(arc, 2.64);
        const qreal a = 110 * std::numbers::pi / 180;
        const QPointF end(12 + 8.16 * std::cos(a), 12 - 8.16 * std::sin(a));
        pen.stroke(line({end + QPointF(5.28, -0.96), end, end + QPointF(2.4, 4.8)}), 2.64);
        break;
    }
    case Symbol::squareAndArrowDown:
        pen.stroke(line({{7.2, 9.6}, {3.84, 9.6}, {3.84, 22.08}, {20.16, 22.08}, {20.16, 9.6}, {16.8, 9.6}}), 2.64);
        pen.stroke(line({{12, 1.44}, {12, 15.84}}), 2.64);
        pen.stroke(line({{7.92, 11.52}, {12, 15.84}, {16.08, 11.52}}), 2.64);
        break;
    case Symbol::laptopComputer: {
        QPainterPath screen;
        screen.addRoundedRect(QRectF(4.4, 4.6, 15.2, 10.8), 1.6, 1.6);
        pen.stroke(screen, 1.8);
        QPainterPath base;
        base.addRoundedRect(QRectF(1.6, 17.4, 20.8, 2.4), 1.2, 1.2);
        pen.fill(base);
        break;
    }
    case Symbol::sparkles:
        pen.fill(star(9.6, 14.0, 8.4));
        pen.fill(star(18.4, 5.6, 4.2));
        pen.fill(star(19.2, 17.4, 2.8));
        break;
    }
}

} // namespace

QImage SymbolPainter::render(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio, qreal weight)
{
    const int pixels = std::max(1, static_cast<int>(std::ceil(size * devicePixelRatio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    Pen pen(painter, colour, weight);
    draw(symbol, pen);
    return image;
}

QIcon SymbolPainter::icon(Symbol symbol, const QColor &colour, int size)
{
    // Disabled buttons get the same picture, faded, not the style's grey-out of it.
    QColor faded = colour;
    faded.setAlphaF(colour.alphaF() * 0.4f);
    QIcon icon;
    for (const auto &[mode, tint] : {std::pair{QIcon::Normal, colour}, std::pair{QIcon::Disabled, faded}}) {
        for (const qreal ratio : {1.0, 2.0})
            icon.addPixmap(QPixmap::fromImage(render(symbol, size, tint, ratio)), mode);
    }
    return icon;
}

} // namespace tavelo
