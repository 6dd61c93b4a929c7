#include <fstream>

#include <sys/stat.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/linux/QSettingsUserDefaults.h"

using namespace tavelo;

TEST(QSettingsUserDefaults, ValuesAreOnDiskAtOnceUnderTheirExactKeysAndOfTheRightKindOnly)
{
    const std::string version = "com.tavelo.app.lastNotifiedUpdateVersion";
    const std::string flag = "com.tavelo.app.onboardingCompleted";
    QTemporaryDir folder;
    const QString path = folder.filePath("Tavelo.conf");
    QSettingsUserDefaults writer(path);
    writer.setString(version, "1.4.0 \"beta\", and more");
    writer.setBoolean(flag, true);
    // Another reader sees them while the writer still lives: nothing waits for exit.
    EXPECT_EQ(QSettingsUserDefaults(path).string(version), "1.4.0 \"beta\", and more");
    EXPECT_TRUE(QSettingsUserDefaults(path).boolean(flag));
    writer.remove(version);
    EXPECT_EQ(QSettingsUserDefaults(path).string(version), std::nullopt);

    // Edited by hand, under the exact keys: values of the wrong kind read as absent.
    std::ofstream(path.toStdString()) << "[General]\n" + flag + "=yes\ncom.tavelo.app.other=TRUE\n" + version +
                                             "=1.4.0, 1.5.0\n";
    QSettingsUserDefaults edited(path);
    EXPECT_FALSE(edited.boolean(flag));
    EXPECT_TRUE(edited.boolean("com.tavelo.app.other"));
    EXPECT_EQ(edited.string(version), std::nullopt);
}

// Every start stores the same few values again; a file rewritten each time only wears it.
TEST(QSettingsUserDefaults, StoringWhatIsAlreadyThereLeavesTheFileAlone)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Tavelo.conf");
    const auto inode = [&] {
        struct stat info {};
        return ::stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
    };
    QSettingsUserDefaults(path).setString("com.tavelo.app.lastSeenVersion", "0.2.0");
    QSettingsUserDefaults(path).setBoolean("com.tavelo.app.onboardingCompleted", true);
    const auto written = inode();
    QSettingsUserDefaults again(path);
    again.setString("com.tavelo.app.lastSeenVersion", "0.2.0");
    again.setBoolean("com.tavelo.app.onboardingCompleted", true);
    again.remove("com.tavelo.app.lastNotifiedUpdateVersion");
    EXPECT_EQ(inode(), written);
    again.setString("com.tavelo.app.lastSeenVersion", "0.3.0");
    EXPECT_NE(inode(), written) << "a change is saved as a new file";
}
