#pragma once

#include <chrono>

#include <QTimer>

#include "platform/linux/DBusDoNotDisturb.h"

namespace tavelo {

// mako's switch is a mode named "do-not-disturb" (the one its documentation configures to
// hide notifications). mako announces no mode changes, so while it is the notification
// server its modes are asked for again every `pollInterval`; with any other server
// nothing is polled.
class MakoModeDoNotDisturb final : public DBusDoNotDisturb {
    Q_OBJECT

public:
    explicit MakoModeDoNotDisturb(QDBusConnection connection = QDBusConnection::sessionBus(),
                                  std::chrono::milliseconds pollInterval = std::chrono::seconds(15));

protected:
    void readAll() override;

private:
    // Remembers whether mako answered, which starts or stops the polling.
    bool interpret(const QDBusMessage &reply);

    QTimer m_poll;
};

} // namespace tavelo
