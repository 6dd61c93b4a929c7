#include "app/ui/StatisticsView.h"

#include <cmath>

#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/history/StatisticsReport.h"
#include "app/ui/AccessibleRole.h"
#include "app/ui/DerivedPalette.h"
#include "app/ui/DurationFormat.h"
#include "app/ui/HistoryBarChart.h"
#include "app/ui/TextStyles.h"

namespace tavelo {

namespace {

constexpr int kRanges[] = {1, 7, 30};

// A small square in a colour, for the legend.
class Swatch final : public QWidget {
public:
    Swatch(std::function<QColor(const QPalette &)> colour, QWidget *parent)
        : QWidget(parent), m_colour(std::move(colour))
    {
        setFixedSize(10, 10);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_colour(palette()));
        painter.drawRoundedRect(rect(), 2, 2);
    }

private:
    std::function<QColor(const QPalette &)> m_colour;
};

QColor textShade(const QPalette &palette, qreal alpha)
{
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(alpha);
    return colour;
}

} // namespace

StatisticsView::StatisticsView(EventSource events, const Clock &clock, LocalCalendar calendar, QWidget *parent)
    : QWidget(parent), m_events(std::move(events)), m_clock(clock), m_statistics(std::move(calendar))
{
    auto *rangeRow = new QHBoxLayout;
    rangeRow->setSpacing(0);
    m_range = new QButtonGroup(this);
    const QString names[] = {tr("Today"), tr("7 Days"), tr("30 Days")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(names[i], this);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setObjectName(QStringLiteral("range%1").arg(kRanges[i]));
        button->setChecked(kRanges[i] == m_days);
        m_range->addButton(button, kRanges[i]);
        rangeRow->addWidget(button);
    }
    // Toggled, so that a screen reader's toggle action switches the range as a click does.
    connect(m_range, &QButtonGroup::idToggled, this, [this](int days, bool checked) {
        if (checked)
            setDays(days);
    });
    rangeRow->addStretch(1);

    m_chart = new HistoryBarChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    setAccessibleRole(m_chart, QAccessible::Chart);
    m_chart->setAccessibleName(tr("Breaks per day"));

    auto *exportButton = new QPushButton(tr("Export CSV…"), this);
    exportButton->setObjectName(QStringLiteral("exportCsv"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCsv(); });
    auto *footer = new QHBoxLayout;
    footer->addWidget(buildLegend());
    footer->addStretch(1);
    footer->addWidget(exportButton);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(22, 22, 22, 22);
    column->setSpacing(16);
    column->addLayout(rangeRow);
    column->addWidget(buildFigures());
    column->addWidget(m_chart, 1);
    column->addLayout(footer);
}

QWidget *StatisticsView::buildFigures()
{
    auto *figures = new QWidget(this);
    auto *grid = new QGridLayout(figures);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);
    const char *captions[] = {QT_TR_NOOP("Taken"), QT_TR_NOOP("Skipped"),    QT_TR_NOOP("Postponed"),
                              QT_TR_NOOP("Kept"),  QT_TR_NOOP("Focus time"), QT_TR_NOOP("Longest stretch")};
    QFont valueFont = TextStyles::font(TextStyles::Style::title2, font());
    valueFont.setBold(true);
    const QFont captionFont = TextStyles::font(TextStyles::Style::footnote, font());
    for (int i = 0; i < 6; ++i) {
        // Values over captions, in two lines of three with a gap row between.
        const int row = (i / 3) * 3;
        auto *value = new QLabel(figures);
        value->setObjectName(QStringLiteral("value%1").arg(i));
        value->setFont(valueFont);
        auto *caption = new QLabel(tr(captions[i]), figures);
        caption->setFont(captionFont);
        DerivedPalette::follow(
            caption, [](QPalette &palette) { palette.setColor(QPalette::WindowText, TextStyles::secondary(palette)); });
        grid->addWidget(value, row, i % 3);
        grid->addWidget(caption, row + 1, i % 3);
        m_values.push_back(value);
    }
    grid->setRowMinimumHeight(2, 10);
    return figures;
}

QWidget *StatisticsView::buildLegend()
{
    auto *legend = new QWidget(this);
    auto *row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    const std::pair<const char *, std::function<QColor(const QPalette &)>> entries[] = {
        {QT_TR_NOOP("Taken"), [](const QPalette &p) { return TextStyles::accent(p); }},
        {QT_TR_NOOP("Skipped"), [](const QPalette &p) { return textShade(p, 0.45); }},
        {QT_TR_NOOP("Postponed"), [](const QPalette &p) { return textShade(p, 0.2); }},
    };
    const QFont captionFont = TextStyles::font(TextStyles::Style::footnote, font());
    for (const auto &[name, colour] : entries) {
        row->addWidget(new Swatch(colour, legend));
        auto *label = new QLabel(tr(name), legend);
        label->setFont(captionFont);
        row->addWidget(label);
        row->addSpacing(8);
    }
    return legend;
}

void StatisticsView::setDays(int days)
{
    m_days = days;
    if (QAbstractButton *button = m_range->button(days))
        button->setChecked(true);
    refresh();
}

void StatisticsView::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void StatisticsView::refresh()
{
    const TimePoint now = m_clock.now();
    m_summary = m_statistics.summarize(m_events(m_statistics.eventsNeededFrom(now, m_days)), now, m_days);
    const QString texts[] = {
        QString::number(m_summary.taken),
        QString::number(m_summary.skipped),
        QString::number(m_summary.postponed),
        m_summary.shareKept ? QStringLiteral("%1%").arg(std::lround(*m_summary.shareKept * 100)) : QStringLiteral("–"),
        localPausedDuration(m_summary.focusSeconds),
        localPausedDuration(m_summary.longestStretchSeconds),
    };
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(texts[i]);
    m_chart->setDays(m_summary.days);
    // What a screen reader says of the chart: how many days it spans.
    m_chart->setAccessibleDescription(tr("%n day(s)", nullptr, static_cast<int>(m_summary.days.size())));
}

void StatisticsView::exportCsv()
{
    const QString suggested =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/tavelo-%1.csv").arg(QString::fromStdString(StatisticsReport::isoDate(m_summary.lastDay)));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested, tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const std::string csv = StatisticsReport::csv(m_summary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), qint64(csv.size())) != qint64(csv.size()))
        QMessageBox::warning(this, tr("Export CSV"), tr("Could not write %1: %2").arg(path, file.errorString()));
}

} // namespace tavelo
