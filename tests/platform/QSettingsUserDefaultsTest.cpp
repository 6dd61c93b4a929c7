#include <fstream>
#include <sstream>
#include <string>

#include <QString>

#include <gtest/gtest.h>

#include "platform/linux/QSettingsUserDefaults.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;

namespace {

const std::string kVersionKey = "com.tavelo.app.lastNotifiedUpdateVersion";
const std::string kFlagKey = "com.tavelo.app.onboardingCompleted";

class QSettingsUserDefaultsTest : public ::testing::Test {
protected:
    QString path() const { return QString::fromStdString((folder.path() / "Tavelo.conf").string()); }

    test::TemporaryFolder folder;
};

TEST_F(QSettingsUserDefaultsTest, ValuesAreOnDiskAtOnceUnderTheirExactKeys)
{
    QSettingsUserDefaults writer(path());
    EXPECT_EQ(writer.string(kVersionKey), std::nullopt);
    EXPECT_FALSE(writer.boolean(kFlagKey));

    writer.setString(kVersionKey, "1.4.0 \"beta\", and more");
    writer.setBoolean(kFlagKey, true);
    // Another reader sees them while the writer still lives: nothing waits for exit.
    QSettingsUserDefaults reader(path());
    EXPECT_EQ(reader.string(kVersionKey), "1.4.0 \"beta\", and more");
    EXPECT_TRUE(reader.boolean(kFlagKey));
    std::stringstream text;
    text << std::ifstream(path().toStdString()).rdbuf();
    EXPECT_NE(text.str().find(kVersionKey + "="), std::string::npos) << text.str();

    writer.setBoolean(kFlagKey, false);
    writer.remove(kVersionKey);
    QSettingsUserDefaults again(path());
    EXPECT_FALSE(again.boolean(kFlagKey));
    EXPECT_EQ(again.string(kVersionKey), std::nullopt);
}

TEST_F(QSettingsUserDefaultsTest, HandEditedValuesOfTheWrongKindReadAsAbsent)
{
    std::ofstream(path().toStdString()) << "[General]\n"
                                        << kFlagKey << "=yes\n"
                                        << "com.tavelo.app.other=TRUE\n"
                                        << kVersionKey << "=1.4.0, 1.5.0\n";
    QSettingsUserDefaults defaults(path());
    EXPECT_FALSE(defaults.boolean(kFlagKey));
    EXPECT_TRUE(defaults.boolean("com.tavelo.app.other"));
    EXPECT_EQ(defaults.string(kVersionKey), std::nullopt);
}

} // namespace
