#include "platform/linux/NotificationServerDoNotDisturb.h"

namespace tavelo {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

struct Property {
    QString interface;
    QString name;
};

const Property kProperties[] = {
    {kService, QStringLiteral("Inhibited")},
    {QStringLiteral("org.dunstproject.cmd0"), QStringLiteral("paused")},
};

QString keyOf(const Property &property)
{
    return property.interface + '.' + property.name;
}

} // namespace

NotificationServerDoNotDisturb::NotificationServerDoNotDisturb(QDBusConnection connection)
    : DBusDoNotDisturb(std::move(connection), kService)
{
    this->connection().connect(kService, kPath, kPropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                               SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    start();
}

void NotificationServerDoNotDisturb::readAll()
{
    for (const Property &property : kProperties)
        readProperty(property.interface, property.name);
}

void NotificationServerDoNotDisturb::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                                       const QStringList &invalidated)
{
    for (const Property &property : kProperties) {
        if (property.interface != interface)
            continue;
        if (const auto value = changed.find(property.name); value != changed.end())
            set(keyOf(property), isTrue(*value));
        else if (invalidated.contains(property.name))
            readProperty(property.interface, property.name);
    }
}

void NotificationServerDoNotDisturb::readProperty(const QString &interface, const QString &property)
{
    QDBusMessage request = QDBusMessage::createMethodCall(kService, kPath, kPropertiesInterface, QStringLiteral("Get"));
    request << interface << property;
    read(keyOf({interface, property}), std::move(request));
}

} // namespace tavelo
