#pragma once

#include <functional>
#include <map>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include "platform/DoNotDisturb.h"

class QDBusServiceWatcher;

namespace tavelo {

// Switches one service on the bus keeps, read without ever waiting: each is off until its
// answer comes, and off again when the service goes. A process that takes the service
// over is asked afresh. Requests never start a service that is not running.
class DBusDoNotDisturb : public QObject, public DoNotDisturb {
    Q_OBJECT

public:
    bool isOn() const override;
    void setChangeHandler(std::function<void()> onChange) override;

protected:
    DBusDoNotDisturb(QDBusConnection connection, QString service);

    // Asks for every switch; subclasses call `start()` once they listen for changes.
    virtual void readAll() = 0;
    void start();
    // What an answer says of a switch; an error reply is passed too.
    using Interpreter = std::function<bool(const QDBusMessage &reply)>;
    // The answer to `request` becomes switch `key`: by default a boolean property's value,
    // where an error makes it off.
    void read(const QString &key, QDBusMessage request, Interpreter interpret = isTrueReply);
    // From a change the service announced: newer than any answer still on its way.
    void set(const QString &key, bool on);
    QDBusConnection &connection() { return m_connection; }
    const QString &service() const { return m_service; }

    // Only a boolean true counts, bare or in a variant.
    static bool isTrue(const QVariant &value);
    static bool isTrueReply(const QDBusMessage &reply);

private:
    struct Switch {
        bool on = false;
        // Bumped by every request and change, so that only the latest counts.
        unsigned serial = 0;
    };

    void apply(Switch &entry, bool on);

    QDBusConnection m_connection;
    QString m_service;
    QDBusServiceWatcher *m_serviceWatcher;
    std::map<QString, Switch> m_switches;
    std::function<void()> m_onChange;
};

} // namespace tavelo
