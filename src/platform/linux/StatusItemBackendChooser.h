#pragma once

#include <functional>
#include <memory>

#include <QDBusConnection>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/StatusItemBackend.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/StatusNotifierHostProbe.h"

namespace tavelo {

// The status item through whichever back-end the desktop can show: our own
// StatusNotifierItem while a watcher with a host is on the session bus and takes the
// item, else a QSystemTrayIcon for XEmbed trays. Decided at start and again whenever a
// watcher or host comes or goes; the new back-end is handed everything the old one had.
class StatusItemBackendChooser final : public QObject, public StatusItemBackend {
public:
    enum class Kind { undecided, statusNotifier, trayIcon };

    // The back-ends wait and retry on `loop`, or on Qt's event loop when none is given.
    explicit StatusItemBackendChooser(QDBusConnection connection = QDBusConnection::sessionBus(),
                                      MainLoop *loop = nullptr, QObject *parent = nullptr);
    ~StatusItemBackendChooser() override;

    void setIcon(const std::vector<QImage> &images) override;
    std::vector<int> iconSizes() const override;
    void setToolTip(const QString &text) override;
    void setLabel(const QString &text) override;
    void show() override;
    QRect iconGeometry() const override;
    bool showsLabel() const override;
    void setMenu(const std::vector<MenuEntry> &entries) override;

    Kind kind() const { return m_kind; }
    StatusItemBackend *current() { return m_backend.get(); }

    // Whether an XEmbed tray is there, for the tray icon; replaceable so that a test can
    // play a desktop without one.
    std::function<bool()> isTrayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;

private:
    void choose(Kind kind);

    QDBusConnection m_connection;
    QtMainLoop m_qtLoop{this};
    MainLoop &m_loop;
    StatusNotifierHostProbe m_probe;
    QTimer m_decisionTimeout;
    Kind m_kind = Kind::undecided;
    std::unique_ptr<StatusItemBackend> m_backend;

    std::vector<QImage> m_images;
    QString m_toolTip;
    QString m_label;
    std::vector<MenuEntry> m_menu;
    bool m_shown = false;
    bool m_hostSeen = false;
    // Tasks on `m_loop` check it, so that none runs for a chooser that is gone.
    std::shared_ptr<int> m_alive = std::make_shared<int>();
};

} // namespace tavelo
