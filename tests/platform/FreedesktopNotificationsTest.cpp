#include <chrono>
#include <map>
#include <optional>
#include <set>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/DesktopTools.h"
#include "platform/linux/FreedesktopNotificationCenter.h"

using namespace tavelo;
using test::waitFor;

namespace {

// "summary | body" of each notice in dunst's history (withdrawn, expired or dismissed), by server id.
std::map<int, std::string> dunstHistory()
{
    std::map<int, std::string> notices;
    const QJsonDocument history = QJsonDocument::fromJson(test::run("dunstctl", {"history"}).toUtf8());
    for (const QJsonValue &entry : history["data"].toArray().at(0).toArray()) {
        const QJsonObject o = entry.toObject();
        notices[o["id"]["data"].toInt()] =
            (o["summary"]["data"].toString() + " | " + o["body"]["data"].toString()).toStdString();
    }
    return notices;
}

// What is on screen now. Dunst cannot list displayed notices, so this closes them all
// and reads back what that added to the history.
std::multiset<std::string> shownNotices()
{
    const std::map<int, std::string> before = dunstHistory();
    test::run("dunstctl", {"close-all"});
    EXPECT_TRUE(waitFor([] { return test::run("dunstctl", {"count", "displayed"}) == "0"; }));
    std::multiset<std::string> notices;
    for (const auto &[id, notice] : dunstHistory())
        if (!before.count(id))
            notices.insert(notice);
    return notices;
}

} // namespace

TEST(DunstNotifications, ClickAddReplaceAndWithdraw)
{
    FreedesktopNotificationCenter center;
    // Lets every call reach dunst and come back.
    const auto settle = [&] { ASSERT_TRUE(waitFor([&] { return center.callsInFlight() == 0; })); };
    std::string clicked;
    center.setClickHandler([&](const std::string &identifier) { clicked = identifier; });
    center.add({"tavelo.a", "Tom & Jerry", "<b>Tom</b> & \"Jerry's\"", false});
    settle();
    test::run("dunstctl", {"action", "0"});
    EXPECT_TRUE(waitFor([&] { return clicked == "tavelo.a"; }));

    // Other identifiers stand beside; the same one replaces, even before its server id is back.
    center.add({"tavelo.b", "B", "one", false});
    center.add({"tavelo.b", "B", "two", false});
    settle();
    center.add({"tavelo.b", "B", "three", false});
    settle();
    // Summaries are plain text by definition; bodies are markup.
    EXPECT_EQ(shownNotices(), (std::multiset<std::string>{
                                  "Tom & Jerry | &lt;b&gt;Tom&lt;/b&gt; &amp; &quot;Jerry&#39;s&quot;", "B | three"}));

    // Withdrawn once shown, and while still on its way.
    center.add({"tavelo.a", "A", "shown", false});
    settle();
    center.removeDelivered({"tavelo.a"});
    center.add({"tavelo.b", "B", "on its way", false});
    center.removeDelivered({"tavelo.b"});
    center.removePending({"tavelo.b"});
    settle();
    EXPECT_TRUE(shownNotices().empty());
}

// A notice kept for the record leaves the screen when its time is up; one without a
// time of its own is left to the server.
TEST(DunstNotifications, AnExpiryReachesTheServer)
{
    FreedesktopNotificationCenter center;
    const auto displayed = [](const char *count) {
        return waitFor([count] { return test::run("dunstctl", {"count", "displayed"}) == count; });
    };
    // Posted first, it would also leave first if both had the server's time.
    center.add({"tavelo.kept", "Kept", "until acted on", false});
    center.add({"tavelo.record", "Record", "for the record", false, std::chrono::milliseconds(1500)});
    ASSERT_TRUE(displayed("2"));
    ASSERT_TRUE(displayed("1"));
    const std::map<int, std::string> history = dunstHistory();
    EXPECT_EQ(history.size(), 1u);
    EXPECT_EQ(history.begin()->second, "Record | for the record");
}

// With no server to ask there is nothing to allow: not the same as a refusal.
TEST(DunstNotifications, WithoutAServerNotificationsAreUnavailable)
{
    FreedesktopNotificationCenter center(QDBusConnection(QStringLiteral("no bus")));
    std::optional<AuthorizationStatus> status;
    center.getAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    EXPECT_TRUE(waitFor([&] { return status.has_value(); }));
    EXPECT_EQ(status, AuthorizationStatus::unavailable);
}
