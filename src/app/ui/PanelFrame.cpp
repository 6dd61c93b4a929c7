#include "app/ui/PanelFrame.h"

#include <QPainter>

namespace tavelo {

namespace {

// The shadow falls a little below the card, as from a light above.
constexpr int kDrop = 3;
// Darkness added by each of the shadow's layers; they add up towards the card.
constexpr int kLayerAlpha = 5;

} // namespace

void PanelFrame::paint(QPainter &painter, const QRect &card, const QPalette &palette, bool translucent)
{
    QColor border = palette.color(QPalette::WindowText);
    border.setAlphaF(translucent ? 0.16 : 0.25);
    if (!translucent) {
        painter.setPen(border);
        painter.drawRect(card.adjusted(0, 0, -1, -1));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, kLayerAlpha));
    for (int grow = kShadow; grow > 0; --grow) {
        const QRectF layer = QRectF(card).adjusted(-grow, -grow + kDrop, grow, grow + kDrop);
        painter.drawRoundedRect(layer, kRadius + grow, kRadius + grow);
    }
    painter.setBrush(palette.color(QPalette::Window));
    painter.setPen(QPen(border, 1));
    painter.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
}

} // namespace tavelo
