#include "platform/linux/StatusNotifierBackend.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "platform/linux/DBusMenu.h"

namespace tavelo {

StatusNotifierBackend::StatusNotifierBackend(QDBusConnection connection, MainLoop *loop)
    : m_labelHost(connection), m_item(connection, loop)
{
    m_item.onActivate = [this](QPoint point) {
        if (onActivate)
            onActivate(logicalPoint(point));
    };
    m_item.onRegisteredChanged = [this](bool registered) {
        if (registered && onShown)
            onShown();
        if (!registered)
            m_labelHost.check({});
    };
    m_item.onAccepted = [this] { m_labelHost.check(m_item.registeredWith()); };
    m_labelHost.onChanged = [this] {
        if (onHostChanged)
            onHostChanged();
    };
    m_item.menu().onChosen = [this](int id) {
        if (onMenuEntryChosen)
            onMenuEntryChosen(id);
    };
    m_item.menu().onAboutToShow = [this] {
        if (onMenuAboutToShow)
            onMenuAboutToShow();
    };
}

StatusNotifierBackend::~StatusNotifierBackend()
{
    // The item withdraws as it goes; whoever listens may be going too.
    m_labelHost.onChanged = nullptr;
}

void StatusNotifierBackend::setIcon(const std::vector<QImage> &images)
{
    m_item.setIcon(images);
}

void StatusNotifierBackend::setToolTip(const QString &text)
{
    m_item.setToolTip(StatusNotifierItem::kTitle, text.toStdString());
}

void StatusNotifierBackend::setLabel(const QString &text)
{
    m_item.setLabel(text.toStdString());
}

void StatusNotifierBackend::setMenu(const std::vector<MenuEntry> &entries)
{
    m_item.menu().setEntries(entries);
}

void StatusNotifierBackend::show()
{
    m_item.show();
}

QPoint StatusNotifierBackend::logicalPoint(const QPoint &hostPoint)
{
    if (hostPoint.isNull())
        return QCursor::pos();
    // Qt keeps each screen's origin in device pixels and scales what lies beyond it.
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect native(logical.topLeft(), logical.size() * ratio);
        if (native.contains(hostPoint))
            return logical.topLeft() + (hostPoint - logical.topLeft()) / ratio;
    }
    return hostPoint;
}

} // namespace tavelo
