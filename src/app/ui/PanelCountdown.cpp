#include "app/ui/PanelCountdown.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>

#include "app/ui/Appearance.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/CountdownRing.h"
#include "app/ui/StatusIconRenderer.h"

namespace tavelo {

PanelCountdown::PanelCountdown(int width, qreal pointSize, QWidget *parent) : QWidget(parent)
{
    setFixedWidth(width);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label = new CountdownLabel(this);
    m_label->setObjectName(QStringLiteral("countdown"));
    QFont font = this->font();
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Black);
    m_label->setFont(font);
    layout->addWidget(m_label);
    layout->addStretch(1);
    // As tall as the digits, so that the row keeps the countdown's height.
    const QFontMetrics metrics(font);
    m_ring = new CountdownRing(metrics.capHeight() + metrics.descent(), this);
    m_ring->setObjectName(QStringLiteral("countdownRing"));
    layout->addWidget(m_ring, 0, Qt::AlignVCenter);
}

void PanelCountdown::show(const StatusSnapshot &snapshot, const QString &text)
{
    m_label->setText(text);
    m_snapshot = snapshot;
    refreshColour();
}

QColor PanelCountdown::accent() const
{
    const auto symbol = StatusIconRenderer::keyFor(m_snapshot.value_or(StatusSnapshot{})).symbol;
    return StatusIconRenderer::accent(symbol, Appearance::isDark(palette()));
}

void PanelCountdown::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        refreshColour();
    QWidget::changeEvent(event);
}

void PanelCountdown::refreshColour()
{
    const QColor colour = accent();
    QPalette palette = m_label->palette();
    if (palette.color(QPalette::WindowText) != colour) {
        palette.setColor(QPalette::WindowText, colour);
        m_label->setPalette(palette);
    }
    const StatusSnapshot snapshot = m_snapshot.value_or(StatusSnapshot{});
    const auto length = std::max<std::int64_t>(snapshot.phaseLengthSeconds, 1);
    const auto left = std::clamp<std::int64_t>(snapshot.remainingSeconds, 0, length);
    m_ring->setProgress(static_cast<qreal>(left) / static_cast<qreal>(length), colour);
}

} // namespace tavelo
