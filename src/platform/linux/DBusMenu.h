#pragma once

#include <functional>
#include <vector>

#include <QDBusContext>
#include <QObject>

#include "platform/StatusItemBackend.h"
#include "platform/linux/DBusMenuTypes.h"

namespace tavelo {

// The status item's menu over com.canonical.dbusmenu, for hosts that draw menus
// themselves. Entry ids are the menu's own ids (the root is 0). A changed set of entries
// bumps the layout revision; changed texts or states alone go out as property updates.
class DBusMenu final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    using Entry = StatusItemBackend::MenuEntry;

    static constexpr const char *kInterface = "com.canonical.dbusmenu";

    explicit DBusMenu(QObject *parent = nullptr);

    void setEntries(const std::vector<Entry> &entries);
    const std::vector<Entry> &entries() const { return m_entries; }
    uint revision() const { return m_revision; }

    // A command entry was clicked; called on the next turn, after the host has its answer.
    std::function<void(int)> onChosen;
    std::function<void()> onAboutToShow;

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                tavelo::DBusMenuLayoutItem &layout);
    Q_SCRIPTABLE tavelo::DBusMenuItemList GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString &name);
    Q_SCRIPTABLE void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    Q_SCRIPTABLE QList<int> EventGroup(const tavelo::DBusMenuEventList &events);
    Q_SCRIPTABLE bool AboutToShow(int id);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

Q_SIGNALS:
    Q_SCRIPTABLE void ItemsPropertiesUpdated(const tavelo::DBusMenuItemList &updatedProps,
                                             const tavelo::DBusMenuItemKeysList &removedProps);
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

private:
    // The entry with `id`, the root (an entry with every top-level entry as children) for
    // 0, or null.
    const Entry *find(int id) const;
    DBusMenuLayoutItem layoutOf(const Entry &entry, int depth, const QStringList &names) const;
    void clicked(int id);
    bool refreshBeforeShowing();
    void sendError(const QString &message);

    static QVariantMap propertiesOf(const Entry &entry, const QStringList &names = {});
    static bool sameShape(const std::vector<Entry> &a, const std::vector<Entry> &b);
    static void diff(const std::vector<Entry> &from, const std::vector<Entry> &to, DBusMenuItemList &updated,
                     DBusMenuItemKeysList &removed);

    std::vector<Entry> m_entries;
    Entry m_root;
    uint m_revision = 1;
};

} // namespace tavelo
