#include "app/ui/SymbolIcon.h"

#include <QEvent>
#include <QPainter>

#include "app/ui/TextStyles.h"

namespace tavelo {

SymbolIcon::SymbolIcon(Symbol symbol, int size, const QColor &colour, QWidget *parent, qreal weight)
    : QWidget(parent), m_symbol(symbol), m_size(size), m_colour(colour), m_weight(weight)
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SymbolIcon::setColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    m_image = QImage();
    update();
}

void SymbolIcon::followAccent()
{
    m_followsAccent = true;
    setColour(TextStyles::accent(palette()));
}

void SymbolIcon::changeEvent(QEvent *event)
{
    if (m_followsAccent && event->type() == QEvent::PaletteChange)
        setColour(TextStyles::accent(palette()));
    QWidget::changeEvent(event);
}

void SymbolIcon::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_image.isNull() || m_image.devicePixelRatio() != ratio)
        m_image = SymbolPainter::render(m_symbol, m_size, m_colour, ratio, m_weight);
    QPainter painter(this);
    painter.drawImage(QPointF((width() - m_size) / 2.0, (height() - m_size) / 2.0), m_image);
}

} // namespace tavelo
