#include <iostream>
#include <memory>
#include <vector>

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"
#include "platform/linux/CombinedDoNotDisturb.h"
#include "platform/linux/GSettingsDoNotDisturb.h"
#include "platform/linux/MakoModeDoNotDisturb.h"
#include "platform/linux/NotificationServerDoNotDisturb.h"
#include "platform/linux/XfconfDoNotDisturb.h"

using namespace tavelo;
using test::waitFor;

namespace {

const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A notification server that publishes `Inhibited`, as KDE's does.
class InhibitingServer final : public QDBusVirtualObject {
public:
    explicit InhibitingServer(QDBusConnection bus) : m_bus(std::move(bus))
    {
        m_bus.registerVirtualObject(kNotificationsPath, this, QDBusConnection::SingleNode);
    }
    ~InhibitingServer() override { m_bus.unregisterObject(kNotificationsPath); }

    // Taking the name while inhibited, or announcing the change once on the bus.
    void inhibit(bool on)
    {
        m_inhibited = on;
        if (!m_named) {
            m_named = m_bus.registerService(kNotifications);
            EXPECT_TRUE(m_named);
            return;
        }
        QDBusMessage changed = QDBusMessage::createSignal(kNotificationsPath, kProperties, "PropertiesChanged");
        changed << kNotifications << QVariantMap{{"Inhibited", on}} << QStringList{};
        m_bus.send(changed);
    }
    void quit()
    {
        EXPECT_TRUE(m_bus.unregisterService(kNotifications));
        m_named = false;
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != kProperties || message.member() != "Get")
            return false;
        const bool known = message.arguments() == QVariantList{kNotifications, "Inhibited"};
        connection.send(known ? message.createReply(QVariant::fromValue(QDBusVariant(m_inhibited)))
                              : message.createErrorReply(QDBusError::UnknownProperty, "no such property"));
        return true;
    }

private:
    QDBusConnection m_bus;
    bool m_inhibited = false;
    bool m_named = false;
};

// mako's modes, on the connection that holds the server's name; empty answers an error,
// as any other server would.
class MakoModes final : public QDBusVirtualObject {
public:
    explicit MakoModes(QDBusConnection bus) : m_bus(std::move(bus))
    {
        m_bus.registerVirtualObject("/fr/emersion/Mako", this, QDBusConnection::SingleNode);
    }
    ~MakoModes() override { m_bus.unregisterObject("/fr/emersion/Mako"); }

    QStringList modes;
    int asked = 0;

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.member() != "ListModes")
            return false;
        ++asked;
        connection.send(modes.isEmpty() ? message.createErrorReply(QDBusError::UnknownMethod, "not mako")
                                        : message.createReply(QVariant(modes)));
        return true;
    }

private:
    QDBusConnection m_bus;
};

// Daemons this session starts on demand keep their files here, away from the user's.
void useConfigFolder(const QString &folder)
{
    qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    QDBusMessage update = QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                         "org.freedesktop.DBus", "UpdateActivationEnvironment");
    using Environment = QMap<QString, QString>;
    qDBusRegisterMetaType<Environment>();
    update << QVariant::fromValue(Environment{{"XDG_CONFIG_HOME", folder}});
    ASSERT_EQ(QDBusConnection::sessionBus().call(update).type(), QDBusMessage::ReplyMessage);
}

bool has(const char *program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

// Each desktop's switch, from the answer to the first question and then from its
// announcements; each change is reported once.
TEST(DoNotDisturb, FollowsEachDesktopsSwitch)
{
    // Before anything in this process reads a setting: GLib keeps the first it finds.
    QTemporaryDir config;
    ASSERT_NO_FATAL_FAILURE(useConfigFolder(config.path()));
    qputenv("GSETTINGS_BACKEND", "keyfile");
    // A bus of its own for the Inhibited server: dunst holds the name on the desktop's.
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(daemon.waitForReadyRead(test::kWaitMs));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    InhibitingServer server(QDBusConnection::connectToBus(address, "dnd-server"));
    MakoModes mako(QDBusConnection::connectToBus(address, "dnd-server"));

    using Step = std::pair<std::function<void()>, bool>;
    const auto xfconf = [](const QString &value) {
        return [value] {
            test::run("xfconf-query",
                      {"-c", "xfce4-notifyd", "-p", "/do-not-disturb", "--create", "-t", "bool", "-s", value});
        };
    };
    const auto banners = [](const QString &value) {
        return [value] { test::run("gsettings", {"set", "org.gnome.desktop.notifications", "show-banners", value}); };
    };
    const auto dunst = [](const QString &paused) {
        return [paused] { test::run("dunstctl", {"set-paused", paused}); };
    };
    const struct {
        const char *what;
        bool available;
        std::function<std::unique_ptr<DoNotDisturb>()> make;
        // The first turns it on before the source is made.
        std::vector<Step> steps;
    } rows[] = {
        {"Inhibited, with the server restarting",
         true,
         [&] {
             return std::make_unique<NotificationServerDoNotDisturb>(
                 QDBusConnection::connectToBus(address, "dnd-client"));
         },
         {{[&] { server.inhibit(true); }, true},
          {[&] { server.inhibit(false); }, false},
          {[&] { server.inhibit(true); }, true},
          {[&] { server.quit(); }, false},
          {[&] { server.inhibit(true); }, true}}},
        {"mako's mode, asked again and again, with the server restarting",
         true,
         [&] {
             return std::make_unique<MakoModeDoNotDisturb>(QDBusConnection::connectToBus(address, "dnd-mako"),
                                                           std::chrono::milliseconds(100));
         },
         {{[&] {
               mako.modes = {"default", "do-not-disturb"};
           },
           true},
          {[&] { mako.modes = {"default"}; }, false},
          {[&] { mako.modes = {"do-not-disturb"}; }, true},
          {[&] { server.quit(); }, false},
          {[&] { server.inhibit(true); }, true}}},
        {"dunst paused",
         has("dunstctl"),
         [] { return std::make_unique<NotificationServerDoNotDisturb>(); },
         {{dunst("true"), true}, {dunst("false"), false}, {dunst("true"), true}, {dunst("false"), false}}},
        {"xfconf, started on demand, then the property removed",
         has("xfconf-query"),
         [] { return std::make_unique<XfconfDoNotDisturb>(); },
         {{xfconf("true"), true},
          {xfconf("false"), false},
          {xfconf("true"), true},
          {[] {
               test::run("xfconf-query", {"-c", "xfce4-notifyd", "-p", "/do-not-disturb", "-r"});
           },
           false}}},
        {"GNOME banners",
         has("gsettings") && GSettingsDoNotDisturb::createIfInstalled(),
         [] { return GSettingsDoNotDisturb::createIfInstalled(); },
         {{banners("false"), true}, {banners("true"), false}, {banners("false"), true}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        if (!row.available) {
            std::cout << "skipped, not installed: " << row.what << '\n';
            continue;
        }
        row.steps.front().first();
        const std::unique_ptr<DoNotDisturb> source = row.make();
        // GSettings reads in place; the others' first answer is a change.
        const bool onAtOnce = source->isOn();
        std::vector<bool> reported, expected;
        source->setChangeHandler([&] { reported.push_back(source->isOn()); });
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            if (i > 0)
                row.steps[i].first();
            if (i > 0 || !onAtOnce)
                expected.push_back(row.steps[i].second);
            ASSERT_TRUE(waitFor([&] { return reported.size() >= expected.size(); })) << "step " << i;
            EXPECT_EQ(reported, expected);
            EXPECT_EQ(source->isOn(), row.steps[i].second);
        }
    }

    // Another server answers with an error: one question, then no more.
    mako.modes.clear();
    mako.asked = 0;
    const auto other = std::make_unique<MakoModeDoNotDisturb>(QDBusConnection::connectToBus(address, "dnd-other"),
                                                              std::chrono::milliseconds(50));
    ASSERT_TRUE(waitFor([&] { return mako.asked == 1; }));
    QTest::qWait(500);
    EXPECT_EQ(mako.asked, 1);
    EXPECT_FALSE(other->isOn());

    daemon.terminate();
    daemon.waitForFinished(test::kWaitMs);
}

namespace {

// A source as the test sets it, announcing each change as a desktop's would.
struct SwitchedSource final : DoNotDisturb {
    bool isOn() const override { return on; }
    void setChangeHandler(std::function<void()> handler) override { onChange = std::move(handler); }
    void set(bool value)
    {
        on = value;
        onChange();
    }

    bool on = false;
    std::function<void()> onChange;
};

} // namespace

// On while any switch is on, announced only when the whole changes; a source that joins
// late counts from then, announced if it turns the whole on.
TEST(DoNotDisturb, CombinedIsOnWhileAnySwitchIsAndTakesLateSources)
{
    auto first = std::make_unique<SwitchedSource>(), second = std::make_unique<SwitchedSource>();
    SwitchedSource &a = *first, &b = *second;
    std::vector<std::unique_ptr<DoNotDisturb>> sources;
    sources.push_back(std::move(first));
    sources.push_back(nullptr);
    sources.push_back(std::move(second));
    CombinedDoNotDisturb combined(std::move(sources));
    int changes = 0;
    combined.setChangeHandler([&] { ++changes; });
    a.set(true);
    b.set(true);
    a.set(false);
    EXPECT_EQ(std::pair(combined.isOn(), changes), std::pair(true, 1));
    b.set(false);
    EXPECT_EQ(std::pair(combined.isOn(), changes), std::pair(false, 2));

    combined.addLater(std::chrono::milliseconds(0), [] { return std::unique_ptr<DoNotDisturb>(); });
    combined.addLater(std::chrono::milliseconds(0), [] {
        auto late = std::make_unique<SwitchedSource>();
        late->on = true;
        return late;
    });
    EXPECT_FALSE(combined.isOn()) << "not before its time";
    ASSERT_TRUE(waitFor([&] { return combined.isOn(); }));
    EXPECT_EQ(changes, 3);
}
