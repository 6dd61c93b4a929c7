#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QObject>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/StatusNotifierItem.h"

namespace tavelo::test {

// The panel's side of a status item: reads its properties, calls its methods and
// records its signals over a connection of its own, as a host would. Calls wait on
// the event loop, so an item in this thread can answer them.
class FakeStatusNotifierHost final : public QObject {
    Q_OBJECT
public:
    // Records every signal the item at `service` sends from then on; anything else it
    // might send, such as PropertiesChanged, counts as traffic.
    void listenTo(const QString &service)
    {
        for (const char *interface : {StatusNotifierItem::kInterface, kProperties})
            m_bus.connect(service, StatusNotifierItem::kObjectPath, interface, {}, this, SLOT(record(QDBusMessage)));
    }
    QDBusMessage call(const QString &service, const QString &method, const QVariantList &arguments,
                      const QString &interface = StatusNotifierItem::kInterface,
                      const QString &path = StatusNotifierItem::kObjectPath)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        QDBusPendingCallWatcher watcher(m_bus.asyncCall(message, 5000));
        // Waiting for the watcher's own notice (not the call's state) keeps order with the
        // signals delivered before the reply.
        bool finished = false;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, [&finished] { finished = true; });
        EXPECT_TRUE(QTest::qWaitFor([&finished] { return finished; }, 6000)) << method.toStdString();
        return watcher.reply();
    }
    // Also a round trip: every signal the item sent before is recorded after this.
    QVariant property(const QString &service, const QString &name)
    {
        const QDBusMessage reply = call(service, "Get", {StatusNotifierItem::kInterface, name}, kProperties);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << name.toStdString() << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    // Each as its name and arguments: "XAyatanaNewLabel 24:59 00:00".
    QStringList received;

public Q_SLOTS:
    void record(const QDBusMessage &m)
    {
        received << (QStringList{m.member()} + QVariant(m.arguments()).toStringList()).join(' ');
    }

private:
    static constexpr const char *kProperties = "org.freedesktop.DBus.Properties";
    QDBusConnection m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-sni-host");
};

} // namespace tavelo::test
