#pragma once

#include <vector>

#include <QWidget>

#include "core/HistorySummary.h"

namespace tavelo {

// One stacked bar per day: breaks taken in the accent colour, skipped and postponed in
// fainter shades of the text colour, so it reads on light and dark palettes alike.
class HistoryBarChart final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryBarChart(QWidget *parent = nullptr);

    void setDays(std::vector<DayTally> days);
    QSize sizeHint() const override { return {420, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::vector<DayTally> m_days;
};

} // namespace tavelo
