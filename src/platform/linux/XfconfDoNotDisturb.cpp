#include "platform/linux/XfconfDoNotDisturb.h"

namespace tavelo {

namespace {

const QString kService = QStringLiteral("org.xfce.Xfconf");
const QString kPath = QStringLiteral("/org/xfce/Xfconf");
const QString kChannel = QStringLiteral("xfce4-notifyd");
const QString kProperty = QStringLiteral("/do-not-disturb");

} // namespace

XfconfDoNotDisturb::XfconfDoNotDisturb(QDBusConnection connection) : DBusDoNotDisturb(std::move(connection), kService)
{
    this->connection().connect(kService, kPath, kService, QStringLiteral("PropertyChanged"), this,
                               SLOT(propertyChanged(QString, QString, QDBusVariant)));
    this->connection().connect(kService, kPath, kService, QStringLiteral("PropertyRemoved"), this,
                               SLOT(propertyRemoved(QString, QString)));
    start();
}

void XfconfDoNotDisturb::readAll()
{
    QDBusMessage request = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetProperty"));
    request << kChannel << kProperty;
    read(kProperty, std::move(request));
}

void XfconfDoNotDisturb::propertyChanged(const QString &channel, const QString &property, const QDBusVariant &value)
{
    if (channel == kChannel && property == kProperty)
        set(kProperty, isTrue(value.variant()));
}

void XfconfDoNotDisturb::propertyRemoved(const QString &channel, const QString &property)
{
    if (channel == kChannel && property == kProperty)
        set(kProperty, false);
}

} // namespace tavelo
