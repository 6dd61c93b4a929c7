#include <string>

#include <gtest/gtest.h>

#include "core/UpdateFeed.h"

using namespace tavelo;

namespace {

using Info = UpdateFeed::PlatformInfo;

TEST(UpdateFeedTest, ReadsBothEntriesAndIgnoresOtherKeys)
{
    const auto feed = UpdateFeed::decode(R"({
        "linux": {"version": "1.4.0", "url": "https://x/a", "sha256": "ab"},
        "linuxArm64": {"version": "1.4.1", "url": "https://x/b"},
        "mac": {"version": 7}, "notes": [1, 2]
    })");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->linux_, (Info{"1.4.0", "https://x/a"}));
    EXPECT_EQ(feed->linuxArm64, (Info{"1.4.1", "https://x/b"}));
}

TEST(UpdateFeedTest, EntriesAreOptionalAndNullMeansAbsent)
{
    const auto empty = UpdateFeed::decode("{}");
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->linux_);
    EXPECT_EQ(empty->entryFor(FeedArchitecture::arm64), nullptr);

    const auto nulls = UpdateFeed::decode(R"({"linux": null, "linuxArm64": {"version": "1", "url": "u"}})");
    ASSERT_TRUE(nulls);
    EXPECT_FALSE(nulls->linux_);
    EXPECT_TRUE(nulls->linuxArm64);
}

TEST(UpdateFeedTest, AnyUnreadableEntrySpoilsTheWholeFeed)
{
    for (const char *json : {
             R"({"linux": {"version": "1"}, "linuxArm64": {"version": "2", "url": "u"}})",
             R"({"linux": {"url": "u"}})",
             R"({"linuxArm64": {"version": "1", "url": null}})",
             R"({"linux": {"version": 1.4, "url": "u"}})",
             R"({"linux": {"version": "1", "url": ["u"]}})",
             R"({"linux": "1.4.0"})",
             R"({"linux": []})",
         })
        EXPECT_FALSE(UpdateFeed::decode(json)) << json;
}

TEST(UpdateFeedTest, OnlyAJsonObjectIsAFeed)
{
    for (const std::string json : {"", "null", "[]", "\"linux\"", "42", "<html>500</html>", "{\"linux\": ",
                                   "{} trailing", "{\"linux\": {\"version\": \"\xff\", \"url\": \"u\"}}"})
        EXPECT_FALSE(UpdateFeed::decode(json)) << json;
    EXPECT_TRUE(UpdateFeed::decode("\xEF\xBB\xBF {}\n"));
}

} // namespace
