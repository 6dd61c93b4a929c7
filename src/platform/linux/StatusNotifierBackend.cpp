#include "platform/linux/StatusNotifierBackend.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace tavelo {

StatusNotifierBackend::StatusNotifierBackend(QDBusConnection connection, MainLoop *loop)
    : m_item(std::move(connection), loop)
{
    m_item.onActivate = [this](QPoint point) {
        if (onActivate)
            onActivate(logicalPoint(point));
    };
    m_item.onRegisteredChanged = [this](bool registered) {
        if (registered && onShown)
            onShown();
    };
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
