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
    // One entry of the item's own menu: a command, a separator (no text) or a submenu.
    struct MenuEntry {
        // Positive and unique within the menu; handed back when the entry is chosen.
        int id = 0;
        QString text;
        bool enabled = true;
        std::vector<MenuEntry> children;

        bool isSeparator() const { return text.isEmpty() && children.empty(); }
        bool operator==(const MenuEntry &) const = default;
    };

    virtual ~StatusItemBackend() = default;

    // One image per size; the host picks the best fit.
    virtual void setIcon(const std::vector<QImage> &images) = 0;
    // The pixel sizes the host shows the icon at, when it says; empty: any of them.
    // Drawing only these spares the sizes nobody looks at.
    virtual std::vector<int> iconSizes() const { return {}; }
    virtual void setToolTip(const QString &text) = 0;
    // The text beside the icon, where the host can show one.
    virtual void setLabel(const QString &text) = 0;
    virtual void show() = 0;
    // The icon on screen, or an invalid rectangle when the host does not say.
    virtual QRect iconGeometry() const = 0;
    // Whether the host shows the label; where it does not, the icon has to carry it.
    virtual bool showsLabel() const = 0;
    // The menu the host shows for the item, where it shows one. The whole menu each time;
    // a back-end passes on only what changed.
    virtual void setMenu(const std::vector<MenuEntry> &entries) = 0;

    // The user clicked the item; the point is where (screen coordinates), or the pointer
    // when the host gave none.
    std::function<void(const QPoint &)> onActivate;
    // The item became visible for the first time.
    std::function<void()> onShown;
    // Another host took the item over, so showsLabel() may have changed.
    std::function<void()> onHostChanged;
    // Still not shown a few seconds after show(): no tray or watcher is running. Once.
    std::function<void()> onNoHost;
    // The user chose the menu entry with this id.
    std::function<void(int)> onMenuEntryChosen;
    // The host is about to show the menu: entries whose state nothing announces can be
    // brought up to date now.
    std::function<void()> onMenuAboutToShow;
};

} // namespace tavelo
