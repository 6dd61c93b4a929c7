#include <gtest/gtest.h>

#include "OnboardingHarness.h"
#include "core/ReleaseNotes.h"

using namespace tavelo;
using Kind = test::FakeOnboardingPresenter::Shown::Kind;

namespace {

class LaunchScreensTest : public ::testing::Test {
protected:
    void remember(bool completed, std::optional<std::string> lastSeen)
    {
        h.defaults.values[OnboardingStore::completedKey] = completed;
        if (lastSeen)
            h.defaults.values[OnboardingStore::lastVersionKey] = *lastSeen;
        h.defaults.writes = 0;
    }
    std::vector<Kind> shownKinds() const
    {
        std::vector<Kind> kinds;
        for (const auto &s : h.recorder.shown)
            kinds.push_back(s.kind);
        return kinds;
    }

    test::OnboardingHarness h;
};

const ReleaseNote &noteFor(const char *version)
{
    for (const auto &note : ReleaseNotes::all())
        if (note.version == AppVersion(version))
            return note;
    throw std::logic_error("no such release note");
}

TEST_F(LaunchScreensTest, FirstInstalledRunRecordsTheVersionAndShowsTheTourUntilItsCompletionRuns)
{
    AppModel &model = h.build();
    EXPECT_TRUE(h.recorder.shown.empty()) << "decided in the next turn, not during construction";
    h.loop.runPending();

    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::tour});
    EXPECT_EQ(h.recorder.shown[0].model, &model);
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0");
    EXPECT_FALSE(h.store.onboardingCompleted());

    h.recorder.finish();
    EXPECT_TRUE(h.store.onboardingCompleted());
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0");
}

TEST_F(LaunchScreensTest, UnfinishedTourIsShownAgainAtEveryLaunchWhateverTheVersion)
{
    remember(false, "9.0");
    h.launch();
    EXPECT_EQ(shownKinds(), std::vector<Kind>{Kind::tour});
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0");
}

TEST_F(LaunchScreensTest, UpgradeListsOnlyTheNewerNotesWithTheVersionAlreadyRecorded)
{
    remember(true, "0.1.0");
    std::optional<std::string> recordedWhenShown;
    h.recorder.onShow = [&] { recordedWhenShown = h.store.lastSeenVersion(); };
    h.launch();

    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::whatsNew});
    EXPECT_EQ(h.recorder.shown[0].notes, std::vector<ReleaseNote>{noteFor("0.2.0")});
    EXPECT_EQ(recordedWhenShown, "0.2.0");
    h.recorder.finish();
    EXPECT_TRUE(h.store.onboardingCompleted());
}

TEST_F(LaunchScreensTest, UnparseableLastVersionCountsAsZeroSoEveryNoteIsNew)
{
    remember(true, "unknown");
    h.launch();
    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::whatsNew});
    EXPECT_EQ(h.recorder.shown[0].notes, (std::vector<ReleaseNote>{noteFor("0.1.0"), noteFor("0.2.0")}));
}

TEST_F(LaunchScreensTest, SameVersionDowngradeOrNoRecordedVersionShowNothingButRecordTheRunningVersion)
{
    struct Case {
        std::optional<std::string> lastSeen;
        std::string running;
    };
    for (const Case &c :
         {Case{"0.2.0", "0.2.0"}, Case{"0.2", "0.2.0"}, Case{"0.2.0", "0.1.0"}, Case{std::nullopt, "0.2.0"}}) {
        test::OnboardingHarness fresh;
        fresh.defaults.values[OnboardingStore::completedKey] = true;
        if (c.lastSeen)
            fresh.defaults.values[OnboardingStore::lastVersionKey] = *c.lastSeen;
        fresh.bundle.version = c.running;
        fresh.launch();
        EXPECT_TRUE(fresh.recorder.shown.empty()) << c.lastSeen.value_or("(none)") << " -> " << c.running;
        EXPECT_EQ(fresh.store.lastSeenVersion(), c.running);
    }
}

TEST_F(LaunchScreensTest, NotInstalledShowsNothingAndStoresNothingButTheMenuCommandsStillWork)
{
    h.bundle.installed = false;
    AppModel &model = h.launch();
    EXPECT_TRUE(h.recorder.shown.empty());
    EXPECT_EQ(h.defaults.writes, 0);

    remember(true, "0.1.0");
    model.presentLaunchScreensIfNeeded();
    EXPECT_TRUE(h.recorder.shown.empty());
    EXPECT_EQ(h.defaults.writes, 0);

    model.openWhatsNew();
    model.openTour();
    EXPECT_EQ(shownKinds(), (std::vector<Kind>{Kind::whatsNew, Kind::tour}));
}

TEST_F(LaunchScreensTest, WhatsNewOnRequestFollowsTheLastSeenVersionWithoutChangingIt)
{
    AppModel &model = h.build(); // the launch decision is never run here
    EXPECT_TRUE(model.canShowWhatsNew());
    model.openWhatsNew();
    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::whatsNew});
    EXPECT_EQ(h.recorder.shown[0].notes, (std::vector<ReleaseNote>{noteFor("0.1.0"), noteFor("0.2.0")}));
    EXPECT_EQ(h.defaults.writes, 0);

    remember(true, "0.1.0");
    EXPECT_TRUE(model.canShowWhatsNew());
    remember(true, "0.2.0");
    EXPECT_FALSE(model.canShowWhatsNew());
    model.openWhatsNew();
    EXPECT_EQ(h.recorder.shown.size(), 1u);
    EXPECT_EQ(h.defaults.writes, 0);
}

TEST_F(LaunchScreensTest, FinishingATourFromTheMenuRecordsCompletionAndTheRunningVersion)
{
    remember(true, "5.0");
    AppModel &model = h.launch();
    ASSERT_TRUE(h.recorder.shown.empty());
    model.openTour();
    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::tour});
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0") << "recorded at launch";
    h.defaults.values[OnboardingStore::lastVersionKey] = std::string("5.0");
    h.recorder.finish();
    EXPECT_EQ(h.store.lastSeenVersion(), "0.2.0");
    EXPECT_TRUE(h.store.onboardingCompleted());
}

TEST_F(LaunchScreensTest, NothingHappensOnceTheModelIsGone)
{
    h.build();
    h.model.reset();
    h.loop.runPending();
    EXPECT_TRUE(h.recorder.shown.empty());

    h.launch();
    ASSERT_EQ(shownKinds(), std::vector<Kind>{Kind::tour});
    h.model.reset();
    h.recorder.finish();
    EXPECT_FALSE(h.store.onboardingCompleted());
}

} // namespace
