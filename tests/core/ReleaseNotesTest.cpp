#include <gtest/gtest.h>

#include "core/ReleaseNotes.h"

using namespace tavelo;

namespace {

std::vector<std::string> versionsNewerThan(const std::optional<std::string> &lastSeen)
{
    std::vector<std::string> out;
    for (const auto &note : ReleaseNotes::notesNewer(lastSeen))
        out.push_back(note.version.raw());
    return out;
}

} // namespace

TEST(ReleaseNotes, TableHoldsTheTwoReleasesNewestFirst)
{
    const auto &all = ReleaseNotes::all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].version.raw(), "0.2.0");
    EXPECT_EQ(all[0].title, "Idle-aware timing and a respectful break overlay");
    EXPECT_EQ(all[0].highlights,
              (std::vector<std::string>{
                  "Focus timer freezes while you're away \xE2\x80\x94 no more ambush breaks after coffee.",
                  "Stepping away during a break counts as taking it.",
                  "Esc always postpones; fullscreen apps and screen shares are never interrupted.",
                  "New Strict/Gentle break mode and idle-pause setting.",
              }));
    EXPECT_EQ(all[1].version.raw(), "0.1.0");
    EXPECT_EQ(all[1].title, "Welcome to Tavelo");
    EXPECT_EQ(all[1].highlights, (std::vector<std::string>{
                                     "Focus, microbreak, and long-break scheduling from the menu bar.",
                                     "Fullscreen break overlay with skip and postpone.",
                                     "Persistent settings and launch-at-login support.",
                                 }));
}

TEST(ReleaseNotes, NotesNewerThanALastSeenVersionAreOldestFirst)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(versionsNewerThan(std::nullopt), (V{"0.1.0", "0.2.0"}));
    EXPECT_EQ(versionsNewerThan("0.1.0"), V{"0.2.0"});
    EXPECT_EQ(versionsNewerThan("0.1"), V{"0.2.0"});
    EXPECT_EQ(versionsNewerThan("0.2.0"), V{});
    EXPECT_EQ(versionsNewerThan("1.0"), V{});
    EXPECT_EQ(versionsNewerThan("0.0.9"), (V{"0.1.0", "0.2.0"}));
    EXPECT_EQ(versionsNewerThan("banana"), (V{"0.1.0", "0.2.0"}));
    EXPECT_EQ(versionsNewerThan(""), (V{"0.1.0", "0.2.0"}));
}
