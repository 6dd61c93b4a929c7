#include "support/FakeStatusNotifierHost.h"

#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTest>

#include <gtest/gtest.h>

namespace tavelo::test {

namespace {
constexpr int kWaitMs = 5000;
const QString kConnectionName = QStringLiteral("fake-sni-host");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

FakeStatusNotifierHost::FakeStatusNotifierHost()
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName))
{
}

FakeStatusNotifierHost::~FakeStatusNotifierHost()
{
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(kConnectionName);
}

void FakeStatusNotifierHost::listenTo(const QString &service)
{
    // Anything else the item might send, such as PropertiesChanged, counts as traffic.
    for (const QString &interface : {QString::fromLatin1(StatusNotifierItem::kInterface), kProperties})
        m_connection.connect(service, StatusNotifierItem::kObjectPath, interface, QString(), this,
                             SLOT(record(QDBusMessage)));
}

QDBusMessage FakeStatusNotifierHost::call(const QString &service, const QString &method, const QVariantList &arguments,
                                          const QString &interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, StatusNotifierItem::kObjectPath, interface, method);
    message.setArguments(arguments);
    QDBusPendingCallWatcher watcher(m_connection.asyncCall(message, kWaitMs));
    // Waiting for the watcher's own notice (not the call's state) keeps order with the
    // signals delivered before the reply.
    bool finished = false;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, [&finished] { finished = true; });
    EXPECT_TRUE(QTest::qWaitFor([&finished] { return finished; }, kWaitMs + 1000)) << method.toStdString();
    return watcher.reply();
}

QVariant FakeStatusNotifierHost::property(const QString &service, const QString &name)
{
    const QDBusMessage reply =
        call(service, QStringLiteral("Get"), {QString::fromLatin1(StatusNotifierItem::kInterface), name}, kProperties);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << name.toStdString() << reply.errorMessage().toStdString();
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

} // namespace tavelo::test
