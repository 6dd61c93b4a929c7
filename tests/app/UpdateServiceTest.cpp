#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/services/UpdateService.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeHttpSession.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeUserDefaults.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kFeedUrl = "https://tavelo.app/latest.json";
const std::string kAvailable = "tavelo.update-available";
const std::string kResult = "tavelo.update-check-result";
const std::string kLastNotified = "com.tavelo.app.lastNotifiedUpdateVersion";
const std::string kLinuxUrl = "https://tavelo.app/download/tavelo-1.4.0-x86_64.tar.gz";

std::string entry(const std::string &version, const std::string &url)
{
    return R"({"version": ")" + version + R"(", "url": ")" + url + R"("})";
}

std::string feed(const std::string &linuxEntry, const std::string &armEntry = {})
{
    std::string json = R"({"linux": )" + linuxEntry;
    if (!armEntry.empty())
        json += R"(, "linuxArm64": )" + armEntry;
    return json + "}";
}

class UpdateServiceTest : public ::testing::Test {
protected:
    UpdateServiceTest() { bundle.version = "1.3.2"; }

    // A new service, by default past the moment of its first check.
    UpdateService &start(FeedArchitecture architecture = FeedArchitecture::generic, bool runFirstCheck = true)
    {
        m_service.reset();
        m_service = std::make_unique<UpdateService>(session, center, defaults, bundle, workspace, loop, architecture);
        if (runFirstCheck)
            loop.advance(UpdateService::firstCheckDelay);
        return *m_service;
    }
    void stop() { m_service.reset(); }

    // The user asks; the feed answers with `body`.
    void checkByUser(const std::string &body)
    {
        m_service->checkForUpdates(true);
        ASSERT_TRUE(session.respond(body));
    }

    std::vector<NotificationRequest> added() const { return center.added(); }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    test::FakeHttpSession session;
    test::FakeNotificationCenter center;
    test::FakeUserDefaults defaults;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;

private:
    std::unique_ptr<UpdateService> m_service;
};

TEST_F(UpdateServiceTest, NewerReleaseIsAnnouncedAndItsClickOpensTheDownload)
{
    start();
    ASSERT_THAT(session.requestedUrls, ElementsAre(kFeedUrl));
    session.respond(feed(entry("1.4.0", kLinuxUrl)));

    const auto notices = added();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].identifier, kAvailable);
    EXPECT_EQ(notices[0].title, "Update available");
    EXPECT_EQ(notices[0].body, "Tavelo v1.4.0 is ready to download.");
    EXPECT_TRUE(notices[0].playSound);
    EXPECT_EQ(defaults.string(kLastNotified), "1.4.0");

    center.click("tavelo.break-warning");
    EXPECT_THAT(workspace.openedUrls, IsEmpty());
    center.click(kAvailable);
    EXPECT_THAT(workspace.openedUrls, ElementsAre(kLinuxUrl));
}

TEST_F(UpdateServiceTest, NoNewerReleaseIsSilentUnlessTheUserAsked)
{
    start();
    session.respond(feed(entry("1.3.2.0", kLinuxUrl)));
    loop.advance(24h);
    session.respond(feed(entry("1.3.2", kLinuxUrl)));
    EXPECT_THAT(added(), IsEmpty());

    checkByUser(feed(entry("1.3.2", kLinuxUrl)));
    checkByUser(feed(entry("1.2.9", kLinuxUrl)));
    const auto notices = added();
    ASSERT_EQ(notices.size(), 2u);
    for (const auto &notice : notices) {
        EXPECT_EQ(notice.identifier, kResult);
        EXPECT_EQ(notice.title, "You're up to date");
        EXPECT_EQ(notice.body, "Tavelo v1.3.2 is the latest version.");
        EXPECT_FALSE(notice.playSound);
    }
    EXPECT_TRUE(defaults.values.empty());
}

// Every way a check can fail: silent when automatic, reported when the user asked.
TEST_F(UpdateServiceTest, FailedChecksAreSilentWhenAutomaticAndReportedWhenAsked)
{
    // The feed's own rules are the parser's; here only that any unusable answer counts.
    const std::vector<std::string> unusable = {
        "<html><body><h1>500 Internal Server Error</h1></body></html>",
        feed(entry("9.0", "http://tavelo.app/tavelo.tar.gz")),
    };
    UpdateService &service = start();
    session.fail("timed out");
    for (const std::string &body : unusable) {
        service.checkForUpdates(false);
        session.respond(body, 500);
    }
    EXPECT_THAT(added(), IsEmpty());

    for (const std::string &body : unusable)
        checkByUser(body);
    service.checkForUpdates(true);
    session.fail();

    const auto notices = added();
    ASSERT_EQ(notices.size(), unusable.size() + 1);
    for (const auto &notice : notices) {
        EXPECT_EQ(notice.identifier, kResult);
        EXPECT_EQ(notice.title, "Update check failed");
        EXPECT_EQ(notice.body, "Tavelo could not find out whether a newer version exists. Try again later.");
    }
    EXPECT_TRUE(defaults.values.empty());
    center.click(kAvailable);
    EXPECT_THAT(workspace.openedUrls, IsEmpty());
}

TEST_F(UpdateServiceTest, AVersionIsAnnouncedOnceByTheTimerButAgainWhenTheUserAsks)
{
    start();
    session.respond(feed(entry("1.4.0", kLinuxUrl)));
    ASSERT_EQ(added().size(), 1u);

    loop.advance(24h);
    ASSERT_EQ(session.requestedUrls.size(), 2u);
    session.respond(feed(entry("1.4.0", kLinuxUrl)));
    EXPECT_EQ(added().size(), 1u);

    checkByUser(feed(entry("1.4.0", kLinuxUrl)));
    ASSERT_EQ(added().size(), 2u);
    EXPECT_EQ(added()[1].identifier, kAvailable);

    // A newer one still comes through the timer, with its own address.
    loop.advance(24h);
    session.respond(feed(entry("1.4.1", "https://tavelo.app/1.4.1")));
    ASSERT_EQ(added().size(), 3u);
    center.click(kAvailable);
    EXPECT_THAT(workspace.openedUrls, ElementsAre("https://tavelo.app/1.4.1"));

    // After a restart the announced version stays quiet and old notices open nothing.
    start();
    session.respond(feed(entry("1.4.1", kLinuxUrl)));
    EXPECT_EQ(added().size(), 3u);
    center.click(kAvailable);
    EXPECT_EQ(workspace.openedUrls.size(), 1u);
}

TEST_F(UpdateServiceTest, ChecksSoonAfterStartThenEveryDay)
{
    start(FeedArchitecture::generic, false);
    EXPECT_THAT(session.requestedUrls, IsEmpty());
    loop.advance(UpdateService::firstCheckDelay);
    EXPECT_EQ(session.requestedUrls.size(), 1u);
    loop.advance(24h - UpdateService::firstCheckDelay - 1s);
    EXPECT_EQ(session.requestedUrls.size(), 1u);
    loop.advance(1s);
    EXPECT_EQ(session.requestedUrls.size(), 2u);
    loop.advance(48h);
    EXPECT_EQ(session.requestedUrls.size(), 4u);

    stop();
    loop.advance(72h);
    EXPECT_EQ(session.requestedUrls.size(), 4u);

    // Gone before its first check: none is made.
    start(FeedArchitecture::generic, false);
    stop();
    loop.advance(UpdateService::firstCheckDelay);
    EXPECT_EQ(session.requestedUrls.size(), 4u);
}

TEST_F(UpdateServiceTest, AnswersAndClicksAfterTheServiceIsGoneDoNothing)
{
    start();
    session.respond(feed(entry("1.4.0", kLinuxUrl)));
    start().checkForUpdates(true);
    stop();
    session.respond(feed(entry("1.5.0", kLinuxUrl)));
    session.respond(feed(entry("1.5.0", kLinuxUrl)));
    center.click(kAvailable);
    EXPECT_EQ(added().size(), 1u);
    EXPECT_THAT(workspace.openedUrls, IsEmpty());
}

TEST_F(UpdateServiceTest, OutsideAnInstalledBuildNothingHappensAtAll)
{
    bundle.installed = false;
    UpdateService &service = start();
    EXPECT_FALSE(service.isAvailable());
    service.checkForUpdates(true);
    loop.advance(72h);
    EXPECT_THAT(session.requestedUrls, IsEmpty());
    EXPECT_FALSE(center.hasClickHandler());
    EXPECT_EQ(loop.activeTimerCount(), 0u);
    EXPECT_THAT(center.calls(), IsEmpty());
    EXPECT_TRUE(defaults.values.empty());
}

} // namespace
