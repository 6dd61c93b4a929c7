#include "platform/linux/StatusNotifierItemAdaptor.h"

#include "platform/linux/StatusNotifierItem.h"

namespace tavelo {

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem *item)
    : QDBusAbstractAdaptor(item), m_item(item)
{
}

QString StatusNotifierItemAdaptor::id() const
{
    return QString::fromLatin1(StatusNotifierItem::kId);
}

QString StatusNotifierItemAdaptor::title() const
{
    return QString::fromLatin1(StatusNotifierItem::kTitle);
}

QString StatusNotifierItemAdaptor::status() const
{
    return m_item->statusText();
}

StatusNotifierPixmaps StatusNotifierItemAdaptor::iconPixmap() const
{
    return m_item->iconPixmaps();
}

StatusNotifierToolTip StatusNotifierItemAdaptor::toolTip() const
{
    return m_item->toolTip();
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const
{
    return QDBusObjectPath(QString::fromLatin1(StatusNotifierItem::kMenuPath));
}

QString StatusNotifierItemAdaptor::label() const
{
    return m_item->label();
}

QString StatusNotifierItemAdaptor::labelGuide() const
{
    return m_item->guide();
}

void StatusNotifierItemAdaptor::Activate(int x, int y)
{
    m_item->activate(QPoint(x, y));
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y)
{
    m_item->activate(QPoint(x, y));
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    m_item->activate(QPoint(x, y));
}

void StatusNotifierItemAdaptor::Scroll(int delta, const QString &orientation)
{
    // Scrolling over the item has no meaning here.
    Q_UNUSED(delta);
    Q_UNUSED(orientation);
}

} // namespace tavelo
