#include "app/ui/TourRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "app/ui/SymbolIcon.h"
#include "app/ui/TextStyles.h"

namespace tavelo {

namespace {
constexpr int kSymbolColumn = 28;
constexpr qreal kCornerRadius = 10;
} // namespace

TourRow::TourRow(Symbol symbol, const QColor &tint, const QString &text, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("row"));
    setFixedWidth(kWidth);

    // Drawn a little larger than the text beside it, as symbols of a heading size are.
    const QFont symbolFont = TextStyles::font(TextStyles::Style::title3, font());
    const int symbolSize = qRound(QFontMetrics(symbolFont).height() * 1.25);
    auto *icon = new SymbolIcon(symbol, symbolSize, tint, this, 1.1);
    icon->setFixedWidth(std::max(kSymbolColumn, symbolSize));

    m_label = new QLabel(text, this);
    m_label->setObjectName(QStringLiteral("rowText"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setFont(TextStyles::font(TextStyles::Style::body, font()));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(12);
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    layout->addWidget(m_label, 1);
}

QString TourRow::text() const
{
    return m_label->text();
}

void TourRow::setText(const QString &text)
{
    if (m_label->text() != text)
        m_label->setText(text);
}

void TourRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(TextStyles::quaternaryFill(palette()));
    painter.drawRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
}

} // namespace tavelo
