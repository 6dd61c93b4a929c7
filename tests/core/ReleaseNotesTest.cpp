#include <gtest/gtest.h>

#include "core/ReleaseNotes.h"

using namespace tavelo;

TEST(ReleaseNotesTest, NewestFirstAndNotesNewerOldestFirst)
{
    const auto &all = ReleaseNotes::all();
    ASSERT_GE(all.size(), 2u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GT(all[i - 1].version, all[i].version);
    for (const auto &note : all)
        EXPECT_FALSE(note.title.empty() || note.highlights.empty());

    const auto versions = [](const std::optional<std::string> &lastSeen) {
        std::vector<AppVersion> out;
        for (const auto &note : ReleaseNotes::notesNewer(lastSeen))
            out.push_back(note.version);
        return out;
    };
    const AppVersion newest = all.front().version;
    const AppVersion oldest = all.back().version;
    for (const std::optional<std::string> &unseen :
         {std::optional<std::string>(), std::optional<std::string>("banana")})
        EXPECT_EQ(versions(unseen).size(), all.size());
    EXPECT_EQ(versions(std::nullopt).front(), oldest);
    EXPECT_EQ(versions(std::nullopt).back(), newest);
    EXPECT_EQ(versions(all[1].version.raw() + ".0"), std::vector<AppVersion>{newest});
    EXPECT_TRUE(versions(newest.raw()).empty());
}
