#include "app/ui/StatusHostMenu.h"

#include <iterator>

#include <QCoreApplication>

#include "app/AppModel.h"
#include "app/ui/StatusMenuPresentation.h"
#include "app/ui/StatusSnapshot.h"

namespace tavelo {

namespace {

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

// The timed pauses' ids, in the presentation's order.
constexpr int kTimedPauseIds[] = {pause5Id, pause15Id, pause30Id, pause60Id};
static_assert(std::size(kTimedPauseIds) == std::size(StatusMenuPresentation::timedPauses));

// The panel's own words for its commands, marked here too so that a change to the panel's
// wording (a mnemonic) cannot leave the menu untranslated.
QString panelText(const char *text)
{
    return QCoreApplication::translate("tavelo::StatusMenuView", text);
}

using MenuEntry = StatusItemBackend::MenuEntry;

} // namespace

StatusHostMenu::StatusHostMenu(AppModel &model, std::function<void()> openPanel)
    : m_model(model), m_openPanel(std::move(openPanel))
{
}

std::vector<StatusItemBackend::MenuEntry> StatusHostMenu::entries() const
{
    const StatusMenuPresentation p(StatusSnapshot::of(m_model.engine()));
    int separatorId = firstSeparatorId;
    const auto separator = [&separatorId] { return MenuEntry{separatorId++, {}, true, {}}; };

    std::vector<MenuEntry> menu{
        {openPanelId, QCoreApplication::translate("tavelo::StatusItem", "Open Tavelo"), true, {}}, separator()};
    if (p.showsResumeButton()) {
        menu.push_back({resumeId, p.resumeLabel(), true, {}});
    } else {
        MenuEntry pause{pauseId, panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause Timer")), true, {}};
        for (std::size_t i = 0; i < std::size(kTimedPauseIds); ++i)
            pause.children.push_back(
                {kTimedPauseIds[i], panelText(StatusMenuPresentation::timedPauses[i].text), true, {}});
        pause.children.push_back(separator());
        pause.children.push_back({pauseIndefinitelyId,
                                  panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Pause Indefinitely")),
                                  true,
                                  {}});
        menu.push_back(std::move(pause));
    }
    menu.push_back({startMicroId,
                    panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Start Microbreak")),
                    p.startMicrobreakEnabled(),
                    {}});
    menu.push_back({startLongId,
                    panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Start Long Break")),
                    p.startLongBreakEnabled(),
                    {}});
    menu.push_back({skipId, p.skipTitle(), true, {}});
    menu.push_back({postponeId, p.postponeTitle(), true, {}});
    menu.push_back(
        {resetFocusId, panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Reset Focus Timer")), true, {}});
    menu.push_back(separator());
    menu.push_back({settingsId, panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Settings…")), true, {}});
    menu.push_back({checkForUpdatesId,
                    panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Check for Updates…")),
                    m_model.updateChecksAvailable(),
                    {}});
    menu.push_back({helpId,
                    panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Help")),
                    true,
                    {{tourId, panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Take the Tour…")), true, {}},
                     {whatsNewId,
                      panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "What's New")),
                      m_model.canShowWhatsNew(),
                      {}}}});
    menu.push_back(separator());
    menu.push_back({quitId, panelText(QT_TRANSLATE_NOOP("tavelo::StatusMenuView", "Quit")), true, {}});
    return menu;
}

void StatusHostMenu::choose(int id)
{
    for (std::size_t i = 0; i < std::size(kTimedPauseIds); ++i) {
        if (kTimedPauseIds[i] == id) {
            m_model.pauseFor(StatusMenuPresentation::timedPauses[i].seconds);
            return;
        }
    }
    switch (id) {
    case openPanelId:
        m_openPanel();
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
