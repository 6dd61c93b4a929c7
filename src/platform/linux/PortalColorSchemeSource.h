#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include "platform/ColorSchemeSource.h"

class QDBusServiceWatcher;

namespace tavelo {

// The freedesktop appearance `color-scheme` from the desktop portal's settings: asked when
// made and whenever a portal takes the name (never starting one), then followed through
// SettingChanged. Portals older than ReadOne are asked with Read.
class PortalColorSchemeSource final : public QObject, public ColorSchemeSource {
    Q_OBJECT

public:
    explicit PortalColorSchemeSource(QDBusConnection connection = QDBusConnection::sessionBus());

    ColorScheme scheme() const override { return m_scheme; }
    void setChangeHandler(std::function<void()> onChange) override { m_onChange = std::move(onChange); }

    // The scheme a `color-scheme` value stands for, however deeply wrapped in variants.
    static ColorScheme fromValue(const QVariant &value);

private Q_SLOTS:
    void settingChanged(const QDBusMessage &message);

private:
    void read(const QString &method);
    void apply(ColorScheme scheme);

    QDBusConnection m_connection;
    QDBusServiceWatcher *m_watcher;
    ColorScheme m_scheme = ColorScheme::noPreference;
    // Bumped by every request and change, so that an answer older than a change is dropped.
    unsigned m_serial = 0;
    std::function<void()> m_onChange;
};

} // namespace tavelo
