#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "core/Clock.h"
#include "core/HistoryEvent.h"
#include "core/HistoryStatistics.h"
#include "core/HistorySummary.h"

class QButtonGroup;
class QLabel;

namespace tavelo {

class HistoryBarChart;

// Today, the last 7 or the last 30 days of the break history: the counts, the share of
// breaks kept, focus time and a bar per day, with export to CSV.
class StatisticsView final : public QWidget {
    Q_OBJECT
public:
    // The recorded events from an instant on.
    using EventSource = std::function<std::vector<HistoryEvent>(TimePoint from)>;

    StatisticsView(EventSource events, const Clock &clock, LocalCalendar calendar, QWidget *parent = nullptr);

    // Reads the history again.
    void refresh();
    int days() const { return m_days; }
    void setDays(int days);
    const HistorySummary &summary() const { return m_summary; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildFigures();
    QWidget *buildLegend();
    void exportCsv();

    EventSource m_events;
    const Clock &m_clock;
    HistoryStatistics m_statistics;
    int m_days = 7;
    HistorySummary m_summary;
    QButtonGroup *m_range = nullptr;
    std::vector<QLabel *> m_values;
    HistoryBarChart *m_chart = nullptr;
};

} // namespace tavelo
