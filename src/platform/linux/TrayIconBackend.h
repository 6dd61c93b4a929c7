#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/StatusItemBackend.h"

namespace tavelo {

// The status item as a QSystemTrayIcon: an XEmbed tray icon on X11, or whatever the
// Qt platform theme provides. XEmbed trays show no text, so the label is dropped.
class TrayIconBackend final : public QObject, public StatusItemBackend {
public:
    explicit TrayIconBackend(QObject *parent = nullptr);
    ~TrayIconBackend() override;

    void setIcon(const std::vector<QImage> &images) override;
    void setToolTip(const QString &text) override;
    void setLabel(const QString &) override {}
    void show() override;
    QRect iconGeometry() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchForShown();
    void reportShown();

    QSystemTrayIcon m_tray;
    QTimer m_shownPoll;
    int m_pollsLeft = 0;
    QPointer<QObject> m_watchedWindow;
    bool m_shown = false;
};

} // namespace tavelo
