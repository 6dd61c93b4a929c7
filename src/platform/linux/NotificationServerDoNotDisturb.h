#pragma once

#include <QStringList>
#include <QVariantMap>

#include "platform/linux/DBusDoNotDisturb.h"

namespace tavelo {

// The notification server's own switch: the `Inhibited` property servers such as KDE's
// publish, or dunst's `paused`. Both come with PropertiesChanged.
class NotificationServerDoNotDisturb final : public DBusDoNotDisturb {
    Q_OBJECT

public:
    explicit NotificationServerDoNotDisturb(QDBusConnection connection = QDBusConnection::sessionBus());

protected:
    void readAll() override;

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    void readProperty(const QString &interface, const QString &property);
};

} // namespace tavelo
