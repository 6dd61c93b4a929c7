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

// A feed whose fields could not come from a real release is refused whole, not trimmed.
TEST(UpdateFeedTest, RefusesOversizeFieldsAndVersionsThatAreNotPlainDottedNumbers)
{
    const auto decode = [](const std::string &version, const std::string &url = "u") {
        return UpdateFeed::decode(R"({"linux": {"version": ")" + version + R"(", "url": ")" + url + R"("}})");
    };
    const std::string longest = "1." + std::string(62, '0'), address(2048, 'a');
    EXPECT_TRUE(decode(longest, address) && decode("07.1.9223372036854775807"));
    for (const char *version : {"", "1.2-beta", "v1.2", "1..2", ".1", "1.2.", " 1.2", "1.9223372036854775808"})
        EXPECT_FALSE(decode(version)) << version;
    EXPECT_FALSE(decode(longest + "0"));
    EXPECT_FALSE(decode("1.2", address + "a"));
}
