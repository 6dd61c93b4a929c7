#include <gtest/gtest.h>

#include "app/cli/CommandLine.h"

using namespace tavelo;
using Action = CommandLine::Action;

namespace {

struct Case {
    std::vector<std::string> arguments;
    Action action;
};

TEST(CommandLine, PicksTheActionOrRefusesWithAReason)
{
    const Case cases[] = {
        {{}, Action::launch},
        {{"-platform", "offscreen"}, Action::launch},
        {{"--platform", "xcb", "-session", "10d4f"}, Action::launch},
        {{"-session"}, Action::usageError},
        {{"session", "10d4f"}, Action::usageError},
        {{"--help"}, Action::help},
        {{"pause", "--help"}, Action::help},
        {{"--version"}, Action::version},
        {{"--version", "status"}, Action::usageError},
        {{"status", "--follow", "--json"}, Action::status},
        {{"status", "-j"}, Action::usageError},
        {{"resume"}, Action::resume},
        {{"resume", "now"}, Action::usageError},
        {{"skip"}, Action::skip},
        {{"postpone"}, Action::postpone},
        {{"reset"}, Action::reset},
        {{"break"}, Action::startBreak},
        {{"break", "long", "micro"}, Action::usageError},
        {{"break", "lunch"}, Action::usageError},
        {{"pause", "5m", "1h"}, Action::usageError},
        {{"stats", "--days"}, Action::usageError},
        {{"stats", "--days", "0"}, Action::usageError},
        {{"stats", "--days", "367"}, Action::usageError},
        {{"stats", "--days=3x"}, Action::usageError},
        {{"--frobnicate"}, Action::usageError},
        {{"frobnicate"}, Action::usageError},
        {{""}, Action::usageError},
    };
    for (const Case &c : cases) {
        const CommandLine line = CommandLine::parse(c.arguments);
        std::string joined;
        for (const auto &a : c.arguments)
            joined += "[" + a + "]";
        EXPECT_EQ(line.action, c.action) << joined << " " << line.error;
        EXPECT_EQ(line.error.empty(), line.action != Action::usageError) << joined;
    }
}

TEST(CommandLine, ReadsTheOptionsOfEachCommand)
{
    const CommandLine follow = CommandLine::parse({"status", "--json", "--follow"});
    EXPECT_TRUE(follow.json && follow.follow);
    EXPECT_FALSE(CommandLine::parse({"status"}).json);

    EXPECT_EQ(CommandLine::parse({"pause"}).pauseSeconds, 0);
    EXPECT_EQ(CommandLine::parse({"pause", "indefinitely"}).pauseSeconds, 0);
    EXPECT_EQ(CommandLine::parse({"pause", "90s"}).pauseSeconds, 90);

    EXPECT_EQ(CommandLine::parse({"break"}).breakType, std::nullopt);
    EXPECT_EQ(CommandLine::parse({"break", "long"}).breakType, BreakType::long_);

    const CommandLine stats = CommandLine::parse({"stats", "--days", "30", "--json"});
    EXPECT_TRUE(stats.json);
    EXPECT_EQ(stats.days, 30);
    EXPECT_EQ(CommandLine::parse({"stats", "--days=366"}).days, 366);
    EXPECT_EQ(CommandLine::parse({"stats"}).days, CommandLine::defaultStatsDays);
}

TEST(CommandLine, DurationsRunFromASecondToTenYearsInDescendingUnits)
{
    const std::pair<const char *, std::optional<std::int64_t>> cases[] = {
        {"1s", 1},
        {"15m", 900},
        {"1h30m", 5400},
        {"2h5s", 7205},
        {"87600h", 315'360'000},
        {"87600h1s", std::nullopt},
        {"0m", std::nullopt},
        {"30m1h", std::nullopt},
        {"1m1m", std::nullopt},
        {"15", std::nullopt},
        {"m", std::nullopt},
        {"1.5h", std::nullopt},
        {"-5m", std::nullopt},
        {"5M", std::nullopt},
        {"99999999999999999999s", std::nullopt},
        {"9223372036854775807h", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[text, seconds] : cases)
        EXPECT_EQ(CommandLine::parseDuration(text), seconds) << text;
}

} // namespace
