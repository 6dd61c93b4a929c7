#include <map>
#include <optional>
#include <set>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/FreedesktopNotificationCenter.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

QByteArray dunstctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("dunstctl"), arguments);
    if (!process.waitForFinished(kWaitMs))
        ADD_FAILURE() << "dunstctl " << arguments.join(' ').toStdString() << " did not finish";
    return process.readAllStandardOutput();
}

int dunstCount(const char *which)
{
    return dunstctl({QStringLiteral("count"), QString::fromLatin1(which)}).trimmed().toInt();
}

// "summary | body" of each notice in dunst's history (withdrawn, expired or dismissed), by server id.
std::map<int, std::string> dunstHistory()
{
    std::map<int, std::string> notices;
    const QJsonArray data = QJsonDocument::fromJson(dunstctl({QStringLiteral("history")})).object()["data"].toArray();
    for (const QJsonValue &entry : data.at(0).toArray()) {
        const QJsonObject o = entry.toObject();
        notices[o["id"]["data"].toInt()] =
            (o["summary"]["data"].toString() + QStringLiteral(" | ") + o["body"]["data"].toString()).toStdString();
    }
    return notices;
}

// What is on screen now. Dunst cannot list displayed notices, so this closes them all
// and reads back what that added to the history.
std::multiset<std::string> shownNotices()
{
    const std::map<int, std::string> before = dunstHistory();
    const int shown = dunstCount("displayed") + dunstCount("waiting");
    dunstctl({QStringLiteral("close-all")});
    EXPECT_TRUE(QTest::qWaitFor([] { return dunstCount("displayed") == 0; }, kWaitMs));
    std::multiset<std::string> notices;
    for (const auto &[id, notice] : dunstHistory()) {
        if (!before.count(id))
            notices.insert(notice);
    }
    EXPECT_EQ(static_cast<int>(notices.size()), shown);
    return notices;
}

class DunstNotificationsTest : public ::testing::Test {
protected:
    // Lets every call reach dunst and come back.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return center.callsInFlight() == 0; }, kWaitMs));
    }

    FreedesktopNotificationCenter center;
};

} // namespace

TEST_F(DunstNotificationsTest, AddReplaceAndWithdraw)
{
    // Other identifiers stand beside; the same one replaces, even before its server id is back.
    center.add({"tavelo.a", "A", "first", false});
    center.add({"tavelo.b", "B", "one", false});
    center.add({"tavelo.b", "B", "two", false});
    settle();
    ASSERT_EQ(dunstCount("displayed"), 2);
    center.add({"tavelo.b", "B", "three", false});
    settle();
    EXPECT_EQ(shownNotices(), (std::multiset<std::string>{"A | first", "B | three"}));

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

TEST_F(DunstNotificationsTest, ClickReportsOurIdentifierAndBodiesAreEscaped)
{
    std::optional<std::string> clicked;
    center.setClickHandler([&](const std::string &identifier) { clicked = identifier; });
    center.add({"tavelo.markup", "Tom & Jerry", "<b>Tom</b> & \"Jerry's\"", false});
    settle();
    dunstctl({QStringLiteral("action"), QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.has_value(); }, kWaitMs));
    EXPECT_EQ(clicked, "tavelo.markup");
    // Summaries are plain text by definition; bodies are markup.
    EXPECT_EQ(shownNotices(),
              (std::multiset<std::string>{"Tom & Jerry | &lt;b&gt;Tom&lt;/b&gt; &amp; &quot;Jerry&#39;s&quot;"}));
}
