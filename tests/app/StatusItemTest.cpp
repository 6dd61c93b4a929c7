#include <filesystem>

#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ui/CountdownLabel.h"
#include "app/ui/PopupPlacement.h"
#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "platform/StatusItemBackend.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;
using Symbol = StatusIconKey::Symbol;

namespace {

class RecordingBackend final : public StatusItemBackend {
public:
    void setIcon(const std::vector<QImage> &) override { ++iconUpdates; }
    void setToolTip(const QString &text) override { toolTips.push_back(text); }
    void setLabel(const QString &text) override { label = text; }
    void show() override {}
    QRect iconGeometry() const override { return {300, 0, 22, 22}; }

    int iconUpdates = 0;
    std::vector<QString> toolTips;
    QString label;
};

class StatusItemTest : public ::testing::Test {
protected:
    QPushButton *button(const char *name) const { return panel.findChild<QPushButton *>(name); }
    QString countdown() const { return panel.findChild<CountdownLabel *>("countdown")->text(); }
    QAction *action(const char *menu, const QString &name) const
    {
        for (QAction *a : panel.findChild<QMenu *>(menu)->actions())
            if (a->text() == name || a->objectName() == name)
                return a;
        return nullptr;
    }
    void open() { panel.popupAt(QPoint(100, 100)); }

    test::AppFixture h;
    AppModel &model = h.start();
    BreakEngine &engine = model.engine();
    RecordingBackend *backend = new RecordingBackend;
    StatusItem statusItem{model, std::unique_ptr<StatusItemBackend>(backend)};
    StatusMenuView &panel = statusItem.panel();
};

TEST_F(StatusItemTest, RedrawsTheIconOnlyWhenItsPictureChanges)
{
    EXPECT_EQ(backend->iconUpdates, 1);
    EXPECT_EQ(backend->label, "25:00");
    // 1500 s in 32 steps: the first step is crossed after 47 s.
    h.advance(46s);
    EXPECT_EQ(backend->iconUpdates, 1);
    EXPECT_EQ(backend->toolTips.back(), "24:14");
    EXPECT_EQ(backend->label, "24:14");
    h.advance(1s);
    EXPECT_EQ(backend->iconUpdates, 2);
    EXPECT_EQ(statusItem.iconKey().ringStep, StatusIconRenderer::kRingSteps - 1);

    model.togglePause();
    h.advance(1s);
    EXPECT_EQ(statusItem.iconKey().symbol, Symbol::paused);
    // The ring measures the whole break, not what was left when it was drawn.
    model.startBreakNow(BreakType::long_);
    h.advance(61s);
    EXPECT_EQ(statusItem.iconKey(), (StatusIconKey{Symbol::breakTime, 30}));
}

TEST_F(StatusItemTest, ClickTogglesThePanel)
{
    backend->onActivate(QPoint(5, 5));
    ASSERT_TRUE(panel.isVisible());
    EXPECT_GT(panel.y(), 22) << "placed from the icon, not the pointer";

    backend->onActivate(QPoint(5, 5));
    EXPECT_FALSE(panel.isVisible());
    backend->onActivate(QPoint(5, 5));
    EXPECT_FALSE(panel.isVisible()) << "the click that closed the panel does not reopen it";

    panel.close();
    statusItem.openPanel();
    EXPECT_TRUE(panel.isVisible()) << "asked for explicitly, it opens";
}

TEST(StatusIconRenderer, PauseComesBeforeThePhaseAndTheRingRoundsUpWithinRange)
{
    StatusSnapshot s;
    s.phase = TimerPhase::breakTime;
    s.isPaused = true;
    s.remainingSeconds = 100;
    s.phaseLengthSeconds = 1500;
    EXPECT_EQ(StatusIconRenderer::keyFor(s), (StatusIconKey{Symbol::paused, 3}));

    constexpr int kAll = StatusIconRenderer::kRingSteps;
    struct Case {
        std::int64_t remaining, length;
        int step;
    };
    for (const Case &c :
         {Case{1500, 1500, kAll}, Case{1, 1500, 1}, Case{0, 1500, 0}, Case{-5, 1500, 0}, Case{750, 1500, 16},
          Case{9000, 1500, kAll}, Case{5, 0, kAll}, Case{INT64_MAX, INT64_MAX, kAll}, Case{1, INT64_MAX, 1}})
        EXPECT_EQ(StatusIconRenderer::ringStep(c.remaining, c.length), c.step) << c.remaining << " of " << c.length;
}

TEST(StatusIconRenderer, ImagesDifferBetweenStatesAndStartNoThreads)
{
    const auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
    const auto before = threads();
    std::vector<QImage> images;
    for (const StatusIconKey key :
         {StatusIconKey{Symbol::focus, 20}, {Symbol::breakTime, 20}, {Symbol::paused, 20}, {Symbol::focus, 21}})
        images.push_back(StatusIconRenderer::render(key, 44));
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_GT(qAlpha(images[i].pixel(22, 33)), 200) << "a solid badge";
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
    }
    // Redrawn every ring step of an idle session: that must not wake worker threads.
    // Each test runs in a process of its own, so every thread here is ours.
    EXPECT_EQ(threads(), before);
}

TEST_F(StatusItemTest, PanelFollowsTheEngineOnlyWhileOpen)
{
    open();
    h.loop.advance(2s);
    EXPECT_EQ(countdown(), "25:00") << "changes wait for the next event-loop turn";
    QCoreApplication::processEvents();
    EXPECT_EQ(countdown(), "24:58");
    panel.close();
    h.advance(60s);
    EXPECT_EQ(countdown(), "24:58");
    open();
    EXPECT_EQ(countdown(), "23:58") << "opening shows the state at once";
}

TEST_F(StatusItemTest, PanelControlsReachTheModel)
{
    open();
    action("pauseMenu", "Pause 5 min")->trigger();
    EXPECT_EQ(engine.pauseRemainingSeconds(), 300);
    button("resume")->click();
    EXPECT_FALSE(engine.isPaused());
    action("pauseMenu", "Pause Indefinitely")->trigger();
    EXPECT_EQ(std::pair(engine.isPaused(), engine.pauseRemainingSeconds()), std::pair(true, std::int64_t{0}));
    button("resume")->click();

    button("startLongBreak")->click();
    EXPECT_EQ(engine.activeBreak(), BreakType::long_);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("startLongBreak")->isEnabled());
    button("startMicrobreak")->click();
    EXPECT_EQ(engine.activeBreak(), BreakType::micro);
    button("postpone")->click();
    EXPECT_EQ(engine.remainingSeconds(), 300);
    button("skip")->click();
    EXPECT_EQ(engine.completedFocusSessions(), 1);
    h.advance(30s);
    button("resetFocus")->click();
    EXPECT_EQ(engine.remainingSeconds(), 25 * 60);
}

TEST_F(StatusItemTest, PanelWindowItemsOpenOnTheNextTurnWithThePanelClosed)
{
    h.onboarding.shown.clear(); // the launch screen
    h.onboardingStore.setLastSeenVersion("0.2.0");
    open();
    // The stored version changes without notice; opening the menu asks again.
    h.onboardingStore.setLastSeenVersion("0.1.0");
    emit panel.findChild<QMenu *>("helpMenu")->aboutToShow();
    EXPECT_TRUE(action("helpMenu", "whatsNew")->isEnabled());

    action("helpMenu", "takeTheTour")->trigger();
    EXPECT_TRUE(h.onboarding.shown.empty());
    EXPECT_FALSE(panel.isVisible());
    open();
    action("helpMenu", "whatsNew")->trigger();
    open();
    button("settings")->click();
    QCoreApplication::processEvents();
    using Kind = test::FakeOnboardingPresenter::Shown::Kind;
    ASSERT_EQ(h.onboarding.shown.size(), 2u);
    EXPECT_EQ(std::pair(h.onboarding.shown[0].kind, h.onboarding.shown[1].kind), std::pair(Kind::tour, Kind::whatsNew));
    EXPECT_EQ(h.settingsWindow.shownFor, std::vector<AppModel *>{&model});
}

TEST_F(StatusItemTest, PanelQuitEndsTheEventLoop)
{
    open();
    QTimer::singleShot(0, [this] { button("quit")->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

// On a 1280×1024 screen whose free area depends on where the panel is.
TEST(PopupPlacement, OpensAwayFromThePanelOrThePointerAndStaysInsideTheFreeArea)
{
    constexpr int kGap = PopupPlacement::kGap;
    struct Case {
        const char *what;
        QSize popup;
        QRect anchor, available;
        QPoint corner;
    };
    const QSize p(260, 400);
    const QRect bottomFree(0, 0, 1280, 1000);
    const Case cases[] = {
        {"top panel", p, {600, 1, 22, 22}, {0, 24, 1280, 1000}, {610 - 130, 23 + kGap}},
        {"bottom panel", p, {600, 1001, 22, 22}, bottomFree, {610 - 130, 1001 - kGap - 400}},
        {"left panel, level with the icon", p, {1, 300, 22, 22}, {24, 0, 1256, 1024}, {23 + kGap, 300}},
        {"right panel", p, {1257, 300, 22, 22}, {0, 0, 1256, 1024}, {1257 - kGap - 260, 300}},
        {"pointer without room below", p, {500, 800, 1, 1}, bottomFree, {370, 800 - kGap - 400}},
        {"pointer on the right edge", p, {1279, 500, 1, 1}, bottomFree, {1020, 501 + kGap}},
        {"no room either way", {260, 700}, {500, 500, 1, 1}, bottomFree, {370, 0}},
        {"larger than the screen keeps its top left", {2000, 2000}, {500, 500, 1, 1}, {10, 20, 1280, 1000}, {10, 20}},
        // In a corner the side the icon lies further beyond wins.
        {"corner, further right", p, {1252, 995, 22, 22}, {0, 0, 1250, 1000}, {1252 - kGap - 260, 600}},
        {"corner, further down", p, {1230, 1001, 22, 22}, {0, 0, 1250, 1000}, {990, 1001 - kGap - 400}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PopupPlacement::position(c.popup, c.anchor, c.available), c.corner) << c.what;
}

} // namespace
