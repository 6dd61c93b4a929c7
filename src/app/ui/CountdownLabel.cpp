#include "app/ui/CountdownLabel.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace tavelo {

CountdownLabel::CountdownLabel(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    measureDigits();
}

void CountdownLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    const bool resized = text.size() != m_text.size();
    m_text = text;
    setAccessibleName(text);
    if (resized)
        updateGeometry();
    update();
}

void CountdownLabel::measureDigits()
{
    const QFontMetricsF metrics(font());
    m_digitWidth = 0;
    for (char c = '0'; c <= '9'; ++c)
        m_digitWidth = std::max(m_digitWidth, metrics.horizontalAdvance(QChar(c)));
}

qreal CountdownLabel::advance(QChar c) const
{
    return c.isDigit() ? m_digitWidth : QFontMetricsF(font()).horizontalAdvance(c);
}

QSize CountdownLabel::sizeHint() const
{
    qreal width = 0;
    for (const QChar c : m_text)
        width += advance(c);
    return {static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(QFontMetricsF(font()).height()))};
}

void CountdownLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const qreal baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    qreal x = 0;
    for (const QChar c : m_text) {
        const qreal cell = advance(c);
        // Each digit centred in its cell.
        const qreal glyph = metrics.horizontalAdvance(c);
        p.drawText(QPointF(x + (cell - glyph) / 2, baseline), QString(c));
        x += cell;
    }
}

void CountdownLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        measureDigits();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace tavelo
