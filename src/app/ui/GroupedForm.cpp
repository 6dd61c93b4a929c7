#include "app/ui/GroupedForm.h"

#include <QPainter>
#include <QVBoxLayout>

namespace tavelo {

namespace {
constexpr int kInsetX = 12;
constexpr int kRowPadY = 4;

QColor textWithAlpha(const QWidget &widget, qreal alpha)
{
    QColor colour = widget.palette().color(QPalette::WindowText);
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}
} // namespace

GroupedForm::GroupedForm(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(kInsetX, kRowPadY, kInsetX, kRowPadY);
    m_layout->setSpacing(2 * kRowPadY + 1);
}

void GroupedForm::addRow(QWidget *row)
{
    m_layout->addWidget(row);
}

void GroupedForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(textWithAlpha(*this, 0.10));
    p.setBrush(textWithAlpha(*this, 0.035));
    p.drawRoundedRect(box, kRadius, kRadius);

    // A hairline halfway between each row and the next, inset like the rows.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(textWithAlpha(*this, 0.10));
    for (int i = 1; i < m_layout->count(); ++i) {
        const QRect above = m_layout->itemAt(i - 1)->geometry();
        const QRect below = m_layout->itemAt(i)->geometry();
        const int y = (above.bottom() + below.top() + 1) / 2;
        p.drawLine(kInsetX, y, width() - kInsetX, y);
    }
}

} // namespace tavelo
