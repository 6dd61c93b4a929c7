#include "app/ui/HistoryBarChart.h"

#include <algorithm>

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/ui/TextStyles.h"

namespace tavelo {

namespace {

QColor faded(QColor colour, qreal alpha)
{
    colour.setAlphaF(alpha);
    return colour;
}

} // namespace

HistoryBarChart::HistoryBarChart(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HistoryBarChart::setDays(std::vector<DayTally> days)
{
    m_days = std::move(days);
    update();
}

void HistoryBarChart::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void HistoryBarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    const QFont small = TextStyles::font(TextStyles::Style::footnote, font());
    painter.setFont(small);
    const QFontMetrics metrics(small);
    const int labelHeight = metrics.height() + 4;
    const QRectF plot = QRectF(rect()).adjusted(0, 4, 0, -labelHeight);

    // A faint baseline, and a line at the highest count.
    painter.setPen(QPen(faded(text, 0.18), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (m_days.empty())
        return;

    std::int64_t most = 1;
    for (const DayTally &day : m_days)
        most = std::max(most, day.taken + day.skipped + day.postponed);
    painter.drawLine(plot.topLeft(), plot.topRight());
    painter.setPen(faded(text, 0.5));
    painter.drawText(QRectF(plot.left(), plot.top(), plot.width(), metrics.height()), Qt::AlignRight | Qt::AlignTop,
                     QString::number(most));

    const qreal slot = plot.width() / qreal(m_days.size());
    const qreal barWidth = std::clamp(slot * 0.6, 2.0, 28.0);
    const qreal radius = std::min(barWidth / 2, 4.0);
    const QColor colours[] = {TextStyles::accent(palette()), faded(text, 0.45), faded(text, 0.2)};
    // Label every day when they fit, else about one in seven, always today.
    const int labelEvery = slot >= metrics.horizontalAdvance(QStringLiteral("00")) + 4 ? 1 : 7;

    for (std::size_t i = 0; i < m_days.size(); ++i) {
        const DayTally &day = m_days[i];
        const qreal x = plot.left() + slot * qreal(i) + (slot - barWidth) / 2;
        const std::int64_t counts[] = {day.taken, day.skipped, day.postponed};
        const qreal total = plot.height() * qreal(counts[0] + counts[1] + counts[2]) / qreal(most);
        // One rounded bar, its parts stacked inside it without seams.
        QPainterPath bar;
        bar.addRoundedRect(QRectF(x, plot.bottom() - total, barWidth, total), radius, radius);
        painter.save();
        painter.setClipPath(bar);
        qreal bottom = plot.bottom();
        for (int part = 0; part < 3; ++part) {
            const qreal height = plot.height() * qreal(counts[part]) / qreal(most);
            painter.fillRect(QRectF(x, bottom - height, barWidth, height), colours[part]);
            bottom -= height;
        }
        painter.restore();
        const bool last = i + 1 == m_days.size();
        if (last || (m_days.size() - 1 - i) % labelEvery == 0) {
            const std::chrono::year_month_day date(day.day);
            painter.setPen(faded(text, last ? 0.85 : 0.55));
            painter.drawText(QRectF(plot.left() + slot * qreal(i) - 10, plot.bottom() + 2, slot + 20, labelHeight),
                             Qt::AlignHCenter | Qt::AlignTop, QString::number(unsigned(date.day())));
        }
    }
}

} // namespace tavelo
