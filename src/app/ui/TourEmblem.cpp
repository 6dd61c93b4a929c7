#include "app/ui/TourEmblem.h"

#include <QLinearGradient>
#include <QPainter>

#include "app/ui/TextStyles.h"

namespace tavelo {

namespace {
constexpr int kSymbolSize = 52;
constexpr qreal kSemibold = 1.15;
} // namespace

TourEmblem::TourEmblem(Symbol symbol, QWidget *parent) : QWidget(parent), m_symbol(symbol)
{
    setFixedSize(kDiameter, kDiameter);
    setObjectName(QStringLiteral("emblem"));
}

void TourEmblem::paintEvent(QPaintEvent *)
{
    const QColor accent = TextStyles::accent(palette());
    QColor from = accent;
    from.setAlphaF(0.25f);
    QColor to = accent;
    to.setAlphaF(0.08f);
    QLinearGradient gradient(QPointF(0, 0), QPointF(width(), height()));
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(rect());
    const QImage symbol = SymbolPainter::render(m_symbol, kSymbolSize, accent, devicePixelRatioF(), kSemibold);
    painter.drawImage(QPointF((width() - kSymbolSize) / 2.0, (height() - kSymbolSize) / 2.0), symbol);
}

} // namespace tavelo
