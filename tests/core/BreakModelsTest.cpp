#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

#include "core/BreakModels.h"

using namespace tavelo;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::optional<std::int64_t> decodedFocus(const std::string &value)
{
    const auto s = BreakSettings::decode(R"({"focusMinutes": )" + value + "}");
    return s ? std::optional(s->focusMinutes) : std::nullopt;
}

} // namespace

TEST(BreakModelsTest, RawValuesParseExactly)
{
    EXPECT_EQ(breakTypeFromRaw(rawValue(BreakType::long_)), BreakType::long_);
    EXPECT_EQ(breakTypeFromRaw(rawValue(BreakType::micro)), BreakType::micro);
    EXPECT_EQ(timerPhaseFromRaw(rawValue(TimerPhase::breakTime)), TimerPhase::breakTime);
    for (const char *raw : {"Micro", "", "long ", "breaktime"})
        EXPECT_FALSE(breakTypeFromRaw(raw) || timerPhaseFromRaw(raw)) << raw;
}

TEST(BreakModelsTest, SanitisingRaisesFloorsAndCapsOnlyTheTwoThresholds)
{
    const std::pair<BreakSettings, BreakSettings> cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, false}, {1, 5, 1, 1, 1, 0, 0, false}},
        {{kMin, 4, kMin, -7, kMin, kMin, kMin, true}, {1, 5, 1, 1, 1, 0, 0, true}},
        {{kMax, kMax, kMax, kMax, kMax, kMax, kMax, true}, {kMax, kMax, kMax, kMax, kMax, 60, 3600, true}},
        {{2, 5, 2, 2, 2, 61, 3601, false}, {2, 5, 2, 2, 2, 60, 3600, false}},
        {BreakSettings::standard, BreakSettings::standard}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(in.sanitized(), out);
}

TEST(BreakModelsTest, RoundTripsThroughJsonWithoutSanitising)
{
    for (const BreakSettings &record :
         {BreakSettings{1, 2, 3, 4, 5, 6, 7, false}, BreakSettings{kMax, kMin, kMax, kMin, 0, -1, kMax, true}})
        EXPECT_EQ(BreakSettings::decode(record.toJson().dump(4)), record);
}

TEST(BreakModelsTest, AbsentOrNullKeysTakeDefaultsAndUnknownKeysAreIgnored)
{
    BreakSettings expected = BreakSettings::standard;
    expected.idleThresholdSeconds = 0;
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": null, "strictMode": null, "idleThresholdSeconds": 0,
                                        "theme": "dark", "FocusMinutes": "x"})"),
              expected);
    expected.strictMode = false;
    EXPECT_EQ(BreakSettings::decode(R"({"strictMode": false, "idleThresholdSeconds": 0})"), expected);
}

TEST(BreakModelsTest, IntegersMustBeWholeAndFitSixtyFourBits)
{
    const std::pair<const char *, std::int64_t> whole[] = {{"9223372036854775807", kMax},
                                                           {"-9223372036854775808", kMin},
                                                           {"5.0", 5},
                                                           {"1e3", 1000},
                                                           {"-2.0", -2},
                                                           {"9007199254740992.0", 9007199254740992}};
    for (const auto &[value, expected] : whole)
        EXPECT_EQ(decodedFocus(value), expected) << value;
    for (const char *value : {"9223372036854775808", "18446744073709551616", "-9223372036854775809", "1e400",
                              "9007199254740994.0", "5.5", "-0.25", "\"50\"", "true", "[]", "{}"})
        EXPECT_EQ(decodedFocus(value), std::nullopt) << value;
    for (const char *value : {"1", "\"true\"", "[]"})
        EXPECT_FALSE(BreakSettings::decode(std::string(R"({"strictMode": )") + value + "}")) << value;
}

TEST(BreakModelsTest, OnlyAnObjectDecodes)
{
    for (const char *text : {"[]", "5", "null", "\"{}\"", "", "{", "{\"focusMinutes\": 5,}", "{} {}"})
        EXPECT_FALSE(BreakSettings::decode(text)) << text;
    std::string error;
    EXPECT_FALSE(BreakSettings::decode(R"({"focusMinutes": "50"})", &error));
    EXPECT_NE(error.find("focusMinutes"), std::string::npos) << error;
    // A NUL byte must not hide trailing garbage from the parser.
    EXPECT_FALSE(BreakSettings::decode(std::string_view("{\"focusMinutes\": 7}\0junk", 24)));
}
