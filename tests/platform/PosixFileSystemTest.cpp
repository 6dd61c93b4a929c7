#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "core/BreakSettingsStore.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/XdgFolders.h"

using namespace tavelo;
namespace fs = std::filesystem;

namespace {

using Status = FileSystem::ReadStatus;
constexpr std::size_t kLimit = 1024 * 1024;

std::vector<std::string> entries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

volatile unsigned g_spinSink = 0;

} // namespace

// Reads only small regular files and never blocks; replaces whole files or leaves them
// byte for byte, with no temporary file left behind.
TEST(PosixFileSystem, ReadsSmallRegularFilesAndReplacesWholeOnes)
{
    QTemporaryDir tmp;
    const fs::path root = tmp.path().toStdString();
    PosixFileSystem files;
    const auto read = [&](const fs::path &path) { return files.readSmallFile(path, kLimit); };
    std::ofstream(root / "f", std::ios::binary) << std::string(kLimit, 'x');
    EXPECT_EQ(read(root / "f").bytes.size(), kLimit) << "exactly the limit is still read";
    EXPECT_EQ(files.readSmallFile(root / "f", kLimit - 1).status, Status::tooLarge);
    // A sparse 1 TiB file would take ages to read; it must be refused from its size.
    fs::resize_file(root / "f", std::uintmax_t{1} << 40);
    EXPECT_EQ(read(root / "f").status, Status::tooLarge);
    ASSERT_EQ(::mkfifo((root / "fifo").c_str(), 0600), 0);
    fs::create_directory(root / "dir");
    fs::create_symlink("/dev/zero", root / "device");
    fs::create_symlink(root / "nowhere", root / "dangling");
    for (const char *name : {"fifo", "dir", "device", "dangling", "missing"})
        EXPECT_EQ(read(root / name).status, Status::unreadable) << name;

    const fs::path folder = root / "a" / "b";
    const fs::path file = folder / "settings.json";
    ASSERT_FALSE(files.ensureFolder(folder) || files.replaceFile(file, "first") || files.replaceFile(file, "second"));
    EXPECT_EQ(read(file).bytes, "second");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"settings.json"});
    // Root ignores permission bits, but not a file-size limit: the temporary file
    // cannot take the new content, so the write itself fails.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit tiny{4, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto failure = files.replaceFile(file, "too long for the limit");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(failure && failure->starts_with("write " + folder.string() + "/.settings.json."))
        << failure.value_or("");
    EXPECT_EQ(read(file).bytes, "second");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"settings.json"});

    // A new file never takes the place of anything, a dangling link included.
    fs::create_symlink(folder / "elsewhere", folder / "copy");
    EXPECT_TRUE(files.createFile(folder / "copy", "x"));
    fs::remove(folder / "copy");
    EXPECT_EQ(files.createFile(folder / "copy", "kept"), std::nullopt);
    EXPECT_TRUE(files.createFile(folder / "copy", "x"));
    EXPECT_EQ(read(folder / "copy").bytes, "kept");
    EXPECT_EQ(entries(folder).size(), 2u);
    fs::remove(folder / "copy");

    fs::remove(file);
    fs::create_directories(file / "inside");
    EXPECT_TRUE(files.replaceFile(file, "x")) << "a folder in the file's place";
    EXPECT_EQ(entries(folder), std::vector<std::string>{"settings.json"});
    EXPECT_TRUE(files.ensureFolder(root / "f" / "below")) << "a file in the folder's place";
    EXPECT_TRUE(files.replaceFile(root / "f" / "settings.json", "x"));
}

// A settings file kept in a dotfiles folder stays a link; its target takes the new content.
TEST(PosixFileSystem, ReplacesTheTargetOfALinkAndKeepsTheLink)
{
    QTemporaryDir tmp;
    const fs::path root = tmp.path().toStdString();
    const fs::path link = root / "config" / "settings.json", target = root / "dotfiles" / "tavelo.json";
    fs::create_directories(root / "config");
    fs::create_directories(root / "dotfiles");
    fs::create_symlink("../dotfiles/tavelo.json", link);
    PosixFileSystem files;
    // Each round leaves the link in place and no temporary file behind.
    for (const char *content : {"made where the link points", "replaced"}) {
        ASSERT_EQ(files.replaceFile(link, content), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(files.readSmallFile(target, kLimit).bytes, content);
        EXPECT_EQ(entries(root / "dotfiles"), std::vector<std::string>{"tavelo.json"});
    }
    fs::remove(link);
    fs::create_symlink(root / "gone" / "tavelo.json", link);
    EXPECT_TRUE(files.replaceFile(link, "x")) << "the target's folder is missing";
    EXPECT_TRUE(fs::is_symlink(link));
}

// Saves killed before their rename leave temporary files; a later save takes away those
// of writers that are gone, and nothing else.
TEST(PosixFileSystem, ASaveRemovesTheTemporaryFilesOfWritersThatAreGone)
{
    QTemporaryDir tmp;
    const fs::path folder = tmp.path().toStdString();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string gone = ".settings.json." + std::to_string(child) + "-", hex = "0123456789abcdef";
    const std::vector<std::string> kept{".settings.json.1-" + hex, // pid 1 never ends
                                        gone + "0123456789abcde",
                                        gone + "0123456789ABCDEF",
                                        gone + hex + ".bak",
                                        ".settings.json.-" + hex,
                                        ".other.json." + std::to_string(child) + "-" + hex,
                                        "settings.json"};
    for (const std::string &name : kept)
        std::ofstream(folder / name) << "x";
    std::ofstream(folder / (gone + hex)) << "stale";
    ASSERT_EQ(PosixFileSystem().replaceFile(folder / "settings.json", "new"), std::nullopt);
    std::vector<std::string> left = entries(folder), expected = kept;
    std::sort(left.begin(), left.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST(PosixFileSystem, AKilledSaveLeavesEitherTheOldOrTheNewRecord)
{
    // SIGKILL tests atomicity, not durability, so a memory file system serves and
    // keeps each save short enough for the kills to land all over it.
    QTemporaryDir tmp(::access("/dev/shm", W_OK) == 0 ? "/dev/shm/tavelo-XXXXXX" : QString());
    const fs::path folder = fs::path(tmp.path().toStdString()) / "Tavelo";
    PosixFileSystem files;
    // Different lengths, so a torn or partly written file cannot pass for either.
    const BreakSettings a{25, 20, 15, 4, 5, 10, 300, true};
    const BreakSettings b{1234567890123, 45, 90, 12, 30, 60, 3600, false};
    BreakSettingsStore(files, folder).save(a);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int endedOn[2]{};
    for (int round = 0; round < 220; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int progress[2];
        ASSERT_EQ(::pipe2(progress, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two records alternately until killed, a byte to the pipe after each.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::fcntl(progress[1], F_SETFL, O_NONBLOCK);
            std::ostringstream errors;
            BreakSettingsStore store(files, folder, errors);
            for (long n = 0; n < 100000; ++n) {
                store.save(n % 2 == 0 ? b : a);
                [[maybe_unused]] const auto ignored = ::write(progress[1], "x", 1);
            }
            ::_exit(0);
        }
        ::close(progress[1]);

        // Let it finish a random number of saves, then kill it somewhere inside a later one.
        char byte;
        for (unsigned saves = random() % 4; saves > 0 && ::read(progress[0], &byte, 1) == 1; --saves) {
        }
        for (unsigned spin = random() % 400000; spin > 0; --spin)
            g_spinSink = spin;
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(progress[0]);
        ASSERT_TRUE(WIFSIGNALED(status));

        std::ostringstream errors;
        const BreakSettings loaded = BreakSettingsStore(files, folder, errors).load();
        ASSERT_EQ(errors.str(), "");
        ASSERT_TRUE(loaded == a || loaded == b);
        ++endedOn[loaded == a ? 0 : 1];
    }
    // Both outcomes turn up, or the kills were not landing at random moments.
    EXPECT_TRUE(endedOn[0] > 0 && endedOn[1] > 0) << endedOn[0] << " old, " << endedOn[1] << " new";
    // Killed saves may leave their temporary files, and nothing else.
    for (const std::string &name : entries(folder))
        EXPECT_TRUE(name == "settings.json" || name.starts_with(".settings.json.")) << name;
}

TEST(XdgFolders, FollowTheBaseDirectoryRules)
{
    const QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();

    ::setenv("HOME", "/home/someone", 1);
    // Each variable is used only when set to an absolute path.
    for (const char *value : {"/elsewhere", "relative", "", static_cast<const char *>(nullptr)}) {
        SCOPED_TRACE(value ? value : "unset");
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            value ? ::setenv(name, *value ? (value + std::string("/") + name).c_str() : "", 1) : ::unsetenv(name);
        const bool used = value && *value == '/';
        EXPECT_EQ(XdgFolders::configHome(), used ? "/elsewhere/XDG_CONFIG_HOME" : "/home/someone/.config");
        EXPECT_EQ(XdgFolders::dataHome(), used ? "/elsewhere/XDG_DATA_HOME" : "/home/someone/.local/share");
        EXPECT_EQ(XdgFolders::runtimeDir().value_or("unset"), used ? "/elsewhere/XDG_RUNTIME_DIR" : "unset");
    }
    ::setenv("HOME", "relative", 1);
    // Then from the password database.
    const auto fallback = XdgFolders::configHome();
    EXPECT_TRUE(!fallback || (fallback->is_absolute() && fallback->filename() == ".config"));

    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        saved.contains(name) ? qputenv(name, saved.value(name).toLocal8Bit()) : qunsetenv(name);
}
