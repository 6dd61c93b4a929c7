#include <gtest/gtest.h>

#include <unordered_set>

#include "core/AppVersion.h"
#include "core/ReleaseNote.h"
#include "core/ReleaseNotes.h"

using namespace tavelo;

TEST(AppVersionTest, ParsesTheLeadingAsciiDigitsOfEachPiece)
{
    const std::pair<const char *, std::vector<std::int64_t>> cases[] = {
        {"1.2.3", {1, 2, 3}},
        {".1..2.", {1, 2}},
        {"1.2.3b4-beta", {1, 2, 3}},
        {"v1. 1.-1.07", {0, 0, 0, 7}},
        {"...", {}},
        {"9223372036854775807.9223372036854775808", {INT64_MAX, 0}}, // too large for 64 bits
        {"12345678901234567890.0000000000000000000000000000042", {0, 42}},
        {"\u0661.1\u0662.1\uFF11.1\U0001D7CF", {0, 0, 0, 0}},    // other scripts' digits
        {"1\u00BD.2\u00B2.1\u0301.1\uFE0F\u20E3", {0, 0, 0, 0}}, // fraction, superscript, accent, keycap
        {"12\u00E9.3\u2014.3\xFF\xFE.5\xE2\x80", {12, 3, 3, 5}}, // a letter or malformed UTF-8 ends the run
        {"\xD9", {0}},
    };
    for (const auto &[raw, components] : cases)
        EXPECT_EQ(AppVersion(raw).components(), components) << raw;
}

TEST(AppVersionTest, ComparesNumericallyWithMissingComponentsAsZeroAndOrdersNotes)
{
    const auto v = [](const char *raw) { return AppVersion(raw); };
    EXPECT_TRUE(v("1.2") == v("1.02.0.0") && v("") == v("0.0") && v("2.0-rc1") == v("2.0"));
    EXPECT_TRUE(v("1.9") < v("1.10") && v("1.0") < v("1.0.1") && v("1.0.1") > v("1.0"));
    EXPECT_LT(v("9223372036854775806"), v("9223372036854775807"));
    std::unordered_set<AppVersion> set{v("1.2"), v("1.2.0"), v("01.2"), v("0"), v(""), v("0.1"), v("0.0.1"), v("x")};
    EXPECT_EQ(set.size(), 4u); // equal versions hash alike
    EXPECT_TRUE(set.contains(v("1.2.0.0")) && !set.contains(v("1.0.2")));
    // notesNewer keeps the given order.
    using Notes = std::vector<ReleaseNote>;
    const Notes notes{ReleaseNote("0.3", "c", {}), ReleaseNote("0.1", "a", {"x"}), ReleaseNote("0.2.0", "b", {}),
                      ReleaseNote("0.2", "b2", {})};
    EXPECT_EQ(AppVersion::notesNewer(std::nullopt, notes), notes);
    EXPECT_EQ(AppVersion::notesNewer(v("0.1"), notes), (Notes{notes[0], notes[2], notes[3]}));
    EXPECT_EQ(AppVersion::notesNewer(v("0.2"), notes), Notes{notes[0]});
    // The shipped notes are newest first; notesNewer gives them oldest first.
    const auto &all = ReleaseNotes::all();
    ASSERT_GE(all.size(), 2u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GT(all[i - 1].version, all[i].version);
    EXPECT_EQ(ReleaseNotes::notesNewer(std::nullopt).front().version, all.back().version);
    EXPECT_EQ(ReleaseNotes::notesNewer("banana").size(), all.size());
    EXPECT_EQ(ReleaseNotes::notesNewer(all[1].version.raw() + ".0").size(), 1u);
    EXPECT_TRUE(ReleaseNotes::notesNewer(all.front().version.raw()).empty());
}
