#include "app/ui/StatisticsWindowController.h"

#include <QCoreApplication>

namespace tavelo {

StatisticsWindowController::StatisticsWindowController(StatisticsView::EventSource events, const Clock &clock,
                                                       UtcOffsetFunction utcOffset)
    : m_events(std::move(events)), m_clock(clock), m_utcOffset(std::move(utcOffset))
{
}

StatisticsWindowController::~StatisticsWindowController() = default;

void StatisticsWindowController::show()
{
    if (!m_window) {
        m_window = std::make_unique<StatisticsView>(m_events, m_clock, LocalCalendar(m_utcOffset));
        m_window->setObjectName(QStringLiteral("statistics"));
        m_window->setWindowTitle(QCoreApplication::translate("StatisticsWindowController", "Tavelo Statistics"));
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        m_window->resize(m_window->sizeHint().expandedTo(QSize(520, 400)));
    }
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    if (m_window->isVisible())
        m_window->refresh();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace tavelo
