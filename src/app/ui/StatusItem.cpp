#include "app/ui/StatusItem.h"

#include <algorithm>
#include <chrono>

#include <QCursor>
#include <QTimer>

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

} // namespace

StatusItem::StatusItem(AppModel &model, std::unique_ptr<StatusItemBackend> backend, QObject *parent)
    : QObject(parent), m_model(model), m_backend(std::move(backend)), m_update(model.loop(), [this] { refresh(); })
{
    m_backend->onActivate = [this](const QPoint &pointer) { activated(pointer); };
    m_backend->onShown = [this] {
        if (m_hasBeenShown)
            return;
        m_hasBeenShown = true;
        Q_EMIT shown();
        QTimer::singleShot(0, this, [this] { panel(); });
    };
    m_engineChanged = m_model.engine().changed.connect([this] { m_update.request(); });
    // The menu also shows what the model holds; the engine's count alone leaves it be.
    m_modelChanged = m_model.changed.connect([this] {
        m_menuShownFor.reset();
        m_update.request();
    });
    m_backend->onHostChanged = [this] {
        // Another host may show other sizes.
        m_iconKey.reset();
        m_menuShownFor.reset();
        m_update.request();
    };
    m_backend->onMenuEntryChosen = [this](int id) { m_hostMenu.choose(id); };
    // Nothing announces what What's New depends on, so the host's look is the moment to ask.
    m_backend->onMenuAboutToShow = [this] { updateMenu(); };
    refresh();
}

StatusItem::~StatusItem() = default;

void StatusItem::show()
{
    m_backend->show();
}

StatusMenuView &StatusItem::panel()
{
    if (!m_panel) {
        m_panel = std::make_unique<StatusMenuView>(m_model);
        m_panel->setCompositorCheck(m_compositorRunning);
    }
    return *m_panel;
}

void StatusItem::setCompositorCheck(std::function<bool()> compositorRunning)
{
    m_compositorRunning = std::move(compositorRunning);
    if (m_panel)
        m_panel->setCompositorCheck(m_compositorRunning);
}

void StatusItem::openPanel()
{
    panel().popupAt(QCursor::pos(), panelAnchor(std::nullopt, *m_backend));
}

void StatusItem::activated(const QPoint &pointer)
{
    StatusMenuView &view = panel();
    if (view.isVisible()) {
        view.close();
        return;
    }
    if (view.closedWithin(kReopenGuard))
        return;
    view.popupAt(pointer, panelAnchor(pointer, *m_backend));
}

void StatusItem::refresh()
{
    const StatusSnapshot snapshot = StatusSnapshot::of(m_model.engine());
    update(snapshot);
    // The count of the phase appears nowhere in the menu: ticks in between leave it be.
    StatusSnapshot menuInputs = snapshot;
    menuInputs.remainingSeconds = 0;
    if (menuInputs != m_menuShownFor) {
        m_menuShownFor = menuInputs;
        updateMenu();
    }
}

void StatusItem::update(const StatusSnapshot &snapshot)
{
    const bool labelShown = m_backend->showsLabel();
    const StatusIconKey key = StatusIconRenderer::keyFor(snapshot, !labelShown);
    if (m_iconKey != key) {
        m_iconKey = key;
        m_backend->setIcon(StatusIconRenderer::images(key, m_backend->iconSizes()));
    }
    const StatusMenuPresentation presentation(snapshot);
    const QString label = labelShown ? presentation.menuTitle() : QString();
    if (label != m_title) {
        m_title = label;
        m_backend->setLabel(label);
    }
    // Worded only when what it says can have changed: the moment it names or the state.
    const TimePoint due = toolTipDue(presentation);
    StatusSnapshot toolTipInputs = snapshot;
    toolTipInputs.remainingSeconds = 0;
    toolTipInputs.pausedElapsedSeconds = 0;
    toolTipInputs.pauseRemainingSeconds = std::min<std::int64_t>(snapshot.pauseRemainingSeconds, 1);
    if (m_toolTipShownFor == std::pair(toolTipInputs, due))
        return;
    m_toolTipShownFor = std::pair(toolTipInputs, due);
    const QString toolTip = presentation.toolTip(due, BreakOverlayPresentation::localShortTime);
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

void StatusItem::updateMenu()
{
    std::vector<StatusItemBackend::MenuEntry> menu = m_hostMenu.entries();
    if (menu == m_menu)
        return;
    m_menu = std::move(menu);
    m_backend->setMenu(m_menu);
}

} // namespace tavelo
