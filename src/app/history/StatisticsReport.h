#pragma once

#include <QCoreApplication>
#include <chrono>
#include <string>

#include <nlohmann/json.hpp>

#include "core/HistorySummary.h"

namespace tavelo {

// The statistics as the command line prints them and the window exports them.
class StatisticsReport {
public:
    // "2026-12-07".
    static std::string isoDate(std::chrono::sys_days day);
    static std::string text(const HistorySummary &summary);
    static nlohmann::json json(const HistorySummary &summary);
    // One row per day, with a header; plain numbers for spreadsheets.
    static std::string csv(const HistorySummary &summary);

    Q_DECLARE_TR_FUNCTIONS(tavelo::StatisticsReport)
};

} // namespace tavelo
