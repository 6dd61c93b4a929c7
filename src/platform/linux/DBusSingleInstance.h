#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include "platform/SingleInstance.h"

namespace tavelo {

// Owns the well-known name com.tavelo.app on the session bus and answers
// org.freedesktop.Application.Activate; a second launch calls that and exits.
class DBusSingleInstance final : public QObject, public SingleInstance {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static constexpr const char *kServiceName = "com.tavelo.app";
    static constexpr const char *kObjectPath = "/com/tavelo/app";

    explicit DBusSingleInstance(QDBusConnection connection = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    Claim claim(std::function<void()> onActivate) override;

public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);

private:
    QDBusConnection m_connection;
    std::function<void()> m_onActivate;
};

} // namespace tavelo
