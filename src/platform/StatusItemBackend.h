#pragma once

#include <functional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace tavelo {

// The desktop's side of the status item. StatusItem decides what to show and when;
// a back-end only passes it on (a tray icon, or a StatusNotifierItem over D-Bus).
class StatusItemBackend {
public:
    virtual ~StatusItemBackend() = default;

    // One image per size; the host picks the best fit.
    virtual void setIcon(const std::vector<QImage> &images) = 0;
    virtual void setToolTip(const QString &text) = 0;
    // The text beside the icon, where the host can show one.
    virtual void setLabel(const QString &text) = 0;
    virtual void show() = 0;
    // The icon on screen, or an invalid rectangle when the host does not say.
    virtual QRect iconGeometry() const = 0;
    // Whether the host shows the label; where it does not, the icon has to carry it.
    virtual bool showsLabel() const = 0;

    // The user clicked the item; the point is where (screen coordinates), or the pointer
    // when the host gave none.
    std::function<void(const QPoint &)> onActivate;
    // The item became visible for the first time.
    std::function<void()> onShown;
    // Another host took the item over, so showsLabel() may have changed.
    std::function<void()> onHostChanged;
    // Still not shown a few seconds after show(): no tray or watcher is running. Once.
    std::function<void()> onNoHost;
};

} // namespace tavelo
