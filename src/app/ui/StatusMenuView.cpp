#include "app/ui/StatusMenuView.h"
#include "app/ui/AccessibleRole.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/WidgetText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

#include "app/AppModel.h"
#include "app/ui/DerivedPalette.h"
#include "app/ui/Mnemonics.h"
#include "app/ui/PanelButton.h"
#include "app/ui/PanelCountdown.h"
#include "app/ui/PanelFrame.h"
#include "app/ui/PopupPlacement.h"
#include "app/ui/StatusMenuPresentation.h"

namespace tavelo {

namespace {

constexpr qreal kCountdownPointSize = 34;
// Caption text relative to the body font.
constexpr qreal kCaptionScale = 0.85;
constexpr int kContentWidth = StatusMenuView::kWidth - 2 * StatusMenuView::kMargin;

// Access keys for the entries of a pull-down.
void markMenu(QMenu *menu)
{
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions)
        texts << action->text();
    const QStringList marked = Mnemonics::assign(texts);
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setText(marked[i]);
}

} // namespace

StatusMenuView::StatusMenuView(AppModel &model, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_model(model), m_refresh(model.loop(), [this] {
          if (isVisible())
              refresh();
      })
{
    setObjectName(QStringLiteral("statusMenu"));
    // A popup is not among the application's windows for assistive technologies; named and
    // with a window's role, it is found from the focus and read as the program's panel.
    setWindowTitle(QStringLiteral("Tavelo"));
    setAccessibleRole(this, QAccessible::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    buildLayout();
    // Under XWayland a click on a Wayland surface (a bar, a native window) never reaches
    // the popup's pointer grab; the focus it takes away is all that tells of it.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &StatusMenuView::focusMoved);
}

StatusMenuView::~StatusMenuView() = default;

void StatusMenuView::buildLayout()
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    m_layout->setSpacing(kSpacing);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);

    QFont headlineFont = font();
    headlineFont.setWeight(QFont::DemiBold);
    QFont captionFont = font();
    captionFont.setPointSizeF(std::max(font().pointSizeF() * kCaptionScale, 7.0));

    m_headline = addText("headline", headlineFont, 1.0);
    m_countdown = new PanelCountdown(kContentWidth, kCountdownPointSize, this);
    m_countdown->setObjectName(QStringLiteral("countdownRow"));
    setAccessibleRole(m_countdown->label(), QAccessible::StaticText);
    m_layout->addWidget(m_countdown);
    m_statusLine = addText("statusLine", captionFont, 0.65);
    m_sessionLine = addText("sessionLine", captionFont, 0.65);
    addDivider();

    m_pause = addButton("pause", tr("Pause Timer"), nullptr);
    auto *pauseMenu = new QMenu(m_pause);
    pauseMenu->setObjectName(QStringLiteral("pauseMenu"));
    for (const auto &pause : StatusMenuPresentation::timedPauses) {
        const std::int64_t seconds = pause.seconds;
        pauseMenu->addAction(tr(pause.text), this, [this, seconds] { m_model.pauseFor(seconds); });
    }
    pauseMenu->addSeparator();
    pauseMenu->addAction(tr("Pause Indefinitely"), this, [this] { m_model.togglePause(); });
    markMenu(pauseMenu);
    m_pause->setMenu(pauseMenu);

    m_resume = addButton("resume", QString(), [this] { m_model.togglePause(); });
    m_startMicro =
        addButton("startMicrobreak", tr("Start Microbreak"), [this] { m_model.startBreakNow(BreakType::micro); });
    m_startLong =
        addButton("startLongBreak", tr("Start Long Break"), [this] { m_model.startBreakNow(BreakType::long_); });
    m_skip = addButton("skip", QString(), [this] { m_model.skipBreak(); });
    m_postpone = addButton("postpone", QString(), [this] { m_model.postponeBreak(); });
    addButton("resetFocus", tr("Reset Focus Timer"), [this] { m_model.resetFocus(); });
    addDivider();

    addButton("statistics", tr("Statistics…"), [this] {
        close();
        QMetaObject::invokeMethod(
            this, [this] { m_model.openStatistics(); }, Qt::QueuedConnection);
    });
    addButton("settings", tr("Settings…"), [this] {
        // The panel goes first; the window opens on the next turn, when the popup has let go.
        close();
        QMetaObject::invokeMethod(
            this, [this] { m_model.openSettings(); }, Qt::QueuedConnection);
    });
    m_checkForUpdates = addButton("checkForUpdates", tr("Check for Updates…"), [this] { m_model.checkForUpdates(); });
    addHelp();

    m_version = addText("version", captionFont, 0.45);
    addButton("quit", tr("Quit"), [] { QCoreApplication::quit(); });
}

QLabel *StatusMenuView::addText(const char *name, const QFont &font, qreal alpha)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFixedWidth(kContentWidth);
    if (alpha < 1.0)
        DerivedPalette::fade(label, QPalette::WindowText, alpha);
    m_layout->addWidget(label);
    return label;
}

PanelButton *StatusMenuView::addButton(const char *name, const QString &text, std::function<void()> action)
{
    auto *button = new PanelButton(QString(), this);
    button->setObjectName(QLatin1String(name));
    button->setFixedWidth(kContentWidth);
    if (action)
        connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    m_layout->addWidget(button);
    // Those made without a text take theirs from the state, which changes.
    m_column.add(button, text.isEmpty());
    if (!text.isEmpty())
        m_column.setText(button, text);
    return button;
}

void StatusMenuView::addHelp()
{
    PanelButton *help = addButton("help", tr("Help"), nullptr);
    auto *helpMenu = new QMenu(help);
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    // Like Settings…: the panel goes first and the window opens on the next turn.
    QAction *tour = helpMenu->addAction(tr("Take the Tour…"), this, [this] {
        close();
        QMetaObject::invokeMethod(
            this, [this] { m_model.openTour(); }, Qt::QueuedConnection);
    });
    tour->setObjectName(QStringLiteral("takeTheTour"));
    m_whatsNew = helpMenu->addAction(tr("What's New"), this, [this] {
        close();
        QMetaObject::invokeMethod(
            this, [this] { m_model.openWhatsNew(); }, Qt::QueuedConnection);
    });
    m_whatsNew->setObjectName(QStringLiteral("whatsNew"));
    markMenu(helpMenu);
    // Nothing announces a change of the last version seen, so ask whenever it can be seen.
    connect(helpMenu, &QMenu::aboutToShow, this, [this] { refreshHelp(); });
    help->setMenu(helpMenu);
    refreshHelp();
}

void StatusMenuView::refreshHelp()
{
    m_whatsNew->setEnabled(m_model.canShowWhatsNew());
    const bool updates = m_model.updateChecksAvailable();
    m_checkForUpdates->setEnabled(updates);
    m_checkForUpdates->setToolTip(updates ? tr("Check now for a new version of Tavelo.")
                                          : tr("Update checks are unavailable outside an installed build."));
}

void StatusMenuView::addDivider()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    setAccessibleRole(line, QAccessible::Separator);
    line->setFixedSize(kContentWidth, 1);
    DerivedPalette::fade(line, QPalette::WindowText, 0.15);
    m_layout->addWidget(line);
}

void StatusMenuView::setCompositorCheck(std::function<bool()> compositorRunning)
{
    m_compositorRunning = std::move(compositorRunning);
}

void StatusMenuView::setTranslucent(bool translucent)
{
    if (translucent == m_translucent)
        return;
    m_translucent = translucent;
    // A window's alpha channel is chosen when it is made: make it again.
    if (windowHandle())
        destroy();
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    const int margin = kMargin + (translucent ? PanelFrame::kShadow : 0);
    m_layout->setContentsMargins(margin, margin, margin, margin);
}

void StatusMenuView::popupAt(const QPoint &pointer, const QRect &iconGeometry)
{
    m_anchor = iconGeometry.isValid() ? iconGeometry : QRect(pointer, QSize(1, 1));
    if (!isVisible())
        setTranslucent(m_compositorRunning && m_compositorRunning());
    refresh();
    fitAndPlace();
    show();
    raise();
    activateWindow();
}

bool StatusMenuView::closedWithin(std::chrono::milliseconds interval) const
{
    return m_sinceClosed.isValid() && !m_sinceClosed.hasExpired(interval.count());
}

void StatusMenuView::showEvent(QShowEvent *event)
{
    m_engineChanged = m_model.engine().changed.connect([this] { m_refresh.request(); });
    m_modelChanged = m_model.changed.connect([this] { m_refresh.request(); });
    refresh();
    refreshHelp();
    QWidget::showEvent(event);
}

void StatusMenuView::focusMoved(QWindow *window)
{
    if (!isVisible())
        return;
    if (window && isOwnWindow(window)) {
        m_hadFocus = true;
        return;
    }
    // A panel that never had the keyboard (the desktop did not give it) has nothing to lose.
    if (m_hadFocus)
        close();
}

bool StatusMenuView::isOwnWindow(const QWindow *window) const
{
    // The panel itself or one of the menus its buttons open.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window)
            continue;
        for (const QWidget *w = top; w; w = w->parentWidget()) {
            if (w == this)
                return true;
        }
    }
    return false;
}

void StatusMenuView::hideEvent(QHideEvent *event)
{
    m_hadFocus = false;
    m_column.showMnemonics(false);
    // Like a menu, it opens with no control chosen.
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
    m_engineChanged.disconnect();
    m_modelChanged.disconnect();
    m_sinceClosed.start();
    QWidget::hideEvent(event);
}

void StatusMenuView::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        // Like a menu: the arrows walk the controls, top to bottom.
        focusNextPrevChild(event->key() == Qt::Key_Down || event->key() == Qt::Key_Right);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (button && button->isEnabled()) {
            if (button->menu())
                button->showMenu();
            else
                button->click();
            return;
        }
        break;
    case Qt::Key_Alt:
        m_column.showMnemonics(true);
        break;
    default:
        // As in a menu, the access key alone acts too.
        if (!(event->modifiers() & ~Qt::ShiftModifier) && m_column.actOn(event->text()))
            return;
    }
    QWidget::keyPressEvent(event);
}

void StatusMenuView::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Alt)
        m_column.showMnemonics(false);
    QWidget::keyReleaseEvent(event);
}

QRect StatusMenuView::cardRect() const
{
    const int inset = m_translucent ? PanelFrame::kShadow : 0;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void StatusMenuView::mousePressEvent(QMouseEvent *event)
{
    // The shadow is drawn around the panel, not part of it: a press there is a press
    // outside, which closes a drop-down.
    if (!cardRect().contains(event->position().toPoint())) {
        close();
        return;
    }
    QWidget::mousePressEvent(event);
}

void StatusMenuView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PanelFrame::paint(p, cardRect(), palette(), m_translucent);
}

void StatusMenuView::setWrappedText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    // The panel's fixed-size layout goes by size hints, which know nothing of wrapping:
    // a long translation or a large font would lose its second line.
    label->setMinimumHeight(label->heightForWidth(label->width()));
}

void StatusMenuView::refresh()
{
    const StatusSnapshot snapshot = StatusSnapshot::of(m_model.engine());
    const QString version = QString::fromStdString(m_model.appVersionString());
    if (m_shown == snapshot && version == m_shownVersion)
        return;
    m_shown = snapshot;
    m_shownVersion = version;

    const StatusMenuPresentation p(snapshot);
    setWrappedText(m_headline, p.headline());
    m_countdown->show(snapshot, p.countdown());
    setWrappedText(m_statusLine, p.statusLine());
    setWrappedText(m_sessionLine, p.sessionLine());
    m_pause->setVisible(!p.showsResumeButton());
    m_resume->setVisible(p.showsResumeButton());
    m_column.setText(m_resume, p.resumeLabel());
    m_startMicro->setEnabled(p.startMicrobreakEnabled());
    m_startLong->setEnabled(p.startLongBreakEnabled());
    m_column.setText(m_skip, p.skipTitle());
    m_column.setText(m_postpone, p.postponeTitle());
    setWrappedText(m_version, StatusMenuPresentation::versionLine(version));
    if (isVisible())
        fitAndPlace();
}

void StatusMenuView::fitAndPlace()
{
    // The layout fixes the panel's size to its content: the full-width texts make it
    // kWidth wide (plus the shadow), and the height follows what is shown.
    m_layout->activate();
    if (!m_anchor.isValid())
        return;
    const int inset = m_translucent ? PanelFrame::kShadow : 0;
    const QSize card = size() - QSize(2 * inset, 2 * inset);
    const QPoint position =
        PopupPlacement::position(card, m_anchor, PopupPlacement::availableAt(m_anchor.center())) - QPoint(inset, inset);
    if (pos() != position)
        move(position);
}

} // namespace tavelo
