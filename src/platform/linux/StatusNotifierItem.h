#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QPoint>

#include "platform/linux/BackoffTimer.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/StatusNotifierDBusTypes.h"

class QDBusServiceWatcher;

namespace tavelo {

class DBusMenu;
class StatusNotifierItemAdaptor;

// Our status item spoken over the StatusNotifierItem protocol (org.kde.StatusNotifierItem
// at /StatusNotifierItem, registered with org.kde.StatusNotifierWatcher), with the Ayatana
// text label beside the icon. Every bus call is asynchronous. Setters may be called on
// every tick: a change signal goes out only when the value really changed.
class StatusNotifierItem final : public QObject {
    Q_OBJECT
public:
    enum class Status { passive, active, needsAttention };

    static constexpr const char *kObjectPath = "/StatusNotifierItem";
    static constexpr const char *kInterface = "org.kde.StatusNotifierItem";
    static constexpr const char *kWatcherService = "org.kde.StatusNotifierWatcher";
    static constexpr const char *kWatcherPath = "/StatusNotifierWatcher";
    static constexpr const char *kId = "com.tavelo.app";
    static constexpr const char *kTitle = "Tavelo";
    // The menu beside the item; some hosts (GNOME's) show no item without one.
    static constexpr const char *kMenuPath = "/MenuBar";

    // Retries wait on `loop`, or on Qt's event loop when none is given.
    explicit StatusNotifierItem(QDBusConnection connection = QDBusConnection::sessionBus(), MainLoop *loop = nullptr,
                                QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    // Exports the item, claims its bus name and registers with the watcher, now and
    // whenever a watcher (re)appears. A registration counts once the watcher lists the
    // item; until then it is retried a few times, ever later. `hide` withdraws it.
    void show();
    void hide();
    bool isVisible() const { return m_visible; }
    // The watcher has accepted the registration.
    bool isRegistered() const { return m_registered; }
    // The bus name the item is registered under ("org.kde.StatusNotifierItem-<pid>-tavelo<n>").
    std::string serviceName() const { return m_serviceName.toStdString(); }
    // The unique bus name of the watcher that accepted the item; empty while none has.
    const QString &registeredWith() const { return m_registeredWith; }
    DBusMenu &menu() { return *m_menu; }

    // One image per size; the host picks the best fit.
    void setIcon(const std::vector<QImage> &images);
    void setIcon(const QImage &image) { setIcon(std::vector<QImage>{image}); }
    void setToolTip(std::string_view title, std::string_view text);
    // The text beside the icon, UTF-8; empty shows none.
    void setLabel(std::string_view label);
    void setStatus(Status status);

    // What the host needs to reserve room for `label`: each digit becomes 0, so a
    // countdown keeps one width while its digits change.
    static std::string labelGuide(std::string_view label);

    // Activate, SecondaryActivate and ContextMenu, with the point the host gave (screen
    // coordinates; some hosts send 0,0 when they have none).
    std::function<void(QPoint)> onActivate;
    // The watcher accepted the item (true) or went away (false).
    std::function<void(bool)> onRegisteredChanged;
    // A watcher accepted the item, the first or another one.
    std::function<void()> onAccepted;
    // The watcher there now did not take the item, however often asked.
    std::function<void()> onRegistrationFailed;

    // The exported values, read by the adaptor.
    const StatusNotifierPixmaps &iconPixmaps() const { return m_icon; }
    const StatusNotifierToolTip &toolTip() const { return m_toolTip; }
    const QString &label() const { return m_label; }
    const QString &guide() const { return m_guide; }
    QString statusText() const;
    void activate(QPoint point);

private Q_SLOTS:
    void itemUnregistered(const QString &item);

private:
    void requestName();
    void registerWithWatcher();
    void verifyRegistration(unsigned generation);
    void registrationTook();
    void registrationFailed();
    bool listsUs(const QStringList &items) const;
    void setRegistered(bool registered);
    void watcherOwnerChanged(const QString &newOwner);

    QDBusConnection m_connection;
    QtMainLoop m_qtLoop{this};
    BackoffTimer m_retry;
    StatusNotifierItemAdaptor *m_adaptor;
    DBusMenu *m_menu;
    QDBusServiceWatcher *m_watcherWatcher;
    QString m_wellKnownName;
    QString m_serviceName;
    bool m_visible = false;
    bool m_exported = false;
    bool m_registered = false;
    bool m_registering = false;
    // Unique names: the watcher now on the bus, and the one that accepted us.
    QString m_watcherOwner;
    QString m_registeredWith;
    // Bumped by show and hide so that answers to an earlier request are ignored.
    unsigned m_generation = 0;

    StatusNotifierPixmaps m_icon;
    StatusNotifierToolTip m_toolTip;
    QString m_label;
    QString m_guide;
    Status m_status = Status::active;
};

} // namespace tavelo
