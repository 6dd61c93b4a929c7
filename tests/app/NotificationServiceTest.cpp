#include <functional>
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
using Lines = std::vector<std::string>;

namespace {

class NotificationServiceTest : public ::testing::Test {
protected:
    NotificationService &service()
    {
        if (!m_service)
            m_service.emplace(center, bundle, workspace, loop);
        return *m_service;
    }
    void destroyService() { m_service.reset(); }

    // The centre's calls as text; a fresh UUID reads as "<uuid>".
    Lines calls() const
    {
        static const std::regex uuid("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
        Lines lines;
        for (const auto &call : center.calls()) {
            std::string line = call.kind == Kind::add               ? "add"
                               : call.kind == Kind::removeDelivered ? "removeDelivered"
                               : call.kind == Kind::removePending   ? "removePending"
                                                                    : "query";
            for (const std::string &id : call.identifiers)
                line += " " + std::regex_replace(id, uuid, "<uuid>");
            if (call.request)
                line += " | " + call.request->title + " | " + call.request->body;
            lines.push_back(line);
        }
        return lines;
    }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    FakeNotificationCenter center;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;

private:
    std::optional<NotificationService> m_service;
};

const std::string kWarning = "tavelo.break-warning";
const std::string kStarted = "tavelo.break-started";
const std::string kPaused = "tavelo.still-paused";

TEST_F(NotificationServiceTest, EachNoticeWithdrawsWhatItReplacesThenPosts)
{
    struct Case {
        std::function<void(NotificationService &)> act;
        Lines calls;
    };
    const std::string resume = ". Resume from the menu bar when you're ready.";
    const std::vector<Case> cases = {
        {[](auto &s) { s.notifyBreakWarning(1); },
         {"add " + kWarning + " | Break coming up | Your break will start in 1 seconds."}},
        {[](auto &s) { s.notifyBreakStarted(BreakType::micro, 600); },
         {"removeDelivered " + kWarning, "removePending " + kWarning,
          "add " + kStarted + " | Microbreak | Look away from your screen for a moment."}},
        {[](auto &s) { s.notifyBreakStarted(BreakType::long_, 61); },
         {"removeDelivered " + kWarning, "removePending " + kWarning,
          "add " + kStarted + " | Long break | Step away for about 2 minutes."}},
        {[](auto &s) { s.notifyBreakStarted(BreakType::long_, -30); },
         {"removeDelivered " + kWarning, "removePending " + kWarning,
          "add " + kStarted + " | Long break | Step away for about 1 minutes."}},
        {[](auto &s) { s.notifyBreakEnded(); },
         {"removeDelivered " + kStarted + " " + kWarning, "add <uuid> | Break complete | Focus session resumed."}},
        {[](auto &s) { s.notifyStillPaused(7199); },
         {"removeDelivered " + kPaused,
          "add " + kPaused + " | Timer still paused | You've been paused for about an hour" + resume}},
        {[](auto &s) { s.notifyStillPaused(7200); },
         {"removeDelivered " + kPaused,
          "add " + kPaused + " | Timer still paused | You've been paused for about 2 hours" + resume}},
        {[](auto &s) { s.cancelBreakNotifications(); },
         {"removeDelivered " + kStarted + " " + kWarning, "removePending " + kStarted + " " + kWarning}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        center.clearCalls();
        cases[i].act(service());
        EXPECT_EQ(calls(), cases[i].calls);
    }

    // Every break-complete notice stays: none replaces another.
    service().notifyBreakEnded();
    service().notifyBreakEnded();
    const auto added = center.added();
    EXPECT_NE(added[0].identifier, added[1].identifier);
}

TEST_F(NotificationServiceTest, AsksForPermissionOncePerRun)
{
    service().requestAuthorizationIfNeeded();
    EXPECT_TRUE(center.answerAuthorization(false));
    loop.runPending();
    service().requestAuthorizationIfNeeded();
    EXPECT_EQ(center.count(Kind::requestAuthorization), 1u);
}

TEST_F(NotificationServiceTest, EnableActionWhenDeniedOpensTheFirstSettingsThatStarts)
{
    using Command = test::FakeWorkspace::Command;
    const Command gnome{"gnome-control-center", {"notifications"}};
    const Command kde{"systemsettings", {"kcm_notifications"}};
    struct Case {
        bool gnomeStarts;
        std::vector<Command> started;
    };
    // Neither starting is still reported as opened.
    for (const Case &c : {Case{true, {gnome}}, Case{false, {gnome, kde}}}) {
        workspace.startedCommands.clear();
        workspace.programResults = {{"gnome-control-center", c.gnomeStarts}, {"systemsettings", false}};
        std::vector<NotificationEnableResult> results;
        service().handleEnableAction([&](NotificationEnableResult r) { results.push_back(r); });
        center.answerStatus(AuthorizationStatus::denied);
        EXPECT_TRUE(workspace.startedCommands.empty()) << "opened on a later turn";
        loop.runPending();
        EXPECT_EQ(workspace.startedCommands, c.started);
        EXPECT_THAT(results, ElementsAre(NotificationEnableResult::openedSettings));
    }
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

TEST_F(NotificationServiceTest, UninstalledPostsNothingButStillWithdrawsAndQueries)
{
    bundle.installed = false;
    service().requestAuthorizationIfNeeded();
    service().notifyBreakWarning(10);
    service().notifyBreakStarted(BreakType::long_, 900);
    service().notifyBreakEnded();
    service().notifyStillPaused(3600);
    EXPECT_EQ(center.count(Kind::add), 0u);
    EXPECT_EQ(center.count(Kind::requestAuthorization), 0u);
    EXPECT_EQ(center.count(Kind::removeDelivered), 3u);

    bool called = false;
    service().handleEnableAction([&](NotificationEnableResult) { called = true; });
    EXPECT_EQ(center.waitingStatusQueries(), 0u);
    std::optional<AuthorizationStatus> status;
    service().fetchAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    center.answerStatus(AuthorizationStatus::denied);
    loop.runPending();
    EXPECT_FALSE(called);
    EXPECT_EQ(status, AuthorizationStatus::denied);
}

} // namespace
