#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "core/Clock.h"
#include "core/HistoryEvent.h"

namespace tavelo {

// The break history in an SQLite file (WAL journal, schema version in `user_version`).
// Every call returns at once: a locked file is given up on after a short wait, and any
// failure comes back as a problem to report, never as an exception.
class HistoryStore {
public:
    // One step of the schema; steps run in order, each in a transaction with its version.
    struct Migration {
        int version;
        std::vector<std::string> statements;
    };
    static const std::vector<Migration> &migrations();

    enum class Mode { readWrite, readOnly };

    // $XDG_DATA_HOME/Tavelo/history.sqlite (~/.local/share when unset).
    static std::filesystem::path defaultFile();

    explicit HistoryStore(std::filesystem::path file, Mode mode = Mode::readWrite,
                          std::vector<Migration> steps = migrations());
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens the file (read-write: creating its folder, upgrading its schema and deleting
    // events before `pruneBefore`). Returns the problem, if any; the store is then closed.
    std::optional<std::string> open(std::optional<TimePoint> pruneBefore = std::nullopt);
    bool isOpen() const { return m_open; }
    // The schema version the file has, 0 when closed or new.
    int schemaVersion() const;

    // Appends all of `events` or none of them.
    std::optional<std::string> append(const std::vector<HistoryEvent> &events);
    // The events at or after `from`, in time order; rows this version cannot read are left out.
    std::vector<HistoryEvent> eventsSince(TimePoint from, std::string *problem = nullptr) const;

    const std::filesystem::path &file() const { return m_file; }

private:
    std::optional<std::string> prepare(std::optional<TimePoint> pruneBefore);
    std::optional<std::string> migrate();
    std::optional<std::string> connect(std::optional<TimePoint> pruneBefore);
    void close();

    std::filesystem::path m_file;
    Mode m_mode;
    std::vector<Migration> m_steps;
    QString m_connection;
    bool m_open = false;
};

} // namespace tavelo
