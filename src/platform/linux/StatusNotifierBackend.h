#pragma once

#include <QDBusConnection>

#include "platform/StatusItemBackend.h"
#include "platform/linux/StatusNotifierItem.h"
#include "platform/linux/StatusNotifierLabelHost.h"

namespace tavelo {

// The status item as our own StatusNotifierItem: icon, tooltip, the text label beside
// the icon and a menu, for panels that host items over D-Bus.
class StatusNotifierBackend final : public StatusItemBackend {
public:
    explicit StatusNotifierBackend(QDBusConnection connection = QDBusConnection::sessionBus(),
                                   MainLoop *loop = nullptr);
    ~StatusNotifierBackend() override;

    void setIcon(const std::vector<QImage> &images) override;
    void setToolTip(const QString &text) override;
    void setLabel(const QString &text) override;
    void show() override;
    // Hosts tell where they were clicked, not where the icon is.
    QRect iconGeometry() const override { return {}; }
    bool showsLabel() const override { return m_labelHost.showsLabel(); }
    void setMenu(const std::vector<MenuEntry> &entries) override;

    StatusNotifierItem &item() { return m_item; }

    // A host's click point in Qt's coordinates: hosts give device pixels, and 0,0 when
    // they have no point, which stands for the pointer.
    static QPoint logicalPoint(const QPoint &hostPoint);

private:
    // Outlives the item, which reports its last change as it goes.
    StatusNotifierLabelHost m_labelHost;
    StatusNotifierItem m_item;
};

} // namespace tavelo
