#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/HistoryEvent.h"
#include "core/Liveness.h"
#include "core/MainLoop.h"
#include "core/Signal.h"

namespace tavelo {

class AppModel;
class HistoryStore;

// Writes the model's history events to the store in batches: an event arms one delayed
// flush, so the tick never waits for the disk and an idle timer costs nothing. A store
// that fails is reported once; the events wait in memory for the next try.
class HistoryRecorder {
public:
    static constexpr std::chrono::seconds flushDelay{5};
    // Kept while the store cannot take them; the oldest go first.
    static constexpr std::size_t maxPending = 10000;
    // How long events are kept.
    static constexpr std::chrono::days retention{365};

    using ProblemReporter = std::function<void(const std::string &problem)>;

    // Opens the store (pruning what is older than the retention) and records the launch.
    HistoryRecorder(AppModel &model, HistoryStore &store, MainLoop &loop, const Clock &clock,
                    ProblemReporter reportProblem);
    // Records the quit and writes what is pending.
    ~HistoryRecorder();
    HistoryRecorder(const HistoryRecorder &) = delete;
    HistoryRecorder &operator=(const HistoryRecorder &) = delete;

    void flush();
    // The stored events from `from` on followed by those not yet written.
    std::vector<HistoryEvent> eventsSince(TimePoint from);
    std::size_t pendingCount() const { return m_pending.size(); }

private:
    void append(const HistoryEvent &event);
    void report(const std::string &problem);

    HistoryStore &m_store;
    MainLoop &m_loop;
    const Clock &m_clock;
    ProblemReporter m_reportProblem;
    Liveness m_liveness;
    Connection m_events;
    std::vector<HistoryEvent> m_pending;
    bool m_flushArmed = false;
    bool m_reported = false;
};

} // namespace tavelo
