#include <chrono>
#include <memory>
#include <optional>
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
        m_service.reset();
        m_service = std::make_unique<UpdateService>(session, center, defaults, bundle, workspace, loop,
                                                    FeedArchitecture::generic);
        if (runFirstCheck)
            loop.advance(UpdateService::firstCheckDelay);
        return *m_service;
    }
    void stop() { m_service.reset(); }

    std::vector<std::string> notices() const
    {
        std::vector<std::string> lines;
        for (const auto &n : center.added())
            lines.push_back(n.identifier + " | " + n.title + " | " + n.body + (n.playSound ? " | sound" : ""));
        return lines;
    }

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

// Version 1.3.2 runs. An automatic check speaks only of a release not yet announced;
// one the user asked for always answers.
TEST_F(UpdateServiceTest, WhatACheckAnnounces)
{
    const std::string available = kAvailable + " | Update available | Tavelo v1.4.0 is ready to download. | sound";
    const std::string upToDate =
        "tavelo.update-check-result | You're up to date | Tavelo v1.3.2 is the latest version.";
    const std::string failed = "tavelo.update-check-result | Update check failed | Tavelo could not find out whether "
                               "a newer version exists. Try again later.";
    const std::string html = "<html><body><h1>500 Internal Server Error</h1></body></html>";
    struct Case {
        bool force;
        std::optional<std::string> answer; // none: the request fails
        std::optional<std::string> announcedBefore;
        std::vector<std::string> notices;
    };
    const std::vector<Case> cases = {
        {false, feed("1.4.0"), std::nullopt, {available}},
        {false, feed("1.4.0"), "1.3.9", {available}},
        {false, feed("1.4.0"), "1.4.0", {}},
        {true, feed("1.4.0"), "1.4.0", {available}},
        {false, feed("1.3.2.0"), std::nullopt, {}},
        {true, feed("1.3.2"), std::nullopt, {upToDate}},
        {true, feed("1.2.9"), std::nullopt, {upToDate}},
        {false, std::nullopt, std::nullopt, {}},
        {false, html, std::nullopt, {}},
        {false, feed("9.0", "http://tavelo.app/tavelo.tar.gz"), std::nullopt, {}},
        {true, std::nullopt, std::nullopt, {failed}},
        {true, html, std::nullopt, {failed}},
        {true, feed("9.0", "http://tavelo.app/tavelo.tar.gz"), std::nullopt, {failed}},
    };
    UpdateService &service = start(false);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(i);
        center.clearCalls();
        defaults.values.clear();
        if (c.announcedBefore)
            defaults.values[kLastNotified] = *c.announcedBefore;
        service.checkForUpdates(c.force);
        ASSERT_TRUE(c.answer ? session.respond(*c.answer, 500) : session.fail());
        EXPECT_EQ(notices(), c.notices);
        const bool announced = !c.notices.empty() && c.notices[0] == available;
        EXPECT_EQ(defaults.string(kLastNotified), announced ? std::optional<std::string>("1.4.0") : c.announcedBefore);
    }
}

TEST_F(UpdateServiceTest, OnlyTheLatestAnnouncementsClickOpensItsDownload)
{
    UpdateService &service = start();
    session.respond(feed("1.4.0"));
    center.click("tavelo.break-warning");
    EXPECT_THAT(workspace.openedUrls, IsEmpty());
    center.click(kAvailable);
    EXPECT_THAT(workspace.openedUrls, ElementsAre(kUrl));

    service.checkForUpdates(false);
    session.respond(feed("1.4.1", "https://tavelo.app/1.4.1"));
    service.checkForUpdates(true);
    session.fail();
    center.click(kAvailable);
    EXPECT_THAT(workspace.openedUrls, ElementsAre(kUrl, "https://tavelo.app/1.4.1"));

    // After a restart old notices open nothing.
    start();
    center.click(kAvailable);
    EXPECT_EQ(workspace.openedUrls.size(), 2u);
}

TEST_F(UpdateServiceTest, ChecksSoonAfterStartThenEveryDay)
{
    start(false);
    EXPECT_THAT(session.requestedUrls, IsEmpty());
    loop.advance(UpdateService::firstCheckDelay);
    EXPECT_THAT(session.requestedUrls, ElementsAre("https://tavelo.app/latest.json"));
    loop.advance(24h - UpdateService::firstCheckDelay - 1s);
    EXPECT_EQ(session.requestedUrls.size(), 1u);
    loop.advance(1s);
    EXPECT_EQ(session.requestedUrls.size(), 2u);

    stop();
    loop.advance(72h);
    EXPECT_EQ(session.requestedUrls.size(), 2u);

    // Gone before its first check: none is made.
    start(false);
    stop();
    loop.advance(UpdateService::firstCheckDelay);
    EXPECT_EQ(session.requestedUrls.size(), 2u);
}

TEST_F(UpdateServiceTest, AnswersAndClicksAfterTheServiceIsGoneDoNothing)
{
    start().checkForUpdates(true);
    stop();
    session.respond(feed("1.5.0"));
    session.respond(feed("1.5.0"));
    center.click(kAvailable);
    EXPECT_THAT(center.added(), IsEmpty());
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
}

} // namespace
