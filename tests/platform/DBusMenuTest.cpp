#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include "platform/DesktopTools.h"
#include "platform/linux/DBusMenu.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"

using namespace tavelo;
using test::waitFor;
using Entry = StatusItemBackend::MenuEntry;

namespace {

std::vector<Entry> sampleMenu(const QString &resume = "Resume Timer", bool longBreak = true)
{
    return {{1, "Open_Tavelo", true, {}},
            {100, {}, true, {}},
            {2, "Pause Timer", true, {{3, "Pause 5 min", true, {}}, {4, "Pause 1 hr", false, {}}}},
            {5, resume, true, {}},
            {6, "Start Long Break", longBreak, {}}};
}

// A layout as text: labels ("-" a separator, "!" disabled, "/" a submenu) and children in brackets.
QString outline(const DBusMenuLayoutItem &item)
{
    const QVariantMap &p = item.properties;
    QString text = p.value("type").toString() == "separator" ? "-" : p.value("label").toString();
    if (!p.value("enabled", true).toBool())
        text += "!";
    if (p.value("children-display").toString() == "submenu")
        text += "/";
    if (!item.children.isEmpty()) {
        QStringList children;
        for (const DBusMenuLayoutItem &child : item.children)
            children << outline(child);
        text += "[" + children.join(",") + "]";
    }
    return text;
}

QString layout(DBusMenu &menu, int parent, int depth, const QStringList &names = {})
{
    DBusMenuLayoutItem item;
    EXPECT_EQ(menu.GetLayout(parent, depth, names, item), menu.revision());
    return outline(item);
}

} // namespace

TEST(DBusMenu, LayoutGoesAsDeepAsAskedWithThePropertiesAsked)
{
    DBusMenu menu;
    menu.setEntries(sampleMenu());
    const std::tuple<int, int, QStringList, QString> cases[] = {
        {0, -1, {}, "/[Open__Tavelo,-,Pause Timer/[Pause 5 min,Pause 1 hr!],Resume Timer,Start Long Break]"},
        {0, 0, {}, "/"},
        {0, 1, {}, "/[Open__Tavelo,-,Pause Timer/,Resume Timer,Start Long Break]"},
        {2, 5, {"label"}, "Pause Timer[Pause 5 min,Pause 1 hr]"},
        {4, -1, {"enabled"}, "!"},
        {42, -1, {}, ""},
    };
    for (const auto &[parent, depth, names, expected] : cases)
        EXPECT_EQ(layout(menu, parent, depth, names), expected) << parent << " " << depth;

    const DBusMenuItemList items = menu.GetGroupProperties({4, 42, 100}, {});
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(std::pair(items[0].id, items[0].properties.value("enabled")), std::pair(4, QVariant(false)));
    EXPECT_EQ(items[1].properties.value("type"), "separator");
    EXPECT_EQ(menu.GetGroupProperties({}, {"label"}).size(), 7) << "no ids means every entry";
    EXPECT_EQ(menu.GetProperty(3, "label").variant(), "Pause 5 min");
}

// A host keeps its menu up to date from the signals alone.
TEST(DBusMenu, ChangedTextsAndStatesGoOutAsPropertiesOtherEntriesAsANewLayout)
{
    DBusMenu menu;
    menu.setEntries(sampleMenu());
    QSignalSpy properties(&menu, &DBusMenu::ItemsPropertiesUpdated);
    QSignalSpy layouts(&menu, &DBusMenu::LayoutUpdated);
    const uint revision = menu.revision();

    menu.setEntries(sampleMenu());
    menu.setEntries(sampleMenu("Resume Timer (4:59)", false));
    ASSERT_EQ(properties.size(), 1);
    auto updated = properties[0][0].value<DBusMenuItemList>();
    ASSERT_EQ(updated.size(), 2);
    EXPECT_EQ(std::pair(updated[0].id, updated[0].properties),
              std::pair(5, QVariantMap{{"label", "Resume Timer (4:59)"}}));
    EXPECT_EQ(std::pair(updated[1].id, updated[1].properties), std::pair(6, QVariantMap{{"enabled", false}}));
    // Enabled again is the default, so the property goes.
    menu.setEntries(sampleMenu("Resume Timer (4:59)", true));
    const auto removed = properties[1][1].value<DBusMenuItemKeysList>();
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(std::pair(removed[0].id, removed[0].properties), std::pair(6, QStringList{"enabled"}));
    EXPECT_TRUE(properties[1][0].value<DBusMenuItemList>().isEmpty());

    std::vector<Entry> other = sampleMenu();
    other.erase(other.begin() + 2); // the pause submenu gives way to resuming
    menu.setEntries(other);
    ASSERT_EQ(layouts.size(), 1);
    EXPECT_EQ(layouts[0], (QVariantList{revision + 1, 0}));
    EXPECT_EQ(menu.revision(), revision + 1);
    EXPECT_EQ(properties.size(), 2);
}

TEST(DBusMenu, OnlyClicksOnCommandsAreChosenAndOnlyOnceTheHostHasItsAnswer)
{
    DBusMenu menu;
    menu.setEntries(sampleMenu());
    std::vector<int> chosen;
    menu.onChosen = [&](int id) { chosen.push_back(id); };
    const QDBusVariant none(QVariant(0));

    menu.Event(1, "clicked", none, 0);
    EXPECT_TRUE(chosen.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen, std::vector<int>{1});
    // The root, a submenu, a disabled entry, a separator, an unknown id, a hover.
    for (int id : {0, 2, 4, 100, 42})
        menu.Event(id, "clicked", none, 0);
    menu.Event(3, "hovered", none, 0);
    EXPECT_EQ(menu.EventGroup({{42, "clicked", none, 0}, {3, "clicked", none, 0}}), QList<int>{42});
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen, (std::vector<int>{1, 3}));

    // About to show: an update is needed only when the refresh changed the layout.
    menu.onAboutToShow = [&] { menu.setEntries(sampleMenu("Resume Timer (4:58)")); };
    EXPECT_FALSE(menu.AboutToShow(0));
    menu.onAboutToShow = [&] { menu.setEntries({{1, "Open Tavelo", true, {}}}); };
    QList<int> idErrors;
    EXPECT_EQ(menu.AboutToShowGroup({0, 2, 42}, idErrors), (QList<int>{0, 2}));
    EXPECT_EQ(idErrors, QList<int>{42});
}

// What a host does over the bus: find the menu through the item, read it, click an entry;
// and whether it draws the label, known from who owns the watcher.
TEST(DBusMenu, AHostReadsAndClicksTheMenuOverTheBusAndOnlyTheShellsWatcherShowsTheLabel)
{
    using Kind = StatusItemBackendChooser::Kind;
    registerStatusNotifierDBusTypes();
    // As in the tray tests: Qt's blocking question is settled before our watcher exists.
    QSystemTrayIcon::isSystemTrayAvailable();
    test::FakeStatusNotifierWatcher watcher;
    watcher.registerHost();
    ASSERT_TRUE(watcher.start());
    StatusItemBackendChooser chooser;
    std::vector<int> chosen;
    int hostChanges = 0;
    chooser.onMenuEntryChosen = [&](int id) { chosen.push_back(id); };
    chooser.onHostChanged = [&] { ++hostChanges; };
    chooser.setMenu(sampleMenu());
    chooser.show();
    ASSERT_TRUE(waitFor([&] { return watcher.registrations().size() == 1; }));
    const QString service = watcher.registrations().front();

    test::FakeStatusNotifierHost host;
    const QString menuPath = host.property(service, "Menu").value<QDBusObjectPath>().path();
    EXPECT_EQ(host.property(service, "IconAccessibleDesc").toString(), "Tavelo");
    const auto menuCall = [&](const QString &method, const QVariantList &arguments, const QString &interface) {
        return host.call(service, method, arguments, interface, menuPath);
    };
    const QDBusMessage version = menuCall("Get", {DBusMenu::kInterface, "Version"}, "org.freedesktop.DBus.Properties");
    EXPECT_EQ(version.arguments().value(0).value<QDBusVariant>().variant(), 3u);
    const QDBusMessage reply = menuCall("GetLayout", {0, -1, QStringList()}, DBusMenu::kInterface);
    ASSERT_EQ(reply.arguments().size(), 2) << reply.errorMessage().toStdString();
    DBusMenuLayoutItem root;
    reply.arguments()[1].value<QDBusArgument>() >> root;
    EXPECT_EQ(outline(root), "/[Open__Tavelo,-,Pause Timer/[Pause 5 min,Pause 1 hr!],Resume Timer,Start Long Break]");
    EXPECT_EQ(menuCall("Event", {3, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u}, DBusMenu::kInterface).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(menuCall("Event", {42, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u}, DBusMenu::kInterface).type(),
              QDBusMessage::ErrorMessage);
    // Some hosts click through EventGroup, and follow changes from the signals.
    const DBusMenuEventList events{{5, "clicked", QDBusVariant(0), 0}};
    EXPECT_EQ(menuCall("EventGroup", {QVariant::fromValue(events)}, DBusMenu::kInterface).type(),
              QDBusMessage::ReplyMessage);
    QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-sni-host")
        .connect(service, menuPath, DBusMenu::kInterface, {}, &host, SLOT(record(QDBusMessage)));
    chooser.setMenu(sampleMenu("Resume Timer (04:59)"));
    menuCall("GetProperty", {5, "label"}, DBusMenu::kInterface);
    ASSERT_EQ(host.received.size(), 1);
    EXPECT_TRUE(host.received.front().startsWith("ItemsPropertiesUpdated")) << host.received.front().toStdString();
    ASSERT_TRUE(waitFor([&] { return chosen.size() == 2; }));
    EXPECT_EQ(chosen, (std::vector<int>{3, 5}));
    EXPECT_FALSE(chooser.showsLabel()) << "no shell, so some other host";

    // A watcher in the process that owns org.gnome.Shell (here, this one) draws the label.
    QDBusConnection shell = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-gnome-shell");
    ASSERT_TRUE(shell.registerService("org.gnome.Shell"));
    watcher.stop();
    ASSERT_TRUE(waitFor([&] { return chooser.kind() == Kind::trayIcon; }));
    ASSERT_TRUE(watcher.start());
    watcher.registerHost();
    hostChanges = 0;
    ASSERT_TRUE(waitFor([&] { return chooser.showsLabel(); }));
    EXPECT_EQ(hostChanges, 2) << "once for the new back-end, once for its answer";
    shell.unregisterService("org.gnome.Shell");
}
