#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "app/history/HistoryStore.h"

using namespace tavelo;
using namespace std::chrono;
using K = HistoryEventKind;

namespace {

const TimePoint kNow = sys_days(2026y / 6 / 10) + hours(9);

std::filesystem::path pathIn(const QTemporaryDir &dir, const char *name = "Tavelo/history.sqlite")
{
    return std::filesystem::path(dir.path().toStdString()) / name;
}

// Runs statements on the file through a connection of the test's own.
void runSql(const std::filesystem::path &file, const std::vector<QString> &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(QString::fromStdString(file.string()));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
}

} // namespace

// Events survive a reopen in time order with their details; the reopen prunes the old ones.
TEST(HistoryStoreTest, EventsSurviveAReopenAndOldOnesArePruned)
{
    QTemporaryDir dir;
    const std::vector<HistoryEvent> events{
        {kNow - days(400), K::breakCompleted, BreakType::micro, 20},
        {kNow, K::breakStarted, BreakType::long_, 900},
        {kNow + milliseconds(1500), K::paused, std::nullopt, 0},
    };
    {
        HistoryStore store(pathIn(dir));
        ASSERT_EQ(store.open(), std::nullopt);
        ASSERT_EQ(store.append(events), std::nullopt);
        EXPECT_EQ(store.schemaVersion(), 1);
    }
    HistoryStore store(pathIn(dir));
    ASSERT_EQ(store.open(kNow - days(365)), std::nullopt);
    EXPECT_EQ(store.eventsSince(TimePoint{}), std::vector(events.begin() + 1, events.end()));
    EXPECT_EQ(store.eventsSince(kNow + seconds(1)), std::vector(events.begin() + 2, events.end()));
}

// A file of the first version, made here, is upgraded by a later step and keeps its rows;
// a file from a newer version is left alone.
TEST(HistoryStoreTest, SchemaUpgradesFromVersionOneAndLeavesNewerFilesAlone)
{
    QTemporaryDir dir;
    const auto file = pathIn(dir, "history.sqlite");
    runSql(file, {"CREATE TABLE events (id INTEGER PRIMARY KEY, at_ms INTEGER NOT NULL, kind TEXT NOT NULL, "
                  "break_type TEXT, planned_seconds INTEGER NOT NULL DEFAULT 0)",
                  "INSERT INTO events (at_ms, kind, break_type, planned_seconds) VALUES (1000, 'break-skipped', "
                  "'micro', 20)",
                  "PRAGMA user_version = 1"});
    auto steps = HistoryStore::migrations();
    steps.push_back({2, {"ALTER TABLE events ADD COLUMN note TEXT", "UPDATE events SET note = 'moved'"}});
    {
        HistoryStore store(file, HistoryStore::Mode::readWrite, steps);
        ASSERT_EQ(store.open(), std::nullopt);
        EXPECT_EQ(store.schemaVersion(), 2);
        EXPECT_EQ(store.eventsSince(TimePoint{}),
                  (std::vector<HistoryEvent>{{TimePoint(seconds(1)), K::breakSkipped, BreakType::micro, 20}}));
    }
    // This version knows only 1: the file of version 2 is not written to.
    HistoryStore older(file);
    const auto problem = older.open();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("newer"), std::string::npos);
    HistoryStore reader(file, HistoryStore::Mode::readOnly);
    ASSERT_EQ(reader.open(), std::nullopt);
    EXPECT_EQ(reader.schemaVersion(), 2);
}

// A writer killed in the middle of its batches leaves whole batches and an intact file.
TEST(HistoryStoreTest, AKilledWriterLeavesWholeRows)
{
    QTemporaryDir dir;
    const auto file = pathIn(dir);
    constexpr int batchSize = 50;
    QProcess writer;
    writer.start(qEnvironmentVariable("TAVELO_BINARY_DIR") +
                     QStringLiteral("/tests/support/history-writer/tavelo-history-writer"),
                 {QString::fromStdString(file.string()), QString::number(batchSize)});
    ASSERT_TRUE(writer.waitForStarted(10000));
    // Kill it after 20 commits, while it is writing the next batch.
    int committed = 0;
    while (committed < 20 && writer.waitForReadyRead(10000)) {
        while (writer.canReadLine()) {
            writer.readLine();
            ++committed;
        }
    }
    ASSERT_GE(committed, 20) << writer.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    writer.waitForFinished(10000);

    HistoryStore store(file);
    ASSERT_EQ(store.open(), std::nullopt);
    const auto events = store.eventsSince(TimePoint{});
    EXPECT_GE(events.size(), std::size_t(committed) * batchSize);
    EXPECT_EQ(events.size() % batchSize, 0u);
    for (std::size_t i = 0; i < events.size(); ++i)
        ASSERT_EQ(events[i], (HistoryEvent{TimePoint(seconds(i)), K::breakStarted, BreakType::long_, 900}));
}
