#include "app/ui/BreakOverlayView.h"
#include "app/ui/AccessibleRole.h"
#include "app/ui/WidgetText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/ui/BreakOverlayPresentation.h"
#include "core/BreakEngine.h"

namespace tavelo {

namespace {

// Sizes in points; the desktop's own font family.
constexpr double kHeadlinePt = 44;
constexpr double kCountdownPt = 96;
constexpr double kInstructionPt = 20;
constexpr double kCalloutPt = 13;
constexpr double kCaptionPt = 11;
constexpr double kButtonPt = 13;
constexpr int kProgressWidth = 320;
constexpr int kProgressHeight = 6;

QLabel *makeLabel(QWidget *parent, const char *name, double pointSize, QFont::Weight weight, int alpha)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, %1); background: transparent;").arg(alpha));
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &style)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    QFont font = button->font();
    font.setPointSizeF(kButtonPt);
    font.setWeight(QFont::DemiBold);
    button->setFont(font);
    // Keyboard users reach the buttons with Tab; a stray Space or Return right after the
    // overlay appears must not end the break.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(style);
    return button;
}

} // namespace

BreakOverlayView::BreakOverlayView(BreakEngine &engine, std::function<void()> onSkip, std::function<void()> onPostpone,
                                   const Clock &clock, MainLoop &loop, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_clock(clock), m_onSkip(std::move(onSkip)),
      m_onPostpone(std::move(onPostpone)), m_refresh(loop, [this] {
          if (isVisible())
              refresh();
      })
{
    setFocusPolicy(Qt::StrongFocus);
    // Shown as an alert, a screen reader announces the break as it starts, focus taken or not.
    setAccessibleRole(this, QAccessible::AlertMessage);
    buildLayout();
    installShortcuts();
    refresh();
    m_engineChanged = m_engine.changed.connect([this] { m_refresh.request(); });
}

void BreakOverlayView::buildLayout()
{
    m_headline = makeLabel(this, "headline", kHeadlinePt, QFont::Bold, 255);
    m_countdown = makeLabel(this, "countdown", kCountdownPt, QFont::Black, 255);
    m_progressBar = new QWidget(this); // drawn by paintEvent
    m_progressBar->setObjectName(QStringLiteral("progress"));
    setAccessibleRole(m_progressBar, QAccessible::ProgressBar);
    m_progressBar->setAccessibleName(tr("Break progress"));
    m_progressBar->setFixedSize(kProgressWidth, kProgressHeight);
    m_instruction = makeLabel(this, "instruction", kInstructionPt, QFont::Medium, 214);
    m_subtitle = makeLabel(this, "subtitle", kCalloutPt, QFont::Normal, 199);
    m_keyHint = makeLabel(this, "keyHint", kCaptionPt, QFont::Normal, 140);

    m_postpone = makeButton(this, "postpone",
                            QStringLiteral("QPushButton { color: white; background: #ff9f0a; border: 2px solid #ff9f0a;"
                                           " border-radius: 9px; padding: 9px 22px; }"
                                           "QPushButton:hover { background: #ffad33; border-color: #ffad33; }"
                                           "QPushButton:pressed { background: #e08a00; border-color: #e08a00; }"
                                           "QPushButton:focus { border-color: white; }"));
    m_skip = makeButton(this, "skip",
                        QStringLiteral("QPushButton { color: white; background: rgba(255, 255, 255, 30);"
                                       " border: 2px solid rgba(255, 255, 255, 70); border-radius: 9px;"
                                       " padding: 9px 22px; }"
                                       "QPushButton:hover { background: rgba(255, 255, 255, 48); }"
                                       "QPushButton:pressed { background: rgba(255, 255, 255, 20); }"
                                       "QPushButton:focus { border-color: white; }"));
    connect(m_postpone, &QPushButton::clicked, this, [this] { m_onPostpone(); });
    connect(m_skip, &QPushButton::clicked, this, [this] { m_onSkip(); });

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(14);
    buttons->addWidget(m_postpone);
    buttons->addWidget(m_skip);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 40, 40, 40);
    column->setSpacing(20);
    column->addStretch(1);
    column->addWidget(m_headline, 0, Qt::AlignHCenter);
    column->addWidget(m_countdown, 0, Qt::AlignHCenter);
    column->addWidget(m_progressBar, 0, Qt::AlignHCenter);
    column->addWidget(m_instruction, 0, Qt::AlignHCenter);
    column->addWidget(m_subtitle, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    buttons->setAlignment(Qt::AlignHCenter);
    column->addWidget(m_keyHint, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

void BreakOverlayView::installShortcuts()
{
    const auto add = [this](const QKeySequence &keys, const std::function<void()> &action) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [action] { action(); });
    };
    const auto postpone = [this] { m_onPostpone(); };
    const auto skip = [this] { m_onSkip(); };
    add(QKeySequence(Qt::Key_Escape), postpone);
    add(QKeySequence(Qt::CTRL | Qt::Key_P), postpone);
    add(QKeySequence(Qt::CTRL | Qt::Key_Return), skip);
    add(QKeySequence(Qt::CTRL | Qt::Key_Enter), skip);
}

void BreakOverlayView::keyPressEvent(QKeyEvent *event)
{
    // Shortcuts work only in the active window; keys that reach us through the keyboard
    // grab while another window is active come here instead.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_P && modifiers == Qt::ControlModifier))
        m_onPostpone();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::ControlModifier)
        m_onSkip();
    else
        QWidget::keyPressEvent(event);
}

void BreakOverlayView::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void BreakOverlayView::refresh()
{
    const auto p = BreakOverlayPresentation::make(StatusSnapshot::of(m_engine), m_clock.now(),
                                                  &BreakOverlayPresentation::localShortTime);
    setTextIfChanged(m_headline, p.headline);
    if (accessibleName() != p.headline) {
        setAccessibleName(p.headline);
        setAccessibleDescription(p.instruction);
    }
    setTextIfChanged(m_countdown, p.countdown);
    if (m_countdown->accessibleName() != p.countdownAccessibleName)
        m_countdown->setAccessibleName(p.countdownAccessibleName);
    setTextIfChanged(m_instruction, p.instruction);
    setTextIfChanged(m_subtitle, p.subtitle);
    setTextIfChanged(m_postpone, p.postponeTitle);
    setTextIfChanged(m_skip, p.skipTitle);
    setTextIfChanged(m_keyHint, p.keyHint);
    if (p.progress != m_progress) {
        m_progress = p.progress;
        update(m_progressBar->geometry());
    }
}

void BreakOverlayView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0.0, QColor::fromRgbF(0.07f, 0.10f, 0.13f));
    gradient.setColorAt(1.0, QColor::fromRgbF(0.02f, 0.03f, 0.04f));
    painter.fillRect(rect(), gradient);

    const QRectF track = m_progressBar->geometry();
    const double radius = track.height() / 2.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 46));
    painter.drawRoundedRect(track, radius, radius);
    if (m_progress > 0.0) {
        QRectF filled = track;
        filled.setWidth(std::max(track.height(), track.width() * m_progress));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(filled, radius, radius);
    }
}

} // namespace tavelo
