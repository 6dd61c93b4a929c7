#include "app/ui/StatusMenuView.h"
#include "app/ui/AccessibleRole.h"
#include "app/ui/WidgetText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "app/AppModel.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/PopupPlacement.h"
#include "app/ui/StatusMenuPresentation.h"

namespace tavelo {

namespace {

constexpr qreal kCountdownPointSize = 34;
// Caption text relative to the body font.
constexpr qreal kCaptionScale = 0.85;

QColor withAlpha(QColor colour, qreal alpha)
{
    colour.setAlphaF(alpha);
    return colour;
}

} // namespace

StatusMenuView::StatusMenuView(AppModel &model, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_model(model)
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
    const QColor text = palette().color(QPalette::WindowText);

    m_headline = addText("headline", headlineFont, text);

    m_countdown = new CountdownLabel(this);
    m_countdown->setObjectName(QStringLiteral("countdown"));
    setAccessibleRole(m_countdown, QAccessible::StaticText);
    QFont countdownFont = font();
    countdownFont.setPointSizeF(kCountdownPointSize);
    countdownFont.setWeight(QFont::Black);
    m_countdown->setFont(countdownFont);
    m_layout->addWidget(m_countdown);

    m_statusLine = addText("statusLine", captionFont, withAlpha(text, 0.65));
    m_sessionLine = addText("sessionLine", captionFont, withAlpha(text, 0.65));
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

    QColor tertiary = withAlpha(text, 0.45);
    m_version = addText("version", captionFont, tertiary);
    addButton("quit", tr("Quit"), [] { QCoreApplication::quit(); });
}

QLabel *StatusMenuView::addText(const char *name, const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFixedWidth(kWidth - 2 * kMargin);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    m_layout->addWidget(label);
    return label;
}

QPushButton *StatusMenuView::addButton(const char *name, const QString &text, std::function<void()> action)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    if (action)
        connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    m_layout->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

void StatusMenuView::addHelp()
{
    QPushButton *help = addButton("help", tr("Help"), nullptr);
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
    line->setFixedSize(kWidth - 2 * kMargin, 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, withAlpha(palette.color(QPalette::WindowText), 0.15));
    line->setPalette(palette);
    m_layout->addWidget(line);
}

void StatusMenuView::popupAt(const QPoint &pointer, const QRect &iconGeometry)
{
    m_anchor = iconGeometry.isValid() ? iconGeometry : QRect(pointer, QSize(1, 1));
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
    m_engineChanged.disconnect();
    m_modelChanged.disconnect();
    m_sinceClosed.start();
    QWidget::hideEvent(event);
}

void StatusMenuView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StatusMenuView::paintEvent(QPaintEvent *)
{
    // A frameless popup gets no decoration: draw a hairline so it stands off what is behind.
    QPainter p(this);
    p.setPen(withAlpha(palette().color(QPalette::WindowText), 0.25));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
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
    m_countdown->setText(p.countdown());
    setWrappedText(m_statusLine, p.statusLine());
    setWrappedText(m_sessionLine, p.sessionLine());
    m_pause->setVisible(!p.showsResumeButton());
    m_resume->setVisible(p.showsResumeButton());
    setTextIfChanged(m_resume, p.resumeLabel());
    m_startMicro->setEnabled(p.startMicrobreakEnabled());
    m_startLong->setEnabled(p.startLongBreakEnabled());
    setTextIfChanged(m_skip, p.skipTitle());
    setTextIfChanged(m_postpone, p.postponeTitle());
    setWrappedText(m_version, StatusMenuPresentation::versionLine(version));
    if (isVisible())
        fitAndPlace();
}

void StatusMenuView::fitAndPlace()
{
    // The layout fixes the panel's size to its content: the full-width texts make it
    // kWidth wide, and the height follows what is shown.
    m_layout->activate();
    const QSize size = this->size();
    if (!m_anchor.isValid())
        return;
    const QPoint position = PopupPlacement::position(size, m_anchor, PopupPlacement::availableAt(m_anchor.center()));
    if (pos() != position)
        move(position);
}

} // namespace tavelo
