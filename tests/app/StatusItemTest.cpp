#include <filesystem>
#include <set>

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/Mnemonics.h"
#include "app/ui/PanelFrame.h"
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
    void setToolTip(const QString &text) override
    {
        toolTip = text;
        ++toolTipCalls;
    }
    void setLabel(const QString &text) override
    {
        label = text;
        ++labelCalls;
    }
    void show() override {}
    QRect iconGeometry() const override { return icon; }
    bool showsLabel() const override { return labelShown; }
    void setMenu(const std::vector<MenuEntry> &entries) override
    {
        menu = entries;
        ++menuUpdates;
    }

    // The entry with this text, searched through the submenus too.
    const MenuEntry *entry(const QString &text, const std::vector<MenuEntry> *in = nullptr) const
    {
        for (const MenuEntry &e : in ? *in : menu) {
            if (e.text == text)
                return &e;
            if (const MenuEntry *found = entry(text, &e.children))
                return found;
        }
        return nullptr;
    }
    void choose(const QString &text)
    {
        const MenuEntry *e = entry(text);
        ASSERT_TRUE(e) << text.toStdString();
        onMenuEntryChosen(e->id);
    }

    std::vector<MenuEntry> menu;
    int menuUpdates = 0;
    int iconUpdates = 0, toolTipCalls = 0, labelCalls = 0;
    QString toolTip, label;
    bool labelShown = true;
    QRect icon{300, 0, 22, 22};
};

class StatusItemTest : public ::testing::Test {
protected:
    QPushButton *button(const char *name) const { return panel.findChild<QPushButton *>(name); }
    QString countdown() const { return panel.findChild<CountdownLabel *>("countdown")->text(); }
    QAction *action(const char *menu, const QString &name) const
    {
        for (QAction *a : panel.findChild<QMenu *>(menu)->actions())
            if (Mnemonics::strip(a->text()) == name || a->objectName() == name)
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
    // 1500 s in 32 steps: the first step is crossed after 47 s.
    h.advance(46s);
    // The label counts down; the tooltip names the moment and holds still.
    EXPECT_EQ(std::tuple(backend->iconUpdates, backend->label, backend->toolTipCalls), std::tuple(1, "24:14", 1));
    EXPECT_EQ(backend->toolTip,
              "Next: Microbreak at " + BreakOverlayPresentation::localShortTime(h.clock.now() + 1454s));
    h.advance(1s);
    EXPECT_EQ(std::pair(backend->iconUpdates, statusItem.iconKey().ringStep),
              std::pair(2, StatusIconRenderer::kRingSteps - 1));

    model.togglePause();
    h.advance(1s);
    EXPECT_EQ(statusItem.iconKey().symbol, Symbol::paused);
    // The ring measures the whole break, not what was left when it was drawn.
    model.startBreakNow(BreakType::long_);
    h.advance(61s);
    EXPECT_EQ(statusItem.iconKey(), (StatusIconKey{Symbol::breakTime, 30, {}}));
}

TEST_F(StatusItemTest, WithoutALabelTheIconCarriesTheMinutesAndTicksLeaveTheTextsAlone)
{
    backend->labelShown = false;
    backend->onHostChanged();
    h.advance(60s);
    const auto texts = std::pair(backend->toolTipCalls, backend->labelCalls);
    const int icons = backend->iconUpdates;
    h.advance(59s);
    EXPECT_EQ(std::tuple(statusItem.iconKey().number, backend->iconUpdates, backend->label),
              std::tuple("24", icons + 1, ""))
        << "one ring step in that minute, no redraw for the seconds";
    EXPECT_EQ(std::pair(backend->toolTipCalls, backend->labelCalls), texts);

    backend->labelShown = true;
    backend->onHostChanged();
    h.advance(1s);
    EXPECT_EQ(std::pair(backend->label, statusItem.iconKey().number), std::pair(QString("23:00"), QString()));
}

// The countdown is whole seconds: redrawn at a tick after a mid-second reset, now plus
// the countdown lands up to a second later, here past a minute's turn.
TEST_F(StatusItemTest, TheNamedMomentHoldsAcrossTheWobbleOfWholeSeconds)
{
    h.advance(59600ms);
    model.resetFocus();
    h.loop.runPending();
    const auto named = std::pair(backend->toolTip, backend->toolTipCalls);
    h.advance(400ms);
    h.advance(90s);
    EXPECT_EQ(std::pair(backend->toolTip, backend->toolTipCalls), named);
    model.postponeBreak();
    h.loop.runPending();
    EXPECT_EQ(backend->toolTipCalls, named.second + 1) << "a change of plan is named";
}

TEST(StatusIconRenderer, ImagesDifferBetweenStatesAndStartNoThreads)
{
    const auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
    const auto before = threads();
    const auto render = [](Symbol symbol, int step, QString number = {}) {
        return StatusIconRenderer::render({symbol, step, number}, 44);
    };
    const QImage images[] = {render(Symbol::focus, 20), render(Symbol::breakTime, 20),  render(Symbol::paused, 20),
                             render(Symbol::focus, 21), render(Symbol::focus, 21, "9"), render(Symbol::focus, 21, "8")};
    for (std::size_t i = 0; i < std::size(images); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
    // Redrawn every ring step of an idle session: that must not wake worker threads.
    // Each test runs in a process of its own, so every thread here is ours.
    EXPECT_EQ(threads(), before);
}

TEST_F(StatusItemTest, ClickTogglesThePanelWhichFollowsTheEngineOnlyWhileOpenAndReachesTheModel)
{
    const auto click = [this] {
        backend->onActivate(QPoint(5, 5));
        return panel.isVisible();
    };
    ASSERT_TRUE(click());
    EXPECT_GT(panel.y(), 22) << "placed from the icon, not the pointer";
    button("postpone")->click();
    // The ring and the overlay measure the stretched phase.
    EXPECT_EQ(StatusSnapshot::of(engine).phaseLengthSeconds, 30 * 60);
    h.advance(2s);
    EXPECT_EQ(countdown(), "29:58");
    EXPECT_FALSE(click());
    EXPECT_FALSE(click()) << "the click that closed the panel does not reopen it";
    h.advance(60s);
    EXPECT_EQ(countdown(), "29:58");
    statusItem.openPanel();
    EXPECT_EQ(countdown(), "28:58") << "asked for explicitly, it opens and shows the state at once";

    action("pauseMenu", "Pause 5 min")->trigger();
    EXPECT_EQ(engine.pauseRemainingSeconds(), 300);
    button("resume")->click();
    action("pauseMenu", "Pause Indefinitely")->trigger();
    EXPECT_EQ(std::pair(engine.isPaused(), engine.pauseRemainingSeconds()), std::pair(true, std::int64_t{0}));
    button("resume")->click();

    button("startLongBreak")->click();
    h.loop.runPending();
    EXPECT_FALSE(button("startLongBreak")->isEnabled()) << "a long break is under way";
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

// On the offscreen screens (1280×1024 primary, 1920×1080 beside it): the placement's
// rules are tested on their own; here, that the item feeds them what the desktop says.
TEST_F(StatusItemTest, PanelOpensWhereTheDesktopPointsAndClosesOnEscOrWhenFocusGoesElsewhere)
{
    backend->icon = QRect();
    QCursor::setPos(0, 0); // XWayland before the pointer crossed one of its windows
    backend->onActivate(QPoint(12, 9));
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry().topRight(), QPoint(1279, 5)) << "top right, not over the corner";
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_FALSE(panel.isVisible());

    QCursor::setPos(2000, 300);
    statusItem.openPanel();
    EXPECT_EQ(panel.x(), 2000 - panel.width() / 2) << "a second launch opens at a known pointer";
    QCoreApplication::processEvents();
    ASSERT_EQ(QGuiApplication::focusWindow(), panel.windowHandle());
    // As the window system reports it: the focus moves to a menu of the panel, which
    // stays open, then to another program (Qt itself closes popups only for its own windows).
    auto *pauseMenu = panel.findChild<QMenu *>("pauseMenu");
    pauseMenu->popup({2000, 300});
    Q_EMIT qGuiApp->focusWindowChanged(pauseMenu->windowHandle());
    pauseMenu->close();
    EXPECT_TRUE(panel.isVisible());
    Q_EMIT qGuiApp->focusWindowChanged(nullptr);
    EXPECT_FALSE(panel.isVisible());

    // With a compositor the panel carries a shadow, which is no part of it: a press on the
    // shadow is a press outside.
    statusItem.setCompositorCheck([] { return true; });
    statusItem.openPanel();
    ASSERT_EQ(panel.width(), StatusMenuView::kWidth + 2 * PanelFrame::kShadow);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(PanelFrame::kShadow + 2, PanelFrame::kShadow + 2));
    EXPECT_TRUE(panel.isVisible());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(PanelFrame::kShadow - 2, 40));
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(StatusItemTest, PanelWindowItemsOpenOnTheNextTurnWithThePanelClosedAndQuitEndsTheLoop)
{
    h.onboarding.shown.clear(); // the launch screen
    h.onboardingStore.setLastSeenVersion("0.2.0");
    open();
    // The stored version changes without notice; opening the menu asks again.
    h.onboardingStore.setLastSeenVersion("0.1.0");
    emit panel.findChild<QMenu *>("helpMenu")->aboutToShow();
    EXPECT_TRUE(action("helpMenu", "whatsNew")->isEnabled());

    action("helpMenu", "takeTheTour")->trigger();
    EXPECT_EQ(std::pair(h.onboarding.shown.size(), panel.isVisible()), std::pair(std::size_t{0}, false));
    open();
    action("helpMenu", "whatsNew")->trigger();
    open();
    button("settings")->click();
    QCoreApplication::processEvents();
    using Kind = test::FakeOnboardingPresenter::Shown::Kind;
    EXPECT_EQ(h.shownKinds(), (std::vector{Kind::tour, Kind::whatsNew}));
    EXPECT_EQ(h.settingsWindow.shownFor, std::vector<AppModel *>{&model});

    open();
    QTimer::singleShot(0, [this] { button("quit")->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << "quit ends the event loop";
}

// The host's own menu: the panel first, then the panel's commands in its words and
// states, handed over only when they change.
TEST_F(StatusItemTest, HostMenuOffersThePanelsCommandsAndChangesOnlyWithThem)
{
    h.advance(90s);
    EXPECT_EQ(backend->menuUpdates, 1) << "a focus tick changed nothing in the menu";
    EXPECT_EQ(backend->menu.front().text, "Open Tavelo");
    backend->choose("Open Tavelo");
    EXPECT_TRUE(panel.isVisible());
    panel.close();

    backend->choose("Pause 5 min");
    h.advance(1s);
    EXPECT_EQ(backend->entry("Pause Timer"), nullptr);
    backend->choose("Resume Timer (04:59)");
    EXPECT_FALSE(engine.isPaused());
    h.advance(1s);
    // Chosen from a menu shown before the timer was paused elsewhere: it stays paused.
    const int pauseIndefinitely = backend->entry("Pause Indefinitely")->id;
    model.togglePause();
    backend->onMenuEntryChosen(pauseIndefinitely);
    EXPECT_TRUE(engine.isPaused());
    model.togglePause();

    backend->choose("Start Long Break");
    h.advance(1s);
    EXPECT_FALSE(backend->entry("Start Long Break")->enabled);
    backend->choose("Skip Current Break");
    EXPECT_EQ(engine.phase(), TimerPhase::focus);

    // What's New depends on a version nothing announces; the host's look at the menu asks.
    h.onboardingStore.setLastSeenVersion("0.2.0");
    backend->onMenuAboutToShow();
    const bool whatsNew = backend->entry("What's New")->enabled;
    h.onboardingStore.setLastSeenVersion("0.1.0");
    backend->onMenuAboutToShow();
    EXPECT_NE(backend->entry("What's New")->enabled, whatsNew);
}

// On a 1280×1024 screen whose free area depends on where the panel is.
TEST(PopupPlacement, OpensAwayFromThePanelOrThePointerAndStaysInsideTheFreeArea)
{
    constexpr int kGap = PopupPlacement::kGap;
    const QSize p(260, 400);
    const QRect bottomFree(0, 0, 1280, 1000);
    const std::tuple<const char *, QSize, QRect, QRect, QPoint> cases[] = {
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
    for (const auto &[what, popup, anchor, available, corner] : cases)
        EXPECT_EQ(PopupPlacement::position(popup, anchor, available), corner) << what;
}

} // namespace

// The arrows walk the shown controls both ways, Enter and the access key alone act, and
// every shown control has a key of its own while its text reads as before.
TEST_F(StatusItemTest, PanelWorksFromTheKeyboard)
{
    open();
    const auto key = [this](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &panel, k);
    };
    button("pause")->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), button("startMicrobreak")) << "past the hidden resume button";
    key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), button("pause"));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(engine.activeBreak(), BreakType::long_);

    h.loop.runPending();
    std::set<QKeySequence> keys;
    for (const char *name : {"pause", "startMicrobreak", "startLongBreak", "skip", "postpone", "resetFocus",
                             "statistics", "settings", "checkForUpdates", "help", "quit"}) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button(name)->text());
        EXPECT_FALSE(mnemonic.isEmpty()) << name;
        EXPECT_TRUE(keys.insert(mnemonic).second) << name << " shares its key";
    }
    EXPECT_EQ(Mnemonics::strip(button("skip")->text()), "Skip Current Break");

    const QString text = button("skip")->text();
    const QChar letter = text[text.indexOf('&') + 1];
    QTest::keyClicks(&panel, QString(letter.toLower()));
    EXPECT_EQ(engine.phase(), TimerPhase::focus) << "the break was skipped";
}
