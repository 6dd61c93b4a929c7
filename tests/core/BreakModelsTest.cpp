#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

#include "core/BreakModels.h"

using namespace tavelo;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(BreakModelsTest, RawValuesParseExactlyAndSanitisingRaisesFloorsAndCapsOnlyTheTwoThresholds)
{
    for (const BreakType type : kAllBreakTypes)
        EXPECT_EQ(breakTypeFromRaw(rawValue(type)), type);
    EXPECT_EQ(timerPhaseFromRaw(rawValue(TimerPhase::breakTime)), TimerPhase::breakTime);
    for (const char *raw : {"Micro", "", "long ", "breaktime"})
        EXPECT_FALSE(breakTypeFromRaw(raw) || timerPhaseFromRaw(raw)) << raw;
    const std::pair<BreakSettings, BreakSettings> cases[] = {
        {{kMin, 4, kMin, -7, kMin, kMin, kMin, true}, {1, 5, 1, 1, 1, 0, 0, true}},
        {{kMax, kMax, kMax, kMax, kMax, kMax, kMax, true}, {kMax, kMax, kMax, kMax, kMax, 60, 3600, true}},
        {{2, 5, 2, 2, 2, 61, 3601, false}, {2, 5, 2, 2, 2, 60, 3600, false}}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(in.sanitized(), out);
}

TEST(BreakModelsTest, DecodesKnownWholeSixtyFourBitKeysWithDefaultsAndWithoutSanitising)
{
    const BreakSettings record{kMax, kMin, kMax, kMin, 0, -1, kMax, false};
    EXPECT_EQ(BreakSettings::decode(record.toJson().dump(4)), record);
    BreakSettings noIdle = BreakSettings::standard;
    noIdle.idleThresholdSeconds = 0;
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": null, "strictMode": null, "idleThresholdSeconds": 0,
                                        "theme": "dark", "FocusMinutes": "x"})"),
              noIdle);
    const auto focus = [](const std::string &value) {
        const auto s = BreakSettings::decode(R"({"focusMinutes": )" + value + "}");
        return s ? std::optional(s->focusMinutes) : std::nullopt;
    };
    // clang-format off
    const std::pair<const char *, std::int64_t> ok[] = {{"9223372036854775807", kMax}, {"-9223372036854775808", kMin},
        {"5.0", 5}, {"1e3", 1000}, {"-2.0", -2}, {"9007199254740992.0", 9007199254740992}};
    // clang-format on
    for (const auto &[value, expected] : ok)
        EXPECT_EQ(focus(value), expected) << value;
    for (const char *value : {"9223372036854775808", "-9223372036854775809", "1e400", "9007199254740994.0", "5.5",
                              "-0.25", "\"50\"", "true", "[]", "{}"})
        EXPECT_EQ(focus(value), std::nullopt) << value;
    for (const char *text : {R"({"strictMode": 1})", "[]", "null", "", "{", "{} {}"})
        EXPECT_FALSE(BreakSettings::decode(text)) << text;
    // A NUL byte must not hide trailing garbage from the parser.
    EXPECT_FALSE(BreakSettings::decode(std::string_view("{\"focusMinutes\": 7}\0junk", 24)));
    std::string error;
    EXPECT_FALSE(BreakSettings::decode(R"({"focusMinutes": "50"})", &error));
    EXPECT_NE(error.find("focusMinutes"), std::string::npos) << error;
}
