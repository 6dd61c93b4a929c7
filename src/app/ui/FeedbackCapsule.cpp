#include "app/ui/FeedbackCapsule.h"

#include <algorithm>

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include "app/ui/SymbolPainter.h"

namespace tavelo {

namespace {
constexpr int kPadX = 10;
constexpr int kPadY = 6;
constexpr int kGap = 5;
constexpr qreal kStartScale = 0.9;
// Footnote text relative to body text.
constexpr qreal kFootnoteScale = 10.0 / 13.0;
} // namespace

FeedbackCapsule::FeedbackCapsule(QWidget *parent) : QWidget(parent), m_animation(new QVariantAnimation(this))
{
    QFont footnote = font();
    if (footnote.pointSizeF() > 0)
        footnote.setPointSizeF(std::max(8.0, footnote.pointSizeF() * kFootnoteScale));
    footnote.setWeight(QFont::DemiBold);
    setFont(footnote);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation->setDuration(kAnimationMs);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_reveal = value.toReal();
        update();
    });
    connect(m_animation, &QVariantAnimation::finished, this, [this] {
        if (m_message.isEmpty())
            hide();
    });
    hide();
}

void FeedbackCapsule::setMessage(const QString &message)
{
    if (message == m_message)
        return;
    m_message = message;
    if (message.isEmpty()) {
        animateTo(0);
        return;
    }
    m_painted = message;
    updateGeometry();
    setAccessibleName(message);
    show();
    animateTo(1);
}

void FeedbackCapsule::animateTo(qreal end)
{
    m_animation->stop();
    m_animation->setStartValue(m_reveal);
    m_animation->setEndValue(end);
    m_animation->start();
}

void FeedbackCapsule::settle()
{
    if (m_animation->state() == QAbstractAnimation::Running)
        m_animation->setCurrentTime(m_animation->duration());
}

QColor FeedbackCapsule::green() const
{
    // Darker on light backgrounds, lighter on dark ones, so the text stays legible.
    return palette().color(QPalette::Window).lightness() > 128 ? QColor(36, 138, 61) : QColor(48, 209, 88);
}

QSize FeedbackCapsule::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int icon = metrics.height();
    return {kPadX * 2 + icon + kGap + metrics.horizontalAdvance(m_painted), kPadY * 2 + metrics.height()};
}

void FeedbackCapsule::paintEvent(QPaintEvent *)
{
    if (m_reveal <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(m_reveal);
    const qreal scale = kStartScale + (1 - kStartScale) * m_reveal;
    const QPointF centre = QRectF(rect()).center();
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-centre);

    const QColor colour = green();
    QColor fill = colour;
    fill.setAlphaF(0.12f);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);

    const QFontMetrics metrics(font());
    const int icon = metrics.height();
    const QRectF iconBox(kPadX, (height() - icon) / 2.0, icon, icon);
    const QRectF symbolBox = iconBox.adjusted(1, 1, -1, -1);
    p.drawImage(symbolBox, SymbolPainter::render(Symbol::checkmarkCircleFill, int(symbolBox.width()), colour,
                                                 devicePixelRatioF()));
    p.setPen(colour);
    p.drawText(QRectF(kPadX + icon + kGap, 0, width() - kPadX * 2 - icon - kGap, height()),
               Qt::AlignLeft | Qt::AlignVCenter, m_painted);
}

void FeedbackCapsule::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

} // namespace tavelo
