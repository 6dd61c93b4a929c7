#include "app/history/StatisticsReport.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include <QCoreApplication>
#include <QString>

#include "app/ui/DurationFormat.h"

namespace tavelo {

namespace {

std::string line(const QString &label, const QString &value)
{
    return label.arg(value).toStdString() + '\n';
}

std::string line(const QString &label, const std::string &value)
{
    return line(label, QString::fromStdString(value));
}

} // namespace

std::string StatisticsReport::isoDate(std::chrono::sys_days day)
{
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

std::string StatisticsReport::text(const HistorySummary &summary)
{
    std::string out;
    if (summary.firstDay == summary.lastDay)
        out += line(tr("Today, %1"), isoDate(summary.lastDay));
    else
        out += tr("%1 to %2")
                   .arg(QString::fromStdString(isoDate(summary.firstDay)),
                        QString::fromStdString(isoDate(summary.lastDay)))
                   .toStdString() +
               '\n';
    out += line(tr("Breaks taken: %1"), std::to_string(summary.taken));
    out += line(tr("Breaks skipped: %1"), std::to_string(summary.skipped));
    out += line(tr("Breaks postponed: %1"), std::to_string(summary.postponed));
    out += line(tr("Breaks kept: %1"),
                summary.shareKept ? std::to_string(std::lround(*summary.shareKept * 100)) + "%" : "–");
    out += line(tr("Focus time: %1"), localPausedDuration(summary.focusSeconds));
    out += line(tr("Longest stretch without a break: %1"), localPausedDuration(summary.longestStretchSeconds));
    if (summary.days.size() > 1) {
        out += '\n';
        for (const DayTally &day : summary.days) {
            out += tr("%1  taken %2, skipped %3, postponed %4, focus %5")
                       .arg(QString::fromStdString(isoDate(day.day)))
                       .arg(day.taken)
                       .arg(day.skipped)
                       .arg(day.postponed)
                       .arg(localPausedDuration(day.focusSeconds))
                       .toStdString() +
                   '\n';
        }
    }
    return out;
}

nlohmann::json StatisticsReport::json(const HistorySummary &summary)
{
    nlohmann::json perDay = nlohmann::json::array();
    for (const DayTally &day : summary.days) {
        perDay.push_back({{"date", isoDate(day.day)},
                          {"taken", day.taken},
                          {"skipped", day.skipped},
                          {"postponed", day.postponed},
                          {"focusSeconds", day.focusSeconds}});
    }
    return {{"from", isoDate(summary.firstDay)},
            {"to", isoDate(summary.lastDay)},
            {"taken", summary.taken},
            {"skipped", summary.skipped},
            {"postponed", summary.postponed},
            {"shareKept", summary.shareKept ? nlohmann::json(*summary.shareKept) : nlohmann::json(nullptr)},
            {"focusSeconds", summary.focusSeconds},
            {"longestStretchSeconds", summary.longestStretchSeconds},
            {"perDay", std::move(perDay)}};
}

std::string StatisticsReport::csv(const HistorySummary &summary)
{
    std::ostringstream out;
    out << "date,taken,skipped,postponed,focus_seconds\n";
    for (const DayTally &day : summary.days)
        out << isoDate(day.day) << ',' << day.taken << ',' << day.skipped << ',' << day.postponed << ','
            << day.focusSeconds << '\n';
    return out.str();
}

} // namespace tavelo
