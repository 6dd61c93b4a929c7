#include "app/ui/StatusItem.h"

#include <chrono>

#include <QCoreApplication>
#include <QCursor>

#include "app/AppModel.h"
#include "app/ui/PopupPlacement.h"
#include "app/ui/StatusMenuPresentation.h"
#include "app/ui/StatusMenuView.h"
#include "core/TimeMath.h"
#include "platform/StatusItemBackend.h"

namespace tavelo {

namespace {

// A click on the icon while the panel is open closes the panel first (it is a popup);
// the same click must not open it again.
constexpr std::chrono::milliseconds kReopenGuard{300};

// The countdown is whole seconds measured at each tick, so now + countdown wobbles by up
// to a second around the true moment; a shift beyond that is a change of plan.
constexpr std::int64_t kDueToleranceNanos = 2'000'000'000;

QRect panelAnchor(const std::optional<QPoint> &click, const StatusItemBackend &backend)
{
    return PopupPlacement::anchor(click, backend.iconGeometry(), QCursor::pos(), PopupPlacement::currentScreens());
}

using MenuEntry = StatusItemBackend::MenuEntry;

enum MenuId : int {
    openPanelId = 1,
    pauseId,
    pause5Id,
    pause15Id,
    pause30Id,
    pause60Id,
    pauseIndefinitelyId,
    resumeId,
    startMicroId,
    startLongId,
    skipId,
    postponeId,
    resetFocusId,
    settingsId,
    checkForUpdatesId,
    helpId,
    tourId,
    whatsNewId,
    quitId,
    firstSeparatorId = 100,
};

struct TimedPause {
    int id;
    const char *text;
    std::int64_t seconds;
};
constexpr TimedPause kPauses[] = {{pause5Id, QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 5 min"), 300},
                                  {pause15Id, QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 15 min"), 900},
                                  {pause30Id, QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 30 min"), 1800},
                                  {pause60Id, QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause 1 hr"), 3600}};

// The panel's own words for its commands.
QString panelText(const char *text)
{
    return QCoreApplication::translate("tavelo::StatusMenuView", text);
}

std::vector<MenuEntry> menuFor(const AppModel &model, const QString &openPanelText)
{
    const StatusMenuPresentation p(StatusSnapshot::of(model.engine()));
    int separatorId = firstSeparatorId;
    const auto separator = [&separatorId] { return MenuEntry{separatorId++, {}, true, {}}; };

    std::vector<MenuEntry> menu{{openPanelId, openPanelText, true, {}}, separator()};
    if (p.showsResumeButton()) {
        menu.push_back({resumeId, p.resumeLabel(), true, {}});
    } else {
        MenuEntry pause{pauseId, panelText("Pause Timer"), true, {}};
        for (const TimedPause &timed : kPauses)
            pause.children.push_back({timed.id, panelText(timed.text), true, {}});
        pause.children.push_back(separator());
        pause.children.push_back({pauseIndefinitelyId, panelText("Pause Indefinitely"), true, {}});
        menu.push_back(std::move(pause));
    }
    menu.push_back({startMicroId, panelText("Start Microbreak"), p.startMicrobreakEnabled(), {}});
    menu.push_back({startLongId, panelText("Start Long Break"), p.startLongBreakEnabled(), {}});
    menu.push_back({skipId, p.skipTitle(), true, {}});
    menu.push_back({postponeId, p.postponeTitle(), true, {}});
    menu.push_back({resetFocusId, panelText("Reset Focus Timer"), true, {}});
    menu.push_back(separator());
    menu.push_back({settingsId, panelText("Settings…"), true, {}});
    menu.push_back({checkForUpdatesId, panelText("Check for Updates…"), model.updateChecksAvailable(), {}});
    menu.push_back({helpId,
                    panelText("Help"),
                    true,
                    {{tourId, panelText("Take the Tour…"), true, {}},
                     {whatsNewId, panelText("What's New"), model.canShowWhatsNew(), {}}}});
    menu.push_back(separator());
    menu.push_back({quitId, panelText("Quit"), true, {}});
    return menu;
}

} // namespace

StatusItem::StatusItem(AppModel &model, std::unique_ptr<StatusItemBackend> backend, QObject *parent)
    : QObject(parent), m_model(model), m_backend(std::move(backend)), m_panel(std::make_unique<StatusMenuView>(model))
{
    m_backend->onActivate = [this](const QPoint &pointer) { activated(pointer); };
    m_backend->onShown = [this] {
        if (m_hasBeenShown)
            return;
        m_hasBeenShown = true;
        Q_EMIT shown();
    };
    m_engineChanged = m_model.engine().changed.connect([this] { m_update.request(); });
    m_modelChanged = m_model.changed.connect([this] { m_update.request(); });
    m_backend->onHostChanged = [this] { m_update.request(); };
    m_backend->onMenuEntryChosen = [this](int id) { menuEntryChosen(id); };
    // Nothing announces what What's New depends on, so the host's look is the moment to ask.
    m_backend->onMenuAboutToShow = [this] { updateMenu(); };
    update();
    updateMenu();
}

StatusItem::~StatusItem() = default;

void StatusItem::show()
{
    m_backend->show();
}

void StatusItem::openPanel()
{
    m_panel->popupAt(QCursor::pos(), panelAnchor(std::nullopt, *m_backend));
}

void StatusItem::activated(const QPoint &pointer)
{
    if (m_panel->isVisible()) {
        m_panel->close();
        return;
    }
    if (m_panel->closedWithin(kReopenGuard))
        return;
    m_panel->popupAt(pointer, panelAnchor(pointer, *m_backend));
}

void StatusItem::update()
{
    const StatusSnapshot snapshot = StatusSnapshot::of(m_model.engine());
    const bool labelShown = m_backend->showsLabel();
    const StatusIconKey key = StatusIconRenderer::keyFor(snapshot, !labelShown);
    if (m_iconKey != key) {
        m_iconKey = key;
        m_backend->setIcon(StatusIconRenderer::images(key));
    }
    const StatusMenuPresentation presentation(snapshot);
    const QString label = labelShown ? presentation.menuTitle() : QString();
    if (label != m_title) {
        m_title = label;
        m_backend->setLabel(label);
    }
    const QString toolTip = presentation.toolTip(toolTipDue(presentation), BreakOverlayPresentation::localShortTime);
    if (toolTip != m_toolTip) {
        m_toolTip = toolTip;
        m_backend->setToolTip(toolTip);
    }
}

TimePoint StatusItem::toolTipDue(const StatusMenuPresentation &presentation)
{
    const std::optional<std::int64_t> ahead = presentation.toolTipSecondsAhead();
    if (!ahead) {
        m_toolTipDue.reset();
        return {};
    }
    const TimePoint due = timemath::addSeconds(m_model.clock().now(), *ahead);
    const std::int64_t shift = m_toolTipDue ? timemath::nanosBetween(due, *m_toolTipDue) : 0;
    if (!m_toolTipDue || shift > kDueToleranceNanos || shift < -kDueToleranceNanos)
        m_toolTipDue = due;
    return *m_toolTipDue;
}

} // namespace tavelo

namespace tavelo {

void StatusItem::updateMenu()
{
    std::vector<MenuEntry> menu = menuFor(m_model, tr("Open Tavelo"));
    if (menu == m_menu)
        return;
    m_menu = std::move(menu);
    m_backend->setMenu(m_menu);
}

void StatusItem::menuEntryChosen(int id)
{
    for (const TimedPause &timed : kPauses) {
        if (timed.id == id) {
            m_model.pauseFor(timed.seconds);
            return;
        }
    }
    switch (id) {
    case openPanelId:
        openPanel();
        break;
    case pauseIndefinitelyId:
    case resumeId:
        // The host may show a menu from before the timer was paused or resumed elsewhere.
        if (m_model.engine().isPaused() == (id == resumeId))
            m_model.togglePause();
        break;
    case startMicroId:
        m_model.startBreakNow(BreakType::micro);
        break;
    case startLongId:
        m_model.startBreakNow(BreakType::long_);
        break;
    case skipId:
        m_model.skipBreak();
        break;
    case postponeId:
        m_model.postponeBreak();
        break;
    case resetFocusId:
        m_model.resetFocus();
        break;
    case settingsId:
        m_model.openSettings();
        break;
    case checkForUpdatesId:
        m_model.checkForUpdates();
        break;
    case tourId:
        m_model.openTour();
        break;
    case whatsNewId:
        m_model.openWhatsNew();
        break;
    case quitId:
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}

} // namespace tavelo
