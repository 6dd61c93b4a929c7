#include "app/ui/OnboardingView.h"

#include <algorithm>

#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/AppModel.h"
#include "app/ui/DerivedPalette.h"
#include "app/ui/OnboardingPresentation.h"
#include "app/ui/PageDot.h"
#include "app/ui/ProminentButton.h"
#include "app/ui/SymbolPainter.h"
#include "app/ui/TextStyles.h"
#include "app/ui/TourPage.h"
#include "app/ui/TourRow.h"

namespace tavelo {

namespace {

using Presentation = OnboardingPresentation;

constexpr int kFadeMilliseconds = 200;
constexpr int kEnableButtonMinimumWidth = 200;
constexpr int kLargeControlHeight = 34;

void setSecondaryColour(QWidget *widget)
{
    DerivedPalette::follow(widget, [](QPalette &palette) {
        palette.setColor(QPalette::WindowText, TextStyles::secondary(palette));
        palette.setColor(QPalette::ButtonText, TextStyles::secondary(palette));
    });
}

} // namespace

OnboardingView::OnboardingView(AppModel &model, std::function<void()> onDone, QWidget *parent)
    : QWidget(parent), m_model(model), m_onDone(std::move(onDone)), m_refresh(model.loop(), [this] { refresh(); })
{
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    buildLayout();
    m_modelChanged = m_model.changed.connect([this] { m_refresh.request(); });

    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, m_forward, &QPushButton::click);
    }
}

void OnboardingView::buildLayout()
{
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pages"));
    const BreakSettings &settings = m_model.settings();
    for (int index = 0; index < Presentation::kPageCount; ++index) {
        const Presentation::Page content = Presentation::page(index, settings);
        m_rows.emplace_back();
        QWidget *body = nullptr;
        if (!content.rows.empty())
            body = buildRows(index);
        else if (index == Presentation::kNotificationPage)
            body = buildNotificationContent();
        auto *page = new TourPage(content.symbol, body, m_stack);
        page->setObjectName(QStringLiteral("page%1").arg(index));
        page->setTexts(content.title, content.subtitle);
        if (index == 0)
            page->setAccessibleName(content.title + QStringLiteral(", ") + content.subtitle);
        m_pages.push_back(page);
        m_stack->addWidget(page);
    }

    auto *dotsRow = new QWidget(this);
    auto *dots = new QHBoxLayout(dotsRow);
    dots->setContentsMargins(0, 0, 0, 10);
    dots->setSpacing(0);
    dots->addStretch(1);
    for (int index = 0; index < Presentation::kPageCount; ++index) {
        auto *dot = new PageDot(dotsRow);
        dot->setObjectName(QStringLiteral("dot%1").arg(index));
        dot->setAccessibleName(Presentation::dotAccessibleName(index));
        dot->setCurrent(index == 0);
        connect(dot, &PageDot::clicked, this, [this, index] { setPage(index); });
        m_dots.push_back(dot);
        dots->addWidget(dot);
    }
    dots->addStretch(1);

    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setFixedHeight(1);
    DerivedPalette::fade(divider, QPalette::WindowText, 0.15);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_stack, 1);
    column->addWidget(dotsRow);
    column->addWidget(divider);
    column->addWidget(buildButtonBar());
}

QWidget *OnboardingView::buildRows(int page)
{
    auto *box = new QWidget;
    auto *rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(10);
    for (const Presentation::Row &row : Presentation::page(page, m_model.settings()).rows) {
        auto *widget = new TourRow(row.symbol, Presentation::colour(row.tint), row.text, box);
        m_rows[static_cast<std::size_t>(page)].push_back(widget);
        rows->addWidget(widget);
    }
    return box;
}

QWidget *OnboardingView::buildNotificationContent()
{
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    m_enableNotifications = new QPushButton(tr("Enable Notifications"), box);
    m_enableNotifications->setObjectName(QStringLiteral("enableNotifications"));
    m_enableNotifications->setToolTip(tr("If notifications were denied, this opens System Settings instead."));
    m_enableNotifications->setMinimumWidth(kEnableButtonMinimumWidth);
    m_enableNotifications->setMinimumHeight(kLargeControlHeight);
    const int iconSize = fontMetrics().height();
    m_enableNotifications->setIcon(QIcon(QPixmap::fromImage(SymbolPainter::render(
        Symbol::bellFill, iconSize, palette().color(QPalette::ButtonText), devicePixelRatioF()))));
    m_enableNotifications->setIconSize(QSize(iconSize, iconSize));
    m_enableNotifications->setCursor(Qt::PointingHandCursor);
    connect(m_enableNotifications, &QPushButton::clicked, this, [this] {
        m_model.handleNotificationCTA([self = QPointer<OnboardingView>(this)](const std::string &text) {
            if (self)
                self->setFeedback(QString::fromStdString(text));
        });
    });

    m_feedbackLabel = new QLabel(box);
    m_feedbackLabel->setObjectName(QStringLiteral("notificationFeedback"));
    m_feedbackLabel->setTextFormat(Qt::PlainText);
    m_feedbackLabel->setAlignment(Qt::AlignCenter);
    QFont feedbackFont = TextStyles::font(TextStyles::Style::footnote, font());
    feedbackFont.setWeight(QFont::DemiBold);
    m_feedbackLabel->setFont(feedbackFont);
    setSecondaryColour(m_feedbackLabel);
    // The line's room is kept while it is hidden, so the page does not jump when it appears.
    QSizePolicy policy = m_feedbackLabel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_feedbackLabel->setSizePolicy(policy);
    m_feedbackLabel->setMinimumHeight(QFontMetrics(feedbackFont).height());
    m_feedbackLabel->hide();

    column->addWidget(m_enableNotifications, 0, Qt::AlignHCenter);
    column->addWidget(m_feedbackLabel, 0, Qt::AlignHCenter);
    return box;
}

QWidget *OnboardingView::buildButtonBar()
{
    auto *bar = new QWidget(this);
    m_back = new QPushButton(tr("Back"), bar);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setEnabled(Presentation::backEnabled(0));
    connect(m_back, &QPushButton::clicked, this, [this] { setPage(std::max(m_page - 1, 0)); });

    m_skip = new QPushButton(tr("Skip tour"), bar);
    m_skip->setObjectName(QStringLiteral("skip"));
    m_skip->setFlat(true);
    m_skip->setCursor(Qt::PointingHandCursor);
    // A style sheet sets its own text colour: it is written again for each palette.
    DerivedPalette::follow(m_skip, [skip = m_skip](QPalette &palette) {
        const QColor text = TextStyles::secondary(palette);
        const QString sheet = QStringLiteral("QPushButton { border: none; background: transparent; padding: 4px 6px;"
                                             " color: rgba(%1, %2, %3, %4); }"
                                             "QPushButton:hover { text-decoration: underline; }")
                                  .arg(text.red())
                                  .arg(text.green())
                                  .arg(text.blue())
                                  .arg(text.alpha());
        if (skip->styleSheet() != sheet)
            skip->setStyleSheet(sheet);
    });
    connect(m_skip, &QPushButton::clicked, this, [this] {
        if (auto done = m_onDone)
            done();
    });

    m_forward = new ProminentButton(Presentation::forwardTitle(0), bar);
    m_forward->setObjectName(QStringLiteral("forward"));
    connect(m_forward, &QPushButton::clicked, this, [this] { forward(); });
    // Wide enough for either title, so the bar does not shift on the last page.
    const QFontMetrics metrics(m_forward->font());
    const int widest = std::max(metrics.horizontalAdvance(Presentation::forwardTitle(0)),
                                metrics.horizontalAdvance(Presentation::forwardTitle(Presentation::kPageCount - 1)));
    m_forward->setMinimumWidth(widest + 40);
    const int height = std::max(m_back->sizeHint().height(), m_forward->sizeHint().height());
    m_back->setFixedHeight(height);
    m_forward->setFixedHeight(height);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(20, 14, 20, 14);
    row->setSpacing(8);
    row->addWidget(m_back, 0, Qt::AlignVCenter);
    row->addWidget(m_skip, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_forward, 0, Qt::AlignVCenter);
    return bar;
}

void OnboardingView::setPage(int page, bool animated)
{
    page = std::clamp(page, 0, Presentation::kPageCount - 1);
    if (page == m_page)
        return;
    m_page = page;
    m_stack->setCurrentIndex(page);
    for (std::size_t index = 0; index < m_dots.size(); ++index)
        m_dots[index]->setCurrent(static_cast<int>(index) == page);
    m_back->setEnabled(Presentation::backEnabled(page));
    m_forward->setText(Presentation::forwardTitle(page));
    if (animated)
        fadeIn(m_stack->currentWidget());
    pageCameOnScreen();
}

void OnboardingView::fadeIn(QWidget *page)
{
    auto *effect = new QGraphicsOpacityEffect(page);
    effect->setOpacity(0.0);
    page->setGraphicsEffect(effect);
    auto *animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(kFadeMilliseconds);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    // Drawn without the effect once it is done, so nothing stays composited.
    connect(animation, &QPropertyAnimation::finished, page, [page, effect = QPointer<QGraphicsOpacityEffect>(effect)] {
        if (effect && page->graphicsEffect() == effect)
            page->setGraphicsEffect(nullptr);
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void OnboardingView::pageCameOnScreen()
{
    if (m_page != Presentation::kNotificationPage || m_feedback)
        return;
    m_model.refreshNotificationState([self = QPointer<OnboardingView>(this)](const std::optional<std::string> &text) {
        // An answer of "nothing to say" leaves a line the enable button gave meanwhile.
        if (self && text)
            self->setFeedback(QString::fromStdString(*text));
    });
}

void OnboardingView::setFeedback(const QString &text)
{
    m_feedback = text;
    m_feedbackLabel->setText(text);
    m_feedbackLabel->show();
}

void OnboardingView::forward()
{
    if (!Presentation::forwardFinishes(m_page)) {
        setPage(m_page + 1);
        return;
    }
    if (auto done = m_onDone)
        done();
}

void OnboardingView::refresh()
{
    const BreakSettings &settings = m_model.settings();
    for (int index = 0; index < Presentation::kPageCount; ++index) {
        const Presentation::Page content = Presentation::page(index, settings);
        const auto slot = static_cast<std::size_t>(index);
        m_pages[slot]->setTexts(content.title, content.subtitle);
        for (std::size_t row = 0; row < m_rows[slot].size() && row < content.rows.size(); ++row)
            m_rows[slot][row]->setText(content.rows[row].text);
    }
}

} // namespace tavelo
