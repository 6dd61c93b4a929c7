#include "app/history/HistoryRecorder.h"

#include <algorithm>

#include "app/AppModel.h"
#include "app/history/HistoryStore.h"

namespace tavelo {

HistoryRecorder::HistoryRecorder(AppModel &model, HistoryStore &store, MainLoop &loop, const Clock &clock,
                                 ProblemReporter reportProblem)
    : m_store(store), m_loop(loop), m_clock(clock), m_reportProblem(std::move(reportProblem))
{
    if (auto problem = m_store.open(m_clock.now() - retention))
        report(*problem);
    m_events = model.historyEvent.connect([this](const HistoryEvent &event) { append(event); });
    append({m_clock.now(), HistoryEventKind::launched, std::nullopt, 0});
}

HistoryRecorder::~HistoryRecorder()
{
    m_events.disconnect();
    m_pending.push_back({m_clock.now(), HistoryEventKind::quit, std::nullopt, 0});
    flush();
}

void HistoryRecorder::append(const HistoryEvent &event)
{
    if (m_pending.size() >= maxPending)
        m_pending.erase(m_pending.begin());
    m_pending.push_back(event);
    if (m_flushArmed)
        return;
    m_flushArmed = true;
    m_loop.postAfter(flushDelay, m_liveness.guard([this] { flush(); }));
}

void HistoryRecorder::flush()
{
    m_flushArmed = false;
    if (m_pending.empty())
        return;
    // A store that could not open at start gets another chance with each batch.
    if (!m_store.isOpen()) {
        if (auto problem = m_store.open()) {
            report(*problem);
            return;
        }
    }
    if (auto problem = m_store.append(m_pending)) {
        report(*problem);
        return;
    }
    m_pending.clear();
}

std::vector<HistoryEvent> HistoryRecorder::eventsSince(TimePoint from)
{
    flush();
    std::vector<HistoryEvent> events = m_store.eventsSince(from);
    for (const HistoryEvent &event : m_pending) {
        if (event.at >= from)
            events.push_back(event);
    }
    return events;
}

void HistoryRecorder::report(const std::string &problem)
{
    if (m_reported)
        return;
    m_reported = true;
    if (m_reportProblem)
        m_reportProblem(problem);
}

} // namespace tavelo
