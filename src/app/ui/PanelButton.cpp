#include "app/ui/PanelButton.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace tavelo {

namespace {

constexpr int kPaddingX = 10;
constexpr int kPaddingY = 5;
constexpr qreal kRadius = 6;
constexpr qreal kChevron = 3.5;

QColor faded(QColor colour, qreal alpha)
{
    colour.setAlphaF(alpha);
    return colour;
}

} // namespace

PanelButton::PanelButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void PanelButton::setShowMnemonic(bool show)
{
    if (show == m_showMnemonic)
        return;
    m_showMnemonic = show;
    update();
}

int PanelButton::textWidth(int width) const
{
    return width - 2 * kPaddingX - (menu() ? static_cast<int>(3 * kChevron) : 0);
}

QSize PanelButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    // Given its width (the panel's), a long text (a translation, a large font) takes more lines.
    if (maximumWidth() < QWIDGETSIZE_MAX) {
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, textWidth(maximumWidth()), 100000),
                                                   Qt::TextWordWrap | Qt::TextShowMnemonic, text());
        return {maximumWidth(), std::max(wrapped.height(), metrics.height()) + 2 * kPaddingY};
    }
    return {metrics.horizontalAdvance(text()) + 2 * kPaddingX, metrics.height() + 2 * kPaddingY};
}

void PanelButton::focusInEvent(QFocusEvent *event)
{
    // A ring for the keyboard; a click or the panel opening shows where the pointer is anyway.
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                      reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
    QPushButton::focusInEvent(event);
}

void PanelButton::keyPressEvent(QKeyEvent *event)
{
    // The panel walks its column with the arrows, both ways.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void PanelButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const QColor textColour = palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor accent = palette().color(QPalette::Active, QPalette::Highlight);

    qreal fill = 0.07;
    if (!enabled)
        fill = 0.035;
    else if (isDown())
        fill = 0.2;
    else if (underMouse())
        fill = 0.13;
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(faded(ink, fill));
    p.drawRoundedRect(box, kRadius, kRadius);
    if (hasFocus() && m_keyboardFocus) {
        p.setPen(QPen(accent, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    }

    QRect textBox = rect().adjusted(kPaddingX, 0, -kPaddingX, 0);
    textBox.setWidth(textWidth(width()));
    if (menu()) {
        // A chevron pointing down: this one opens a menu.
        const QPointF centre(width() - kPaddingX - kChevron, height() / 2.0 + 1);
        QPainterPath chevron;
        chevron.moveTo(centre + QPointF(-kChevron, -kChevron / 2));
        chevron.lineTo(centre + QPointF(0, kChevron / 2));
        chevron.lineTo(centre + QPointF(kChevron, -kChevron / 2));
        p.setPen(QPen(faded(textColour, textColour.alphaF() * 0.7), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chevron);
    }
    p.setPen(textColour);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap |
                      (m_showMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    p.drawText(textBox, flags, text());
}

} // namespace tavelo
