#include "app/history/HistoryStore.h"

#include <atomic>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace tavelo {

namespace {

// Long enough for a reader's checkpoint, short enough not to hold up the main thread.
constexpr int kBusyTimeoutMs = 50;
constexpr std::int64_t kNanosPerMilli = 1'000'000;

std::int64_t toMillis(TimePoint t)
{
    return t.time_since_epoch().count() / kNanosPerMilli;
}

TimePoint fromMillis(std::int64_t ms)
{
    return TimePoint(std::chrono::milliseconds(ms));
}

std::string describe(const QSqlError &error)
{
    return error.text().toStdString();
}

QString qtPath(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

} // namespace

const std::vector<HistoryStore::Migration> &HistoryStore::migrations()
{
    // Append new versions; never edit a step that has shipped.
    static const std::vector<Migration> steps{
        {1,
         {"CREATE TABLE events (id INTEGER PRIMARY KEY, at_ms INTEGER NOT NULL, kind TEXT NOT NULL, "
          "break_type TEXT, planned_seconds INTEGER NOT NULL DEFAULT 0)",
          "CREATE INDEX events_at ON events (at_ms)"}},
    };
    return steps;
}

std::filesystem::path HistoryStore::defaultFile()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdString()) / "Tavelo" / "history.sqlite";
}

HistoryStore::HistoryStore(std::filesystem::path file, Mode mode, std::vector<Migration> steps)
    : m_file(std::move(file)), m_mode(mode), m_steps(std::move(steps))
{
    static std::atomic<int> serial{0};
    m_connection = QStringLiteral("tavelo-history-%1").arg(++serial);
}

HistoryStore::~HistoryStore()
{
    close();
}

void HistoryStore::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

std::optional<std::string> HistoryStore::open(std::optional<TimePoint> pruneBefore)
{
    close();
    // Closed only once every handle on the connection is gone, or Qt complains.
    auto problem = connect(pruneBefore);
    if (problem)
        close();
    return problem;
}

std::optional<std::string> HistoryStore::connect(std::optional<TimePoint> pruneBefore)
{
    if (m_mode == Mode::readWrite && !QDir().mkpath(qtPath(m_file.parent_path())))
        return "cannot create the folder " + m_file.parent_path().string();
    if (m_mode == Mode::readOnly && !std::filesystem::exists(m_file))
        return "no history at " + m_file.string();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return "the SQLite driver for Qt is missing";
    db.setDatabaseName(qtPath(m_file));
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (m_mode == Mode::readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open())
        return m_file.string() + ": " + describe(db.lastError());
    m_open = true;
    if (auto problem = prepare(pruneBefore))
        return m_file.string() + ": " + *problem;
    return std::nullopt;
}

std::optional<std::string> HistoryStore::prepare(std::optional<TimePoint> pruneBefore)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // Reading the version is the first real access: a damaged file fails here.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return describe(query.lastError());
    if (m_mode == Mode::readOnly)
        return std::nullopt;
    // A killed writer then loses at most its last transaction, and never tears a row.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
        query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
        return "cannot switch to WAL: " + describe(query.lastError());
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (auto problem = migrate())
        return problem;
    if (pruneBefore) {
        query.prepare(QStringLiteral("DELETE FROM events WHERE at_ms < ?"));
        query.addBindValue(QVariant::fromValue<qlonglong>(toMillis(*pruneBefore)));
        if (!query.exec())
            return describe(query.lastError());
    }
    return std::nullopt;
}

std::optional<std::string> HistoryStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const int current = schemaVersion();
    const int known = m_steps.empty() ? 0 : m_steps.back().version;
    if (current > known)
        return "written by a newer Tavelo (schema " + std::to_string(current) + "), left untouched";
    for (const Migration &step : m_steps) {
        if (step.version <= current)
            continue;
        if (!db.transaction())
            return describe(db.lastError());
        QSqlQuery query(db);
        for (const std::string &statement : step.statements) {
            if (!query.exec(QString::fromStdString(statement))) {
                const std::string problem = describe(query.lastError());
                db.rollback();
                return problem;
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step.version)) || !db.commit()) {
            const std::string problem = describe(query.lastError()) + describe(db.lastError());
            db.rollback();
            return problem;
        }
    }
    return std::nullopt;
}

int HistoryStore::schemaVersion() const
{
    if (!m_open)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

std::optional<std::string> HistoryStore::append(const std::vector<HistoryEvent> &events)
{
    if (!m_open)
        return "the history is not open";
    if (events.empty())
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return describe(db.lastError());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO events (at_ms, kind, break_type, planned_seconds) VALUES (?, ?, ?, ?)"));
    for (const HistoryEvent &event : events) {
        query.bindValue(0, QVariant::fromValue<qlonglong>(toMillis(event.at)));
        query.bindValue(1, QString::fromUtf8(rawValue(event.kind).data(), qsizetype(rawValue(event.kind).size())));
        query.bindValue(2, event.breakType ? QVariant(QString::fromUtf8(rawValue(*event.breakType).data(),
                                                                        qsizetype(rawValue(*event.breakType).size())))
                                           : QVariant());
        query.bindValue(3, QVariant::fromValue<qlonglong>(event.plannedSeconds));
        if (!query.exec()) {
            const std::string problem = describe(query.lastError());
            db.rollback();
            return problem;
        }
    }
    if (!db.commit()) {
        const std::string problem = describe(db.lastError());
        db.rollback();
        return problem;
    }
    return std::nullopt;
}

std::vector<HistoryEvent> HistoryStore::eventsSince(TimePoint from, std::string *problem) const
{
    std::vector<HistoryEvent> events;
    if (!m_open) {
        if (problem)
            *problem = "the history is not open";
        return events;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT at_ms, kind, break_type, planned_seconds FROM events WHERE at_ms >= ? ORDER BY at_ms, id"));
    query.addBindValue(QVariant::fromValue<qlonglong>(toMillis(from)));
    if (!query.exec()) {
        if (problem)
            *problem = describe(query.lastError());
        return events;
    }
    while (query.next()) {
        const auto kind = historyEventKindFromRaw(query.value(1).toString().toStdString());
        if (!kind)
            continue;
        HistoryEvent event{fromMillis(query.value(0).toLongLong()), *kind, std::nullopt, query.value(3).toLongLong()};
        if (!query.value(2).isNull())
            event.breakType = breakTypeFromRaw(query.value(2).toString().toStdString());
        events.push_back(event);
    }
    return events;
}

} // namespace tavelo
