// Appends batches of events to a history file until it is killed, printing a line after
// each committed batch, so that a test can kill it in the middle of a write.
#include <cstdio>

#include <QCoreApplication>

#include "app/history/HistoryStore.h"

using namespace tavelo;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    HistoryStore store(argv[1]);
    if (auto problem = store.open()) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    const int batchSize = std::atoi(argv[2]);
    for (long long batch = 0;; ++batch) {
        std::vector<HistoryEvent> events;
        for (int i = 0; i < batchSize; ++i)
            events.push_back({TimePoint(std::chrono::seconds(batch * batchSize + i)), HistoryEventKind::breakStarted,
                              BreakType::long_, 900});
        if (auto problem = store.append(events)) {
            std::fprintf(stderr, "%s\n", problem->c_str());
            return 1;
        }
        std::printf("%lld\n", batch);
        std::fflush(stdout);
    }
}
