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
using Urls = std::vector<std::string>;

namespace {

const std::string kAvailable = "tavelo.update-available";
const std::string kLastNotified = "com.tavelo.app.lastNotifiedUpdateVersion";
const std::string kUrl = "https://tavelo.app/download/tavelo-1.4.0-x86_64.tar.gz";

std::string feed(const std::string &version, const std::string &url = kUrl)
{
    return R"({"linux": {"version": ")" + version + R"(", "url": ")" + url + R"("}})";
}

class UpdateServiceTest : public ::testing::Test {
protected:
    UpdateServiceTest() { bundle.version = "1.3.2"; }

    // A new service, by default past the moment of its first check.
    UpdateService &start(bool runFirstCheck = true)
    {
        service.reset();
        service = std::make_unique<UpdateService>(session, center, defaults, bundle, workspace, loop,
                                                  FeedArchitecture::generic);
        if (runFirstCheck)
            loop.advance(UpdateService::firstCheckDelay);
        return *service;
    }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    test::FakeHttpSession session;
    test::FakeNotificationCenter center;
    test::FakeUserDefaults defaults;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;
    std::unique_ptr<UpdateService> service;
};

// Version 1.3.2 runs. An automatic check speaks only of a release not yet announced;
// one the user asked for always answers.
TEST_F(UpdateServiceTest, WhatACheckAnnounces)
{
    const std::string available = kAvailable + " | Update available | Tavelo v1.4.0 is ready to download. | sound";
    const std::string upToDate =
        "tavelo.update-check-result | You're up to date | Tavelo v1.3.2 is the latest version.";
    const std::string failed = "tavelo.update-check-result | Update check failed | Tavelo could not find out whether "
                               "a newer version exists. Try again later.";
    // The answer (served with status 500, which is not looked at), the version announced
    // before, and the notice of an automatic check and of an asked one, if any.
    using Case = std::tuple<std::string, std::optional<std::string>, std::string, std::string>;
    UpdateService &s = start(false);
    for (const auto &[answer, announcedBefore, automatic, onRequest] :
         {Case{feed("1.4.0"), std::nullopt, available, available}, Case{feed("1.4.0"), "1.4.0", "", available},
          Case{feed("1.3.2.0"), std::nullopt, "", upToDate},
          Case{"<html><body>500 Internal Server Error</body></html>", std::nullopt, "", failed},
          Case{feed("9.0", "http://tavelo.app/tavelo.tar.gz"), std::nullopt, "", failed}}) {
        for (bool asked : {false, true}) {
            SCOPED_TRACE(answer + (asked ? " asked" : ""));
            defaults.values.clear();
            if (announcedBefore)
                defaults.values[kLastNotified] = *announcedBefore;
            s.checkForUpdates(asked);
            center.clearCalls();
            ASSERT_TRUE(session.respond(answer, 500));
            const std::string expected = asked ? onRequest : automatic;
            std::string notice;
            for (const auto &n : center.added())
                notice += n.identifier + " | " + n.title + " | " + n.body + (n.playSound ? " | sound" : "");
            EXPECT_EQ(notice, expected);
            EXPECT_EQ(defaults.string(kLastNotified), expected == available ? "1.4.0" : announcedBefore);
        }
    }
}

// After a restart old notices open nothing.
TEST_F(UpdateServiceTest, OnlyTheLatestAnnouncementsClickOpensItsDownload)
{
    start();
    session.respond(feed("1.4.0"));
    center.click("tavelo.break-warning");
    center.click(kAvailable);
    start().checkForUpdates(true);
    center.click(kAvailable);
    session.respond(feed("1.4.1", "https://tavelo.app/1.4.1"));
    session.fail();
    center.click(kAvailable);
    EXPECT_EQ(workspace.openedUrls, (Urls{kUrl, "https://tavelo.app/1.4.1"}));
}

TEST_F(UpdateServiceTest, ChecksSoonAfterStartThenEveryDayWhileItLivesInAnInstalledBuild)
{
    start(false);
    EXPECT_TRUE(session.requestedUrls.empty());
    loop.advance(UpdateService::firstCheckDelay);
    EXPECT_EQ(session.requestedUrls, Urls{"https://tavelo.app/latest.json"});
    loop.advance(24h - UpdateService::firstCheckDelay - 1s);
    EXPECT_EQ(session.requestedUrls.size(), 1u);
    loop.advance(1s);
    EXPECT_EQ(session.requestedUrls.size(), 2u);

    // Gone before its first check, or with an answer on its way: nothing more happens.
    start(false).checkForUpdates(true);
    service.reset();
    center.clearCalls();
    loop.advance(72h);
    EXPECT_EQ(session.requestedUrls.size(), 3u);
    while (session.respond(feed("1.5.0"))) {
    }
    center.click(kAvailable);
    EXPECT_TRUE(center.added().empty());
    EXPECT_TRUE(workspace.openedUrls.empty());

    // Outside an installed build nothing happens at all.
    bundle.installed = false;
    start().checkForUpdates(true);
    loop.advance(72h);
    EXPECT_EQ(session.requestedUrls.size(), 3u);
    EXPECT_EQ(loop.activeTimerCount(), 0u);
}

// However slowly the feed arrives, an asked check shows it is running and ends within
// half a minute as if the feed were unreachable; an automatic one ends as silently as ever.
TEST_F(UpdateServiceTest, AnAskedCheckSaysItIsCheckingAndGivesUpAfterThirtySeconds)
{
    start().checkForUpdates(true); // while the automatic first check is under way
    loop.advance(29s);
    ASSERT_EQ(center.added().size(), 1u);
    EXPECT_EQ(center.added()[0].title, "Checking for updates…");
    loop.advance(1s);
    while (session.respond(feed("1.4.0"))) { // too late: changes nothing
    }
    ASSERT_EQ(center.added().size(), 2u);
    EXPECT_EQ(center.added()[1].identifier + " | " + center.added()[1].title,
              "tavelo.update-check-result | Update check failed");
}

TEST_F(UpdateServiceTest, ReadsTheFeedAddressItWasGivenOnlyWhenItIsHttps)
{
    const std::string local = "https://127.0.0.1:8443/feed.json", builtIn = "https://tavelo.app/latest.json";
    using Case = std::pair<std::string, std::string>;
    for (const auto &[given, read] :
         {Case{local, local}, Case{"http://127.0.0.1/latest.json", builtIn}, Case{"tavelo.app/latest.json", builtIn}}) {
        bundle.feedUrl = given;
        start();
        EXPECT_EQ(session.requestedUrls.back(), read);
    }
}

} // namespace
