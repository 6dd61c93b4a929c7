#include "app/ui/PageDot.h"

#include <QPainter>

#include "app/ui/TextStyles.h"

namespace tavelo {

PageDot::PageDot(QWidget *parent) : QAbstractButton(parent)
{
    // Adjacent buttons touch, so the dots end up kGap apart.
    setFixedSize(kDiameter + kGap, kDiameter + kGap);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PageDot::setCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    update();
}

void PageDot::paintEvent(QPaintEvent *)
{
    QColor colour = m_current ? TextStyles::accent(palette()) : palette().color(QPalette::WindowText);
    if (!m_current)
        colour.setAlphaF(0.55f * 0.3f);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF dot((width() - kDiameter) / 2.0, (height() - kDiameter) / 2.0, kDiameter, kDiameter);
    painter.drawEllipse(dot);
}

} // namespace tavelo
