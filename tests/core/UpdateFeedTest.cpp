#include <string>

#include <gtest/gtest.h>

#include "core/UpdateFeed.h"

using namespace tavelo;

TEST(UpdateFeedTest, ReadsEitherEntryAndFallsBackToTheGenericOneOrRejectsTheWholeFeed)
{
    const auto feed = UpdateFeed::decode(R"({"linux": {"version": "1.4.0", "url": "a", "sha256": "ab"},
                                             "linuxArm64": {"version": "1.4.1", "url": "b"}, "mac": {"version": 7}})");
    const auto generic = UpdateFeed::decode(R"({"linux": {"version": "1", "url": "a"}, "linuxArm64": null})");
    ASSERT_TRUE(feed && generic);
    EXPECT_EQ(feed->entryFor(FeedArchitecture::arm64)->url, "b");
    EXPECT_EQ(feed->entryFor(FeedArchitecture::generic)->url, "a");
    EXPECT_EQ(generic->entryFor(FeedArchitecture::arm64)->url, "a");
    EXPECT_EQ(UpdateFeed::decode("\xEF\xBB\xBF {}\n")->entryFor(FeedArchitecture::arm64), nullptr);
    // Anything unreadable spoils the whole feed.
    for (const std::string json :
         {R"({"linux": {"version": "1"}, "linuxArm64": {"version": "2", "url": "u"}})", R"({"linux": {"url": "u"}})",
          R"({"linuxArm64": {"version": "1", "url": null}})", R"({"linux": {"version": 1.4, "url": "u"}})",
          R"({"linux": {"version": "1", "url": ["u"]}})", R"({"linux": "1.4.0"})", "", "[]", "<html>500</html>",
          "{} trailing", "{\"linux\": {\"version\": \"\xff\", \"url\": \"u\"}}"})
        EXPECT_FALSE(UpdateFeed::decode(json)) << json;
}
