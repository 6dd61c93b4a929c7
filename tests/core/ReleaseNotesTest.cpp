#include <gtest/gtest.h>

#include "core/ReleaseNotes.h"

using namespace tavelo;

TEST(ReleaseNotesTest, NewestFirstAndNotesNewerOldestFirst)
{
    const auto &all = ReleaseNotes::all();
    ASSERT_GE(all.size(), 2u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GT(all[i - 1].version, all[i].version);
    EXPECT_EQ(ReleaseNotes::notesNewer(std::nullopt).front().version, all.back().version);
    EXPECT_EQ(ReleaseNotes::notesNewer("banana").size(), all.size());
    EXPECT_EQ(ReleaseNotes::notesNewer(all[1].version.raw() + ".0").size(), 1u);
    EXPECT_TRUE(ReleaseNotes::notesNewer(all.front().version.raw()).empty());
}
