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

BreakSettings with(void (*edit)(BreakSettings &))
{
    BreakSettings s = BreakSettings::standard;
    edit(s);
    return s;
}

bool decodes(const std::string &text)
{
    return BreakSettings::decode(text).has_value();
}

} // namespace

TEST(BreakTypeTest, RawValuesAndLabels)
{
    EXPECT_EQ(rawValue(BreakType::micro), "micro");
    EXPECT_EQ(rawValue(BreakType::long_), "long");
    EXPECT_EQ(label(BreakType::micro), "Microbreak");
    EXPECT_EQ(label(BreakType::long_), "Long break");
    EXPECT_EQ(breakTypeFromRaw("long"), BreakType::long_);
    EXPECT_EQ(breakTypeFromRaw("micro"), BreakType::micro);
    EXPECT_EQ(breakTypeFromRaw("Micro"), std::nullopt);
    EXPECT_EQ(breakTypeFromRaw(""), std::nullopt);
    EXPECT_EQ(breakTypeFromRaw("long "), std::nullopt);
    ASSERT_EQ(kAllBreakTypes.size(), 2u);
    EXPECT_EQ(kAllBreakTypes[0], BreakType::micro);
    EXPECT_EQ(kAllBreakTypes[1], BreakType::long_);

    EXPECT_EQ(rawValue(TimerPhase::focus), "focus");
    EXPECT_EQ(rawValue(TimerPhase::breakTime), "breakTime");
    EXPECT_EQ(timerPhaseFromRaw("breakTime"), TimerPhase::breakTime);
    EXPECT_EQ(timerPhaseFromRaw("focus"), TimerPhase::focus);
    EXPECT_EQ(timerPhaseFromRaw("breaktime"), std::nullopt);
}

TEST(BreakSettingsTest, StandardIsTheDefaultColumnAndAlreadySanitised)
{
    const BreakSettings expected{25, 20, 15, 4, 5, 10, 300, true};
    EXPECT_EQ(BreakSettings::standard, expected);
    EXPECT_EQ(BreakSettings::standard.sanitized(), BreakSettings::standard);
    EXPECT_EQ(BreakSettings::defaultIdleThresholdSeconds, 300);
}

TEST(BreakSettingsTest, SanitisingRaisesLowValuesToTheirFloors)
{
    const BreakSettings zeros{0, 0, 0, 0, 0, 0, 0, false};
    EXPECT_EQ(zeros.sanitized(), (BreakSettings{1, 5, 1, 1, 1, 0, 0, false}));
    const BreakSettings negatives{kMin, -1, kMin, -7, kMin, kMin, kMin, true};
    EXPECT_EQ(negatives.sanitized(), (BreakSettings{1, 5, 1, 1, 1, 0, 0, true}));

    EXPECT_EQ(with([](BreakSettings &s) { s.shortBreakSeconds = 5; }).sanitized().shortBreakSeconds, 5);
    EXPECT_EQ(with([](BreakSettings &s) { s.shortBreakSeconds = 4; }).sanitized().shortBreakSeconds, 5);
}

TEST(BreakSettingsTest, SanitisingCapsOnlyTheTwoThresholds)
{
    const BreakSettings huge{kMax, kMax, kMax, kMax, kMax, kMax, kMax, true};
    EXPECT_EQ(huge.sanitized(), (BreakSettings{kMax, kMax, kMax, kMax, kMax, 60, 3600, true}));
    const BreakSettings edges{1000, 5, 1, 1, 1, 61, 3601, false};
    EXPECT_EQ(edges.sanitized(), (BreakSettings{1000, 5, 1, 1, 1, 60, 3600, false}));
    const BreakSettings atLimits{1, 5, 1, 1, 1, 60, 3600, false};
    EXPECT_EQ(atLimits.sanitized(), atLimits);

    const BreakSettings odd{-3, 7, 0, 2, -1, 33, -2, false};
    EXPECT_EQ(odd.sanitized().sanitized(), odd.sanitized());
}

TEST(BreakSettingsTest, EqualityComparesEveryField)
{
    EXPECT_NE(with([](BreakSettings &s) { s.strictMode = false; }), BreakSettings::standard);
    EXPECT_NE(with([](BreakSettings &s) { s.idleThresholdSeconds = 301; }), BreakSettings::standard);
    EXPECT_NE(with([](BreakSettings &s) { s.focusMinutes = 26; }), BreakSettings::standard);
}

TEST(BreakSettingsTest, EncodesAllEightKeysSortedWithJsonTypes)
{
    const nlohmann::json json = BreakSettings{1, 2, 3, 4, 5, 6, 7, false}.toJson();
    EXPECT_EQ(json.dump(), "{\"focusMinutes\":1,\"idleThresholdSeconds\":7,\"longBreakEvery\":4,"
                           "\"longBreakMinutes\":3,\"postponeMinutes\":5,\"preBreakWarningSeconds\":6,"
                           "\"shortBreakSeconds\":2,\"strictMode\":false}");
}

TEST(BreakSettingsTest, RoundTripsThroughJson)
{
    const BreakSettings records[] = {
        BreakSettings::standard,
        {1, 2, 3, 4, 5, 6, 7, false},
        {kMax, kMin, kMax, kMin, 0, -1, kMax, true},
    };
    for (const BreakSettings &record : records) {
        EXPECT_EQ(BreakSettings::fromJson(record.toJson()), record);
        EXPECT_EQ(BreakSettings::decode(record.toJson().dump(4)), record);
    }
}

TEST(BreakSettingsTest, AbsentOrNullKeysTakeDefaultsAndUnknownKeysAreIgnored)
{
    EXPECT_EQ(BreakSettings::decode("{}"), BreakSettings::standard);
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 50})"), with([](BreakSettings &s) { s.focusMinutes = 50; }));
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": null})"), BreakSettings::standard);
    EXPECT_EQ(BreakSettings::decode(R"({"strictMode": false})"), with([](BreakSettings &s) { s.strictMode = false; }));
    EXPECT_EQ(BreakSettings::decode(R"({"strictMode": null, "idleThresholdSeconds": 0})"),
              with([](BreakSettings &s) { s.idleThresholdSeconds = 0; }));
    EXPECT_EQ(BreakSettings::decode(R"({"theme": "dark", "FocusMinutes": "x", "extra": [1, {}]})"),
              BreakSettings::standard);
}

TEST(BreakSettingsTest, DecodingDoesNotSanitise)
{
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 0, "preBreakWarningSeconds": 600})"),
              with([](BreakSettings &s) {
                  s.focusMinutes = 0;
                  s.preBreakWarningSeconds = 600;
              }));
}

TEST(BreakSettingsTest, AWrongTypeAnywhereFailsTheWholeDecode)
{
    for (const char *value : {R"("50")", "true", "[]", "{}", "5.5", "-0.25"})
        EXPECT_FALSE(decodes(std::string(R"({"focusMinutes": 1, "longBreakEvery": )") + value + "}")) << value;
    for (const char *value : {"1", "0", R"("true")", "[]"})
        EXPECT_FALSE(decodes(std::string(R"({"strictMode": )") + value + "}")) << value;

    std::string error;
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": "50"})", &error), std::nullopt);
    EXPECT_NE(error.find("focusMinutes"), std::string::npos) << error;
}

TEST(BreakSettingsTest, IntegersMustFitSixtyFourBits)
{
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 9223372036854775807})")->focusMinutes, kMax);
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": -9223372036854775808})")->focusMinutes, kMin);
    for (const char *value : {"9223372036854775808", "18446744073709551615", "18446744073709551616",
                              "-9223372036854775809", "1e30", "-1e30", "1e400"})
        EXPECT_FALSE(decodes(std::string(R"({"postponeMinutes": )") + value + "}")) << value;
}

TEST(BreakSettingsTest, WholeNumbersWrittenAsFloatsCountOnlyWhereDoublesAreExact)
{
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 5.0})")->focusMinutes, 5);
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 1e3})")->focusMinutes, 1000);
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": -2.0})")->focusMinutes, -2);
    EXPECT_EQ(BreakSettings::decode(R"({"focusMinutes": 9007199254740992.0})")->focusMinutes, 9007199254740992);
    EXPECT_FALSE(decodes(R"({"focusMinutes": 9007199254740994.0})"));
    EXPECT_FALSE(decodes(R"({"focusMinutes": 9.2e18})"));
}

TEST(BreakSettingsTest, OnlyAnObjectDecodes)
{
    for (const char *text : {"[]", "5", "null", "\"{}\"", "true", "", "{", "{\"focusMinutes\": 5,}", "{} {}"})
        EXPECT_FALSE(decodes(text)) << text;
    EXPECT_FALSE(BreakSettings::fromJson(nlohmann::json::array()).has_value());
    std::string error;
    EXPECT_FALSE(BreakSettings::decode("not json", &error).has_value());
    EXPECT_FALSE(error.empty());
    // A NUL byte must not hide trailing garbage from the parser.
    EXPECT_FALSE(BreakSettings::decode(std::string_view("{\"focusMinutes\": 7}\0junk", 24)).has_value());
}
