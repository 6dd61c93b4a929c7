#pragma once

#include <memory>

#include "app/ui/StatisticsView.h"
#include "core/LocalCalendar.h"

namespace tavelo {

// Makes the statistics window on first use and brings it to the front on every request.
class StatisticsWindowController {
public:
    StatisticsWindowController(StatisticsView::EventSource events, const Clock &clock, UtcOffsetFunction utcOffset);
    ~StatisticsWindowController();

    void show();
    StatisticsView *window() const { return m_window.get(); }

private:
    StatisticsView::EventSource m_events;
    const Clock &m_clock;
    UtcOffsetFunction m_utcOffset;
    std::unique_ptr<StatisticsView> m_window;
};

} // namespace tavelo
