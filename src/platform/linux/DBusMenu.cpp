#include "platform/linux/DBusMenu.h"

#include <algorithm>

#include <QDBusError>

namespace tavelo {

namespace {

const QString kClicked = QStringLiteral("clicked");

const DBusMenu::Entry *findIn(const std::vector<DBusMenu::Entry> &entries, int id)
{
    for (const DBusMenu::Entry &entry : entries) {
        if (entry.id == id)
            return &entry;
        if (const DBusMenu::Entry *found = findIn(entry.children, id))
            return found;
    }
    return nullptr;
}

void collect(const std::vector<DBusMenu::Entry> &entries, std::vector<const DBusMenu::Entry *> &all)
{
    for (const DBusMenu::Entry &entry : entries) {
        all.push_back(&entry);
        collect(entry.children, all);
    }
}

} // namespace

DBusMenu::DBusMenu(QObject *parent) : QObject(parent)
{
    registerDBusMenuTypes();
}

void DBusMenu::setEntries(const std::vector<Entry> &entries)
{
    if (entries == m_entries)
        return;
    if (!sameShape(m_entries, entries)) {
        m_entries = entries;
        m_root.children = entries;
        ++m_revision;
        Q_EMIT LayoutUpdated(m_revision, 0);
        return;
    }
    DBusMenuItemList updated;
    DBusMenuItemKeysList removed;
    diff(m_entries, entries, updated, removed);
    m_entries = entries;
    m_root.children = entries;
    Q_EMIT ItemsPropertiesUpdated(updated, removed);
}

const DBusMenu::Entry *DBusMenu::find(int id) const
{
    return id == 0 ? &m_root : findIn(m_entries, id);
}

QVariantMap DBusMenu::propertiesOf(const Entry &entry, const QStringList &names)
{
    QVariantMap properties;
    if (entry.isSeparator() && entry.id != 0) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else if (entry.id != 0) {
        // An underscore marks the access key; ours are literal.
        properties.insert(QStringLiteral("label"), QString(entry.text).replace(QLatin1Char('_'), QStringLiteral("__")));
        if (!entry.enabled)
            properties.insert(QStringLiteral("enabled"), false);
    }
    if (!entry.children.empty() || entry.id == 0)
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    if (names.isEmpty())
        return properties;
    QVariantMap asked;
    for (const QString &name : names) {
        if (properties.contains(name))
            asked.insert(name, properties.value(name));
    }
    return asked;
}

bool DBusMenu::sameShape(const std::vector<Entry> &a, const std::vector<Entry> &b)
{
    return std::ranges::equal(a, b, [](const Entry &x, const Entry &y) {
        return x.id == y.id && x.isSeparator() == y.isSeparator() && sameShape(x.children, y.children);
    });
}

void DBusMenu::diff(const std::vector<Entry> &from, const std::vector<Entry> &to, DBusMenuItemList &updated,
                    DBusMenuItemKeysList &removed)
{
    for (std::size_t i = 0; i < to.size(); ++i) {
        const QVariantMap before = propertiesOf(from[i]);
        const QVariantMap after = propertiesOf(to[i]);
        DBusMenuItem changes{to[i].id, {}};
        DBusMenuItemKeys gone{to[i].id, {}};
        for (auto it = after.begin(); it != after.end(); ++it) {
            if (before.value(it.key()) != it.value())
                changes.properties.insert(it.key(), it.value());
        }
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (!after.contains(it.key()))
                gone.properties << it.key();
        }
        if (!changes.properties.isEmpty())
            updated << changes;
        if (!gone.properties.isEmpty())
            removed << gone;
        diff(from[i].children, to[i].children, updated, removed);
    }
}

DBusMenuLayoutItem DBusMenu::layoutOf(const Entry &entry, int depth, const QStringList &names) const
{
    DBusMenuLayoutItem item{entry.id, propertiesOf(entry, names), {}};
    if (depth != 0) {
        for (const Entry &child : entry.children)
            item.children << layoutOf(child, depth - 1, names);
    }
    return item;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout)
{
    if (const Entry *parent = find(parentId))
        layout = layoutOf(*parent, std::max(recursionDepth, -1), propertyNames);
    else
        sendError(QStringLiteral("No menu entry %1").arg(parentId));
    return m_revision;
}

DBusMenuItemList DBusMenu::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    std::vector<const Entry *> entries;
    if (ids.isEmpty()) {
        collect(m_entries, entries);
    } else {
        for (int id : ids) {
            if (const Entry *entry = find(id))
                entries.push_back(entry);
        }
    }
    DBusMenuItemList items;
    for (const Entry *entry : entries)
        items << DBusMenuItem{entry->id, propertiesOf(*entry, propertyNames)};
    return items;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString &name)
{
    const Entry *entry = find(id);
    const QVariantMap properties = entry ? propertiesOf(*entry) : QVariantMap();
    if (!properties.contains(name))
        sendError(QStringLiteral("No property %1 on menu entry %2").arg(name).arg(id));
    return QDBusVariant(properties.value(name));
}

void DBusMenu::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (!find(id)) {
        sendError(QStringLiteral("No menu entry %1").arg(id));
        return;
    }
    if (eventId == kClicked)
        clicked(id);
}

QList<int> DBusMenu::EventGroup(const DBusMenuEventList &events)
{
    QList<int> idErrors;
    for (const DBusMenuEvent &event : events) {
        if (!find(event.id))
            idErrors << event.id;
        else if (event.eventId == kClicked)
            clicked(event.id);
    }
    if (!events.isEmpty() && idErrors.size() == events.size())
        sendError(QStringLiteral("None of the menu entries exist"));
    return idErrors;
}

bool DBusMenu::AboutToShow(int id)
{
    if (!find(id)) {
        sendError(QStringLiteral("No menu entry %1").arg(id));
        return false;
    }
    return refreshBeforeShowing();
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> known;
    for (int id : ids)
        (find(id) ? known : idErrors) << id;
    return refreshBeforeShowing() ? known : QList<int>();
}

bool DBusMenu::refreshBeforeShowing()
{
    const uint revision = m_revision;
    if (onAboutToShow)
        onAboutToShow();
    return revision != m_revision;
}

void DBusMenu::clicked(int id)
{
    const Entry *entry = find(id);
    if (id == 0 || !entry->enabled || entry->isSeparator() || !entry->children.empty())
        return;
    // The caller gets its answer first; what the entry does (a window, quitting) comes after.
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (onChosen)
                onChosen(id);
        },
        Qt::QueuedConnection);
}

void DBusMenu::sendError(const QString &message)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, message);
}

} // namespace tavelo
