#include "app/ui/SettingsSymbol.h"

#include <cmath>
#include <numbers>
#include <utility>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavelo {

namespace {

constexpr qreal kRadiansPerDegree = std::numbers::pi / 180;

QPen strokePen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A tick inside `box`, as the two strokes of a check mark.
QPainterPath tick(const QRectF &box)
{
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.54);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    path.lineTo(box.left() + box.width() * 0.82, box.top() + box.height() * 0.26);
    return path;
}

} // namespace

void SettingsSymbol::paint(QPainter &p, Kind kind, const QRectF &box, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    const qreal line = std::max<qreal>(1.2, s * 0.11);
    switch (kind) {
    case Kind::checkmark:
        p.setPen(strokePen(colour, line * 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick(square.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04)));
        break;
    case Kind::checkmarkCircleFill: {
        // The tick is cut out of the disc, so it shows whatever lies beneath.
        QPainterPath disc;
        disc.addEllipse(square.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04));
        QPainterPathStroker stroker(strokePen(colour, line * 1.1));
        const QPainterPath cut = stroker.createStroke(tick(square.adjusted(s * 0.2, s * 0.2, -s * 0.2, -s * 0.2)));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(disc.subtracted(cut));
        break;
    }
    case Kind::arrowCounterclockwise: {
        const QRectF ring = square.adjusted(s * 0.16, s * 0.16, -s * 0.16, -s * 0.16);
        p.setPen(strokePen(colour, line));
        p.setBrush(Qt::NoBrush);
        // Open at the top left, where the arrow head sits.
        p.drawArc(ring, 110 * 16, 290 * 16);
        const qreal r = ring.width() / 2;
        const QPointF end(ring.center().x() + r * std::cos(110 * kRadiansPerDegree),
                          ring.center().y() - r * std::sin(110 * kRadiansPerDegree));
        QPainterPath head;
        head.moveTo(end + QPointF(s * 0.22, -s * 0.04));
        head.lineTo(end);
        head.lineTo(end + QPointF(s * 0.10, s * 0.20));
        p.drawPath(head);
        break;
    }
    case Kind::squareAndArrowDown: {
        p.setPen(strokePen(colour, line));
        p.setBrush(Qt::NoBrush);
        const qreal l = square.left() + s * 0.16, r = square.right() - s * 0.16;
        const qreal top = square.top() + s * 0.40, bottom = square.bottom() - s * 0.08;
        QPainterPath tray;
        tray.moveTo(l + s * 0.14, top);
        tray.lineTo(l, top);
        tray.lineTo(l, bottom);
        tray.lineTo(r, bottom);
        tray.lineTo(r, top);
        tray.lineTo(r - s * 0.14, top);
        p.drawPath(tray);
        const qreal x = square.center().x();
        p.drawLine(QPointF(x, square.top() + s * 0.06), QPointF(x, square.top() + s * 0.66));
        QPainterPath head;
        head.moveTo(x - s * 0.17, square.top() + s * 0.48);
        head.lineTo(x, square.top() + s * 0.66);
        head.lineTo(x + s * 0.17, square.top() + s * 0.48);
        p.drawPath(head);
        break;
    }
    }
    p.restore();
}

QIcon SettingsSymbol::icon(Kind kind, const QColor &colour, int size)
{
    // Disabled buttons get the same picture, faded, not the style's grey-out of it.
    QColor faded = colour;
    faded.setAlphaF(colour.alphaF() * 0.4f);
    QIcon icon;
    for (const auto &[mode, tint] : {std::pair{QIcon::Normal, colour}, std::pair{QIcon::Disabled, faded}}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QPixmap pixmap(QSize(size, size) * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            paint(p, kind, QRectF(0, 0, size, size), tint);
            p.end();
            icon.addPixmap(pixmap, mode);
        }
    }
    return icon;
}

} // namespace tavelo
