#include <array>
#include <optional>

#include <gtest/gtest.h>

#include "app/services/NotificationService.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeWorkspace.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using Kind = test::FakeNotificationCenter::Kind;
using Lines = std::vector<std::string>;

namespace {

// What the service asks of the centre; the centre's wire is tested against a real daemon.
class NotificationServiceTest : public ::testing::Test {
protected:
    NotificationService &service()
    {
        return m_service ? *m_service : m_service.emplace(center, bundle, workspace, loop);
    }
    // The centre's calls as text; an identifier of the service's own making reads as "<new>".
    Lines calls() const
    {
        Lines lines;
        for (const auto &call : center.calls()) {
            std::string line = std::array{"add", "delivered", "pending", "query", "request"}[int(call.kind)];
            for (const std::string &id : call.identifiers)
                line += " " + (id.starts_with("tavelo.") ? id.substr(7) : "<new>");
            if (call.request) {
                line += " | " + call.request->title + " | " + call.request->body;
                // Only notices kept for the record leave the screen by themselves.
                if (call.request->expiresAfter)
                    line += " | expires in " + std::to_string(call.request->expiresAfter->count()) + " ms";
            }
            lines.push_back(line);
        }
        return lines;
    }

    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    test::FakeNotificationCenter center;
    test::FakeBundleInfo bundle;
    test::FakeWorkspace workspace;
    std::optional<NotificationService> m_service;
};

TEST_F(NotificationServiceTest, EachNoticeWithdrawsWhatItReplacesThenPosts)
{
    service().notifyBreakWarning(1);
    service().notifyBreakStarted(BreakType::long_, 61);
    service().notifyBreakStarted(BreakType::long_, -30);
    service().notifyBreakEnded();
    service().notifyStillPaused(7199);
    service().notifyStillPaused(7200);
    service().cancelBreakNotifications();
    const std::string warning = "delivered break-warning", resume = ". Resume from the menu bar when you're ready.";
    EXPECT_EQ(
        calls(),
        (Lines{"add break-warning | Break coming up | Your break will start in 1 seconds.", warning,
               "pending break-warning", "add break-started | Long break | Step away for about 2 minutes.", warning,
               "pending break-warning", "add break-started | Long break | Step away for about 1 minutes.",
               "delivered break-started break-warning",
               "add <new> | Break complete | Focus session resumed. | expires in 10000 ms", "delivered still-paused",
               "add still-paused | Timer still paused | You've been paused for about an hour" + resume,
               "delivered still-paused",
               "add still-paused | Timer still paused | You've been paused for about 2 hours" + resume,
               "delivered break-started break-warning", "pending break-started break-warning"}));
    // Every break-complete notice stays: none replaces another.
    service().notifyBreakEnded();
    EXPECT_NE(center.added().at(3).identifier, center.added().at(6).identifier);
    // Said once per run by its caller; under one identifier, so a repeat would replace it.
    service().notifyNoStatusHost();
    EXPECT_TRUE(calls().back().starts_with("add no-status-host | Tavelo is running | ")) << calls().back();
}

// GNOME's settings, else KDE's, on a later turn; neither starting still counts as opened.
TEST_F(NotificationServiceTest, EnableActionWhenDeniedOpensTheFirstSettingsThatStarts)
{
    using Command = test::FakeWorkspace::Command;
    const Command gnome{"gnome-control-center", {"notifications"}}, kde{"systemsettings", {"kcm_notifications"}};
    for (bool gnomeStarts : {true, false}) {
        workspace.startedCommands.clear();
        workspace.programResults = {{"gnome-control-center", gnomeStarts}, {"systemsettings", false}};
        std::optional<NotificationEnableResult> result;
        service().handleEnableAction([&](NotificationEnableResult r) { result = r; });
        center.answerStatus(AuthorizationStatus::denied);
        EXPECT_TRUE(workspace.startedCommands.empty());
        loop.runPending();
        EXPECT_EQ(workspace.startedCommands, (gnomeStarts ? std::vector{gnome} : std::vector{gnome, kde}));
        EXPECT_EQ(result, NotificationEnableResult::openedSettings);
    }
    // Permission is asked once per run.
    service().requestAuthorizationIfNeeded();
    service().requestAuthorizationIfNeeded();
    EXPECT_EQ(center.count(Kind::requestAuthorization), 1u);
}

TEST_F(NotificationServiceTest, LateAnswersAfterDestructionDoNothing)
{
    bool called = false;
    const auto enable = [&] { service().handleEnableAction([&](NotificationEnableResult) { called = true; }); };
    const auto fetch = [&] { service().fetchAuthorizationStatus([&](AuthorizationStatus) { called = true; }); };
    enable();
    fetch();
    enable();
    center.answerStatus(AuthorizationStatus::notDetermined); // leaves an authorization request waiting
    m_service.reset();
    center.answerStatus(AuthorizationStatus::authorized);
    center.answerStatus(AuthorizationStatus::denied);
    center.answerAuthorization(true);
    fetch(); // destroyed between the centre's answer and the main-loop turn
    center.answerStatus(AuthorizationStatus::authorized);
    m_service.reset();
    loop.runPending();
    EXPECT_FALSE(called);
    EXPECT_TRUE(workspace.startedCommands.empty());
}

TEST_F(NotificationServiceTest, UninstalledPostsNothingButStillWithdrawsAndQueries)
{
    bundle.installed = false;
    service().requestAuthorizationIfNeeded();
    service().notifyBreakWarning(10);
    service().notifyBreakEnded();
    service().handleEnableAction(nullptr);
    std::optional<AuthorizationStatus> status;
    service().fetchAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    center.answerStatus(AuthorizationStatus::denied);
    loop.runPending();
    EXPECT_EQ(calls(), (Lines{"delivered break-started break-warning", "query"}));
    EXPECT_EQ(status, AuthorizationStatus::denied);
}

} // namespace
