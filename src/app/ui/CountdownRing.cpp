#include "app/ui/CountdownRing.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

namespace tavelo {

namespace {
constexpr qreal kWidthRatio = 0.14;
} // namespace

CountdownRing::CountdownRing(int diameter, QWidget *parent) : QWidget(parent)
{
    setFixedSize(diameter, diameter);
}

void CountdownRing::setProgress(qreal fraction, const QColor &colour)
{
    fraction = std::clamp(fraction, 0.0, 1.0);
    // A pixel of arc and no more is what the eye can tell apart.
    const qreal step = 1.0 / (M_PI * width());
    if (std::abs(fraction - m_fraction) < step && colour == m_colour)
        return;
    m_fraction = fraction;
    m_colour = colour;
    update();
}

void CountdownRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pen = width() * kWidthRatio;
    const QRectF box = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    QColor track = m_colour;
    track.setAlphaF(0.22);
    p.setPen(QPen(track, pen));
    p.drawEllipse(box);
    p.setPen(QPen(m_colour, pen, Qt::SolidLine, Qt::RoundCap));
    // Qt's angles: sixteenths of a degree, counter-clockwise from three o'clock.
    p.drawArc(box, 90 * 16, -static_cast<int>(std::lround(m_fraction * 360 * 16)));
}

} // namespace tavelo
