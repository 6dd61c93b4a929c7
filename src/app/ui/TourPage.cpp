#include "app/ui/TourPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ui/DerivedPalette.h"
#include "app/ui/TextStyles.h"
#include "app/ui/TourEmblem.h"

namespace tavelo {

namespace {

// Centred by stretches rather than an alignment: an aligned item is given its size hint's
// height, not its height for the width it gets, which cuts off wrapped lines.
QHBoxLayout *centred(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

TourPage::TourPage(Symbol symbol, QWidget *content, QWidget *parent) : QWidget(parent)
{
    auto *emblem = new TourEmblem(symbol, this);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = TextStyles::font(TextStyles::Style::title2, font());
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_subtitle = new QLabel(this);
    m_subtitle->setObjectName(QStringLiteral("subtitle"));
    m_subtitle->setTextFormat(Qt::PlainText);
    m_subtitle->setWordWrap(true);
    m_subtitle->setAlignment(Qt::AlignCenter);
    m_subtitle->setFont(TextStyles::font(TextStyles::Style::body, font()));
    DerivedPalette::follow(
        m_subtitle, [](QPalette &palette) { palette.setColor(QPalette::WindowText, TextStyles::secondary(palette)); });
    m_subtitle->setFixedWidth(kTextWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 12, 32, 0);
    layout->setSpacing(16);
    layout->addSpacerItem(new QSpacerItem(0, 8, QSizePolicy::Minimum, QSizePolicy::Expanding));
    layout->addWidget(emblem, 0, Qt::AlignHCenter);
    // The title takes the full width, so it wraps only where it must.
    layout->addWidget(m_title);
    layout->addLayout(centred(m_subtitle));
    if (content) {
        content->setParent(this);
        content->setContentsMargins(0, 4, 0, 0);
        layout->addLayout(centred(content));
    }
    layout->addSpacerItem(new QSpacerItem(0, 8, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

QString TourPage::title() const
{
    return m_title->text();
}

QString TourPage::subtitle() const
{
    return m_subtitle->text();
}

void TourPage::setTexts(const QString &title, const QString &subtitle)
{
    if (m_title->text() != title)
        m_title->setText(title);
    if (m_subtitle->text() != subtitle)
        m_subtitle->setText(subtitle);
}

} // namespace tavelo
