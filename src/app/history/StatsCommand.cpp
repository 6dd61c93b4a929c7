#include "app/history/StatsCommand.h"

#include <optional>

#include <QCoreApplication>

#include "app/history/HistoryStore.h"
#include "app/history/LocalTimeZone.h"
#include "app/history/StatisticsReport.h"
#include "core/HistoryStatistics.h"

namespace tavelo {

namespace {

constexpr int kMaxDays = 366;

std::string translated(const char *text)
{
    return QCoreApplication::translate("tavelo::StatsCommand", text).toStdString();
}

} // namespace

int runStatsCommand(bool json, int days, std::ostream &out, std::ostream &err)
{
    // Qt loads its SQLite driver only with an application object.
    std::optional<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "tavelo";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    const SystemClock clock;
    return runStatsCommand(json, days, out, err, HistoryStore::defaultFile(), clock, localTimeZoneOffset());
}

int runStatsCommand(bool json, int days, std::ostream &out, std::ostream &err, const std::filesystem::path &file,
                    const Clock &clock, const UtcOffsetFunction &utcOffset)
{
    if (days < 1 || days > kMaxDays) {
        err << "tavelo: "
            << translated(QT_TRANSLATE_NOOP("tavelo::StatsCommand", "--days takes a number from 1 to 366.")) << '\n';
        return 2;
    }
    const HistoryStatistics statistics{LocalCalendar(utcOffset)};
    const TimePoint now = clock.now();
    std::vector<HistoryEvent> events;
    // No file yet is an empty history, not a failure.
    if (std::filesystem::exists(file)) {
        HistoryStore store(file, HistoryStore::Mode::readOnly);
        std::string problem;
        if (auto failure = store.open())
            problem = *failure;
        else
            events = store.eventsSince(statistics.eventsNeededFrom(now, days), &problem);
        if (!problem.empty()) {
            err << "tavelo: " << translated(QT_TRANSLATE_NOOP("tavelo::StatsCommand", "cannot read the history: "))
                << problem << '\n';
            return 1;
        }
    }
    const HistorySummary summary = statistics.summarize(events, now, days);
    if (json)
        out << StatisticsReport::json(summary).dump() << '\n';
    else
        out << StatisticsReport::text(summary);
    return 0;
}

} // namespace tavelo
