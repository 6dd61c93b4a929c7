#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

#include <QTemporaryDir>
#include <nlohmann/json.hpp>

#include "app/history/HistoryRecorder.h"
#include "app/history/HistoryStore.h"
#include "app/history/StatsCommand.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;
using K = HistoryEventKind;
using std::nullopt;

namespace {

constexpr auto micro = BreakType::micro;
constexpr auto long_ = BreakType::long_;

class HistoryRecorderTest : public ::testing::Test, protected test::AppFixture {
protected:
    std::filesystem::path file() const { return std::filesystem::path(dir.path().toStdString()) / "history.sqlite"; }
    void record(std::filesystem::path path)
    {
        store = std::make_unique<HistoryStore>(std::move(path));
        recorder = std::make_unique<HistoryRecorder>(
            *model, *store, loop, clock, [this](const std::string &problem) { problems.push_back(problem); });
    }
    void setIdle(double seconds)
    {
        idleSource.read = [seconds] { return std::optional(seconds); };
    }

    QTemporaryDir dir;
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<HistoryRecorder> recorder;
    std::vector<std::string> problems;
};

struct Seen {
    K kind;
    std::optional<BreakType> type;
    std::int64_t planned;
    bool operator==(const Seen &) const = default;
};

} // namespace

// Every command and engine outcome becomes one event, with the break it concerned: the
// running one, or in focus the one that was coming next.
TEST_F(HistoryRecorderTest, ModelActionsBecomeEvents)
{
    auto &m = start();
    std::vector<Seen> seen;
    auto connection = m.historyEvent.connect([&](const HistoryEvent &e) {
        EXPECT_EQ(e.at, clock.now());
        seen.push_back({e.kind, e.breakType, e.plannedSeconds});
    });
    auto &e = engine();
    e.expireForTesting();
    e.expireForTesting();
    m.skipBreak();
    m.postponeBreak();
    m.startBreakNow(long_);
    overlayActions.postpone();
    m.startBreakNow(micro);
    overlayActions.skip();
    m.startBreakNow(micro);
    m.resetFocus();
    m.resetFocus();
    m.pauseFor(300);
    advance(301s);
    m.togglePause();
    m.startBreakNow(long_);
    setIdle(400);
    advance(10s);
    advance(900s);
    setIdle(0);
    advance(10s);
    EXPECT_EQ(seen, (std::vector<Seen>{
                        {K::breakStarted, micro, 20},
                        {K::breakCompleted, micro, 20},
                        {K::breakSkipped, micro, 20},
                        {K::breakPostponed, micro, 20},
                        {K::breakStarted, long_, 900},
                        {K::breakPostponed, long_, 900},
                        {K::breakStarted, micro, 20},
                        {K::breakSkipped, micro, 20},
                        {K::breakStarted, micro, 20},
                        {K::breakCancelled, micro, 20},
                        {K::paused, nullopt, 300},
                        {K::resumed, nullopt, 0},
                        {K::paused, nullopt, 0},
                        {K::resumed, nullopt, 0},
                        {K::breakStarted, long_, 900},
                        {K::away, nullopt, 0},
                        {K::breakTakenWhileAway, long_, 900},
                        {K::back, nullopt, 0},
                    }));
}

// Events reach the file in one batch a few seconds later; an idle focus session arms
// nothing more than it does without a history; the quit is written at the end.
TEST_F(HistoryRecorderTest, WritesInBatchesAndCostsNothingWhileIdle)
{
    // The same day without a history, for the wake-ups the rest of the program asks for.
    test::AppFixture baseline;
    for (test::AppFixture *fixture : {static_cast<test::AppFixture *>(this), &baseline}) {
        fixture->start();
        if (fixture == this)
            record(file());
        fixture->model->startBreakNow(micro);
        fixture->model->skipBreak();
    }
    HistoryStore reader(file(), HistoryStore::Mode::readOnly);
    ASSERT_EQ(reader.open(), nullopt);
    advance(HistoryRecorder::flushDelay - 1s);
    EXPECT_TRUE(reader.eventsSince({}).empty());
    advance(1s);
    EXPECT_EQ(reader.eventsSince({}).size(), 3u);
    baseline.advance(HistoryRecorder::flushDelay);

    const std::size_t armed = loop.armedCount();
    const std::size_t baselineArmed = baseline.loop.armedCount();
    for (int minute = 0; minute < 10; ++minute) {
        advance(60s);
        baseline.advance(60s);
    }
    EXPECT_EQ(loop.armedCount() - armed, baseline.loop.armedCount() - baselineArmed);
    RecordProperty("armedDuringTenIdleMinutes", int(loop.armedCount() - armed));
    EXPECT_EQ(recorder->pendingCount(), 0u);

    recorder.reset();
    const auto events = reader.eventsSince({});
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events.back().kind, K::quit);
    EXPECT_TRUE(problems.empty());
}

// A damaged file or a folder that cannot be written is reported once; the timer runs on
// and the events wait in memory.
TEST_F(HistoryRecorderTest, AnUnusableFileIsReportedOnceAndTheTimerRunsOn)
{
    // Root ignores permissions, so it gets a folder no one can write in.
    QTemporaryDir readOnly;
    std::filesystem::permissions(readOnly.path().toStdString(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::filesystem::path unwritable =
        ::geteuid() == 0 ? std::filesystem::path("/proc/self") : std::filesystem::path(readOnly.path().toStdString());
    std::ofstream(file()) << "this is not a database, only some text long enough to look like a header\n";

    for (const std::filesystem::path &path : {file(), unwritable / "Tavelo" / "history.sqlite"}) {
        SCOPED_TRACE(path.string());
        problems.clear();
        model.reset();
        auto &m = start();
        record(path);
        for (int i = 0; i < 3; ++i) {
            m.startBreakNow(micro);
            advance(30s);
        }
        EXPECT_EQ(problems.size(), 1u);
        EXPECT_EQ(recorder->pendingCount(), 7u);
        EXPECT_EQ(engine().remainingSeconds(), 25 * 60 - 10);
        recorder.reset();
    }
}

// What the command prints agrees with what was done, and the command checks its range.
TEST_F(HistoryRecorderTest, TheStatsCommandAgreesWithTheDay)
{
    auto &m = start();
    record(file());
    for (int i = 0; i < 3; ++i) {
        engine().expireForTesting();
        advance(20s);
    }
    m.startBreakNow(micro);
    m.skipBreak();
    m.postponeBreak();
    advance(25min);
    recorder.reset();

    const UtcOffsetFunction utc = [](TimePoint) { return 0s; };
    std::ostringstream out, err;
    ASSERT_EQ(runStatsCommand(true, 1, out, err, file(), clock, utc), 0) << err.str();
    const auto json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json["taken"], 3);
    EXPECT_EQ(json["skipped"], 1);
    EXPECT_EQ(json["postponed"], 1);
    EXPECT_EQ(json["shareKept"], 0.75);
    EXPECT_EQ(json["perDay"].size(), 1u);
    EXPECT_EQ(json["focusSeconds"], 25 * 60);

    out.str("");
    EXPECT_EQ(runStatsCommand(false, 0, out, err, file(), clock, utc), 2);
    EXPECT_EQ(runStatsCommand(false, 7, out, err, file().parent_path() / "none.sqlite", clock, utc), 0);
    EXPECT_NE(out.str().find("Breaks taken: 0"), std::string::npos);
}
