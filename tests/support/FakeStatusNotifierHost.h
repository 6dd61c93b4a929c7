#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariant>

#include "platform/linux/StatusNotifierItem.h"

namespace tavelo::test {

// The panel's side of a status item: reads its properties, calls its methods and
// records its signals over a connection of its own, as a host would. Calls wait on
// the event loop, so an item in this thread can answer them.
class FakeStatusNotifierHost final : public QObject {
    Q_OBJECT
public:
    FakeStatusNotifierHost();
    ~FakeStatusNotifierHost() override;

    // Records every signal the item at `service` sends from then on.
    void listenTo(const QString &service);
    QDBusMessage call(const QString &service, const QString &method, const QVariantList &arguments,
                      const QString &interface = StatusNotifierItem::kInterface);
    // Also a round trip: every signal the item sent before is recorded after this.
    QVariant property(const QString &service, const QString &name);

    // Each as its name and arguments: "XAyatanaNewLabel 24:59 00:00".
    QStringList received;

public Q_SLOTS:
    void record(const QDBusMessage &m)
    {
        received << (QStringList{m.member()} + QVariant(m.arguments()).toStringList()).join(' ');
    }

private:
    QDBusConnection m_connection;
};

} // namespace tavelo::test
