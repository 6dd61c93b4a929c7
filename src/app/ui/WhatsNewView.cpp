#include "app/ui/WhatsNewView.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/ui/DerivedPalette.h"
#include "app/ui/OnboardingPresentation.h"
#include "app/ui/ProminentButton.h"
#include "app/ui/ReleaseNoteText.h"
#include "app/ui/SymbolIcon.h"
#include "app/ui/TextStyles.h"

namespace tavelo {

namespace {

QLabel *makeLabel(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    return label;
}

} // namespace

WhatsNewView::WhatsNewView(std::vector<ReleaseNote> notes, std::function<void()> onDone, QWidget *parent)
    : QWidget(parent), m_onDone(std::move(onDone))
{
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    m_done = new ProminentButton(tr("Back to Focus"), this);
    m_done->setObjectName(QStringLiteral("done"));
    connect(m_done, &QPushButton::clicked, this, [this] {
        if (auto done = m_onDone)
            done();
    });
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, m_done, &QPushButton::click);
    }

    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(0, 0, 0, 0);
    footer->addStretch(1);
    footer->addWidget(m_done);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(22, 22, 22, 22);
    column->setSpacing(16);
    column->addWidget(buildHeader());
    column->addWidget(buildNotes(notes), 1);
    column->addLayout(footer);
}

QWidget *WhatsNewView::buildHeader()
{
    auto *header = new QWidget(this);
    const QFont titleStyle = TextStyles::font(TextStyles::Style::title, font());
    auto *icon =
        new SymbolIcon(Symbol::sparkles, QFontMetrics(titleStyle).height(), TextStyles::accent(palette()), header);
    icon->followAccent();

    QFont titleFont = TextStyles::font(TextStyles::Style::title2, font());
    titleFont.setBold(true);
    auto *title = makeLabel(tr("What's New"), titleFont, header);
    title->setObjectName(QStringLiteral("title"));
    auto *subtitle =
        makeLabel(tr("Tavelo just got better."), TextStyles::font(TextStyles::Style::body, font()), header);
    subtitle->setObjectName(QStringLiteral("subtitle"));
    DerivedPalette::follow(
        subtitle, [](QPalette &palette) { palette.setColor(QPalette::WindowText, TextStyles::secondary(palette)); });

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(subtitle);

    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(icon, 0, Qt::AlignVCenter);
    row->addLayout(texts, 1);
    return header;
}

QWidget *WhatsNewView::buildNotes(const std::vector<ReleaseNote> &notes)
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("notes"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->viewport()->setAutoFillBackground(false);

    auto *list = new QWidget(scroll);
    list->setAutoFillBackground(false);
    auto *blocks = new QVBoxLayout(list);
    blocks->setContentsMargins(0, 0, 0, 0);
    blocks->setSpacing(14);
    for (const ReleaseNote &note : notes)
        blocks->addWidget(buildNote(note, list));
    blocks->addStretch(1);
    scroll->setWidget(list);
    return scroll;
}

QWidget *WhatsNewView::buildNote(const ReleaseNote &note, QWidget *parent)
{
    auto *block = new QWidget(parent);
    block->setObjectName(QStringLiteral("note"));
    auto *lines = new QVBoxLayout(block);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(6);

    const QString heading =
        tr("Version %1 \u2014 %2")
            .arg(QString::fromStdString(note.version.raw()), ReleaseNoteText::translated(note.title));
    auto *headingLabel = makeLabel(heading, TextStyles::font(TextStyles::Style::headline, font()), block);
    headingLabel->setObjectName(QStringLiteral("heading"));
    lines->addWidget(headingLabel);

    const QFont body = TextStyles::font(TextStyles::Style::body, font());
    const int iconSize = QFontMetrics(body).height();
    const QColor green = OnboardingPresentation::colour(OnboardingPresentation::Tint::green);
    for (const std::string &highlight : note.highlights) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        row->addWidget(new SymbolIcon(Symbol::checkmarkCircleFill, iconSize, green, block), 0, Qt::AlignTop);
        auto *text = makeLabel(ReleaseNoteText::translated(highlight), body, block);
        text->setObjectName(QStringLiteral("highlight"));
        row->addWidget(text, 1);
        lines->addLayout(row);
    }
    return block;
}

} // namespace tavelo
