#include <gtest/gtest.h>

#include <unordered_set>

#include "core/AppVersion.h"
#include "core/ReleaseNote.h"

using namespace tavelo;

namespace {

std::vector<std::int64_t> parse(std::string_view raw)
{
    return AppVersion(raw).components();
}

} // namespace

TEST(AppVersion, ParsesTheLeadingDigitsOfEachPiece)
{
    using C = std::vector<std::int64_t>;
    EXPECT_EQ(parse("1.2.3"), (C{1, 2, 3}));
    EXPECT_EQ(parse("1..2"), (C{1, 2}));
    EXPECT_EQ(parse(".1.2."), (C{1, 2}));
    EXPECT_EQ(parse("1.2-beta"), (C{1, 2}));
    EXPECT_EQ(parse("1.2.3b4"), (C{1, 2, 3}));
    EXPECT_EQ(parse("v1.2"), (C{0, 2}));
    EXPECT_EQ(parse(" 1.2"), (C{0, 2}));
    EXPECT_EQ(parse("-1.2"), (C{0, 2}));
    EXPECT_EQ(parse("+1.2"), (C{0, 2}));
    EXPECT_EQ(parse("07.1"), (C{7, 1}));
    EXPECT_EQ(parse(""), C{});
    EXPECT_EQ(parse("..."), C{});
    EXPECT_EQ(parse("word"), C{0});
}

TEST(AppVersion, ComponentsBeyondSixtyFourBitsAreZero)
{
    using C = std::vector<std::int64_t>;
    EXPECT_EQ(parse("9223372036854775807.1"), (C{INT64_MAX, 1}));
    EXPECT_EQ(parse("9223372036854775808.1"), (C{0, 1}));
    EXPECT_EQ(parse("12345678901234567890.1"), (C{0, 1})) << "twenty digits";
    EXPECT_EQ(parse("99999999999999999999999999999999999999"), C{0});
    EXPECT_EQ(parse("0000000000000000000000000000042"), C{42}) << "leading zeros do not overflow";
}

TEST(AppVersion, OnlyAsciiDigitsMakeANumber)
{
    using C = std::vector<std::int64_t>;
    EXPECT_EQ(parse("\u0661.2"), (C{0, 2})) << "Arabic-Indic one";
    EXPECT_EQ(parse("1\u0662.3"), (C{0, 3})) << "an ASCII digit followed by another script's digit";
    EXPECT_EQ(parse("\uFF11.2"), (C{0, 2})) << "fullwidth one";
    EXPECT_EQ(parse("1\u00BD.2"), (C{0, 2})) << "a vulgar fraction";
    EXPECT_EQ(parse("2\u00B2"), C{0}) << "a superscript";
    EXPECT_EQ(parse("1\u0301.2"), (C{0, 2})) << "a digit with a combining accent is no plain digit";
    EXPECT_EQ(parse("1\uFE0F\u20E3"), C{0}) << "keycap one";
    EXPECT_EQ(parse("12\u00E9.3"), (C{12, 3})) << "a letter ends the run";
    EXPECT_EQ(parse("12\u2014"), C{12});
    EXPECT_EQ(parse("3\xFF\xFE.4"), (C{3, 4})) << "malformed UTF-8 ends the run";
    EXPECT_EQ(parse("5\xE2\x80"), C{5}) << "a truncated sequence ends the run";
    EXPECT_EQ(parse("\xD9"), C{0});
}

TEST(AppVersion, ComparesNumericallyWithMissingComponentsAsZero)
{
    const auto v = [](const char *raw) { return AppVersion(raw); };
    EXPECT_EQ(v("1.2"), v("1.2.0"));
    EXPECT_EQ(v("1.2"), v("1.2.0.0"));
    EXPECT_EQ(v("1.02"), v("1.2"));
    EXPECT_GT(v("1.10"), v("1.9"));
    EXPECT_GT(v("0.10.0"), v("0.9.9"));
    EXPECT_LT(v("1.0"), v("1.0.1"));
    EXPECT_GT(v("1.0.1"), v("1.0"));
    EXPECT_LE(v("1.0"), v("1.0.0"));
    EXPECT_GE(v("1.0"), v("1.0.0"));
    EXPECT_FALSE(v("1.0") < v("1.0.0"));
    EXPECT_EQ(v(""), v("0"));
    EXPECT_EQ(v(""), v("0.0"));
    EXPECT_LT(v(""), v("0.0.1"));
    EXPECT_EQ(v("2.0-rc1"), v("2.0"));
    EXPECT_EQ(v("2.0-rc1").description(), "2.0-rc1");
    EXPECT_EQ(v(" 2.0 ").raw(), " 2.0 ");
    EXPECT_LT(v("9223372036854775806"), v("9223372036854775807"));
    EXPECT_EQ(v("9223372036854775808"), v("0")) << "an overflowing component is 0, not the maximum";
}

TEST(AppVersion, EqualVersionsHashAlike)
{
    const std::hash<AppVersion> hash;
    const auto sameHash = [&](const char *x, const char *y) { return hash(AppVersion(x)) == hash(AppVersion(y)); };
    EXPECT_TRUE(sameHash("1.2", "1.2.0"));
    EXPECT_TRUE(sameHash("1.2", "1.2.0.0.0"));
    EXPECT_TRUE(sameHash("", "0"));
    EXPECT_TRUE(sameHash("0", "0.0"));
    EXPECT_TRUE(sameHash("2.0-rc1", "2.0"));
    EXPECT_TRUE(sameHash("word", ""));

    std::unordered_set<AppVersion> set{AppVersion("1.2"), AppVersion("1.2.0"), AppVersion("01.2"), AppVersion("0"),
                                       AppVersion(""),    AppVersion("0.1"),   AppVersion("0.0.1")};
    EXPECT_EQ(set.size(), 4u);
    EXPECT_TRUE(set.contains(AppVersion("1.2.0.0")));
    EXPECT_FALSE(set.contains(AppVersion("1.0.2")));
}

TEST(AppVersion, NotesNewerKeepsTheGivenOrder)
{
    const std::vector<ReleaseNote> notes{
        ReleaseNote("0.3", "c", {}),
        ReleaseNote("0.1", "a", {"x"}),
        ReleaseNote("0.2.0", "b", {}),
        ReleaseNote("0.2", "b2", {}),
    };
    EXPECT_EQ(AppVersion::notesNewer(std::nullopt, notes), notes);
    EXPECT_EQ(AppVersion::notesNewer(AppVersion("0.1"), notes),
              (std::vector<ReleaseNote>{notes[0], notes[2], notes[3]}));
    EXPECT_EQ(AppVersion::notesNewer(AppVersion("0.2"), notes), std::vector<ReleaseNote>{notes[0]});
    EXPECT_TRUE(AppVersion::notesNewer(AppVersion("0.3.0"), notes).empty());
    EXPECT_EQ(AppVersion::notesNewer(AppVersion(""), notes), notes);
}

TEST(ReleaseNote, EqualityComparesVersionTitleAndHighlights)
{
    const ReleaseNote note("1.0", "Title", {"one", "two"});
    EXPECT_EQ(note, ReleaseNote("1.0.0", "Title", {"one", "two"}));
    EXPECT_NE(note, ReleaseNote("1.0.1", "Title", {"one", "two"}));
    EXPECT_NE(note, ReleaseNote("1.0", "title", {"one", "two"}));
    EXPECT_NE(note, ReleaseNote("1.0", "Title", {"two", "one"}));
    EXPECT_NE(note, ReleaseNote("1.0", "Title", {"one"}));
}
