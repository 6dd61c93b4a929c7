#include <optional>
#include <regex>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/services/NotificationService.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using test::FakeNotificationCenter;
using Kind = FakeNotificationCenter::Kind;
using ::testing::ElementsAre;
using Ids = std::vector<std::string>;

namespace {

const std::string kWarning = "tavelo.break-warning";
const std::string kStarted = "tavelo.break-started";
const std::string kPaused = "tavelo.still-paused";

class NotificationServiceTest : public ::testing::Test {
protected:
    explicit NotificationServiceTest(bool installed = true) : bundle(installed) {}

    NotificationService &service()
    {
        if (!m_service)
            m_service.emplace(center, bundle, workspace, loop);
        return *m_service;
    }
    void destroyService() { m_service.reset(); }

    NotificationRequest onlyAdded() const
    {
        auto added = center.added();
        EXPECT_EQ(added.size(), 1u);
        return added.empty() ? NotificationRequest{} : added.front();
    }

    std::vector<NotificationEnableResult> results;
    std::function<void(NotificationEnableResult)> record()
    {
        return [this](NotificationEnableResult r) { results.push_back(r); };
    }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    FakeNotificationCenter center;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;

private:
    std::optional<NotificationService> m_service;
};

class UninstalledNotificationServiceTest : public NotificationServiceTest {
protected:
    UninstalledNotificationServiceTest() : NotificationServiceTest(false) {}
};

bool sameCall(const FakeNotificationCenter::Call &call, Kind kind, const Ids &ids)
{
    return call.kind == kind && call.identifiers == ids;
}

MATCHER_P2(IsCall, kind, ids, "")
{
    return sameCall(arg, kind, ids);
}

} // namespace

TEST_F(NotificationServiceTest, Texts)
{
    struct Case {
        std::function<void(NotificationService &)> post;
        std::string identifier, title, body;
    };
    const std::string paused = ". Resume from the menu bar when you're ready.";
    const std::vector<Case> cases = {
        {[](auto &s) { s.notifyBreakWarning(1); }, kWarning, "Break coming up", "Your break will start in 1 seconds."},
        {[](auto &s) { s.notifyBreakStarted(BreakType::micro, 600); }, kStarted, "Microbreak",
         "Look away from your screen for a moment."},
        {[](auto &s) { s.notifyBreakStarted(BreakType::long_, 61); }, kStarted, "Long break",
         "Step away for about 2 minutes."},
        {[](auto &s) { s.notifyBreakStarted(BreakType::long_, 60); }, kStarted, "Long break",
         "Step away for about 1 minutes."},
        {[](auto &s) { s.notifyBreakStarted(BreakType::long_, -30); }, kStarted, "Long break",
         "Step away for about 1 minutes."},
        {[](auto &s) { s.notifyStillPaused(7199); }, kPaused, "Timer still paused",
         "You've been paused for about an hour" + paused},
        {[](auto &s) { s.notifyStillPaused(7200); }, kPaused, "Timer still paused",
         "You've been paused for about 2 hours" + paused},
    };
    for (const Case &c : cases) {
        c.post(service());
        const NotificationRequest request = center.added().back();
        EXPECT_EQ(request.identifier, c.identifier);
        EXPECT_EQ(request.title, c.title);
        EXPECT_EQ(request.body, c.body);
    }
}

TEST_F(NotificationServiceTest, EachNoticeWithdrawsInOrderBeforePosting)
{
    service().notifyBreakStarted(BreakType::micro, 20);
    EXPECT_THAT(center.calls(),
                ElementsAre(IsCall(Kind::removeDelivered, Ids{kWarning}), IsCall(Kind::removePending, Ids{kWarning}),
                            IsCall(Kind::add, Ids{kStarted})));

    center.clearCalls();
    service().notifyBreakEnded();
    ASSERT_EQ(center.calls().size(), 2u);
    EXPECT_TRUE(sameCall(center.calls()[0], Kind::removeDelivered, {kStarted, kWarning}));
    EXPECT_EQ(center.calls()[1].kind, Kind::add);

    center.clearCalls();
    service().notifyStillPaused(4000);
    EXPECT_THAT(center.calls(),
                ElementsAre(IsCall(Kind::removeDelivered, Ids{kPaused}), IsCall(Kind::add, Ids{kPaused})));

    center.clearCalls();
    service().cancelBreakNotifications();
    EXPECT_THAT(center.calls(), ElementsAre(IsCall(Kind::removeDelivered, Ids{kStarted, kWarning}),
                                            IsCall(Kind::removePending, Ids{kStarted, kWarning})));
}

TEST_F(NotificationServiceTest, BreakCompleteNoticesHaveFreshUpperCaseUuids)
{
    service().notifyBreakEnded();
    service().notifyBreakEnded();
    service().notifyBreakEnded();
    const std::regex canonical("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    std::set<std::string> identifiers;
    for (const NotificationRequest &request : center.added()) {
        EXPECT_TRUE(std::regex_match(request.identifier, canonical)) << request.identifier;
        EXPECT_EQ(request.title, "Break complete");
        EXPECT_EQ(request.body, "Focus session resumed.");
        identifiers.insert(request.identifier);
    }
    EXPECT_EQ(identifiers.size(), 3u);
}

TEST_F(NotificationServiceTest, AsksForPermissionOncePerRunAndIgnoresTheAnswer)
{
    EXPECT_TRUE(service().notificationsAvailable());
    service().requestAuthorizationIfNeeded();
    service().requestAuthorizationIfNeeded();
    EXPECT_EQ(center.count(Kind::requestAuthorization), 1u);
    EXPECT_TRUE(center.answerAuthorization(false));
    loop.runPending();
    service().requestAuthorizationIfNeeded();
    EXPECT_EQ(center.count(Kind::requestAuthorization), 1u);
}

TEST_F(NotificationServiceTest, EnableActionWhenDeniedOpensTheFirstSettingsThatStarts)
{
    using Command = test::FakeWorkspace::Command;
    service().handleEnableAction(record());
    center.answerStatus(AuthorizationStatus::denied);
    loop.runPending();
    EXPECT_THAT(workspace.startedCommands, ElementsAre(Command{"gnome-control-center", {"notifications"}}));
    EXPECT_THAT(results, ElementsAre(NotificationEnableResult::openedSettings));

    // No GNOME settings: KDE's are tried next. Neither: still reported as opened.
    for (bool kdeStarts : {true, false}) {
        workspace.startedCommands.clear();
        results.clear();
        workspace.programResults = {{"gnome-control-center", false}, {"systemsettings", kdeStarts}};
        service().handleEnableAction(record());
        center.answerStatus(AuthorizationStatus::denied);
        loop.runPending();
        EXPECT_THAT(workspace.startedCommands, ElementsAre(Command{"gnome-control-center", {"notifications"}},
                                                           Command{"systemsettings", {"kcm_notifications"}}));
        EXPECT_THAT(results, ElementsAre(NotificationEnableResult::openedSettings));
    }
    EXPECT_TRUE(workspace.openedUrls.empty());
}

TEST_F(NotificationServiceTest, LateAnswersAfterDestructionDoNothing)
{
    bool called = false;
    service().handleEnableAction([&](NotificationEnableResult) { called = true; });
    service().fetchAuthorizationStatus([&](AuthorizationStatus) { called = true; });
    service().handleEnableAction([&](NotificationEnableResult) { called = true; });
    center.answerStatus(AuthorizationStatus::notDetermined); // leaves an authorization request waiting
    destroyService();
    center.answerStatus(AuthorizationStatus::authorized);
    center.answerStatus(AuthorizationStatus::denied);
    center.answerAuthorization(true);
    loop.runPending();
    EXPECT_FALSE(called);
    EXPECT_TRUE(workspace.startedCommands.empty());

    // Destroyed between the centre's answer and the main-loop turn.
    service().fetchAuthorizationStatus([&](AuthorizationStatus) { called = true; });
    center.answerStatus(AuthorizationStatus::authorized);
    destroyService();
    loop.runPending();
    EXPECT_FALSE(called);
}

TEST_F(UninstalledNotificationServiceTest, PostsNothingButStillWithdrawsAndQueries)
{
    EXPECT_FALSE(service().notificationsAvailable());
    service().requestAuthorizationIfNeeded();
    service().notifyBreakWarning(10);
    service().notifyBreakStarted(BreakType::long_, 900);
    service().notifyBreakEnded();
    service().notifyStillPaused(3600);
    service().cancelBreakNotifications();
    EXPECT_EQ(center.count(Kind::add), 0u);
    EXPECT_EQ(center.count(Kind::requestAuthorization), 0u);
    EXPECT_EQ(center.count(Kind::removeDelivered), 4u);
    EXPECT_EQ(center.count(Kind::removePending), 2u);

    bool called = false;
    service().handleEnableAction([&](NotificationEnableResult) { called = true; });
    EXPECT_EQ(center.waitingStatusQueries(), 0u);
    loop.runPending();
    EXPECT_FALSE(called);

    std::optional<AuthorizationStatus> status;
    service().fetchAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    center.answerStatus(AuthorizationStatus::denied);
    loop.runPending();
    EXPECT_EQ(status, AuthorizationStatus::denied);
}
