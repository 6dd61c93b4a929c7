#pragma once

#include <QDBusVariant>

#include "platform/linux/DBusDoNotDisturb.h"

namespace tavelo {

// Xfce's switch: `/do-not-disturb` in xfconf's `xfce4-notifyd` channel.
class XfconfDoNotDisturb final : public DBusDoNotDisturb {
    Q_OBJECT

public:
    explicit XfconfDoNotDisturb(QDBusConnection connection = QDBusConnection::sessionBus());

protected:
    void readAll() override;

private Q_SLOTS:
    void propertyChanged(const QString &channel, const QString &property, const QDBusVariant &value);
    void propertyRemoved(const QString &channel, const QString &property);
};

} // namespace tavelo
