#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/BreakSettingsStore.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;
namespace fs = std::filesystem;

namespace {

volatile unsigned g_spinSink = 0;

// Saves the two records alternately until killed, writing a byte to `progress`
// after each save.
[[noreturn]] void saveForever(const fs::path &home, const BreakSettings &a, const BreakSettings &b, int progress)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ::fcntl(progress, F_SETFL, O_NONBLOCK);
    std::ostringstream errors;
    BreakSettingsStore store([&] { return home; }, errors);
    for (long n = 0; n < 100000; ++n) {
        store.save(n % 2 == 0 ? b : a);
        const char done = 'x';
        [[maybe_unused]] const auto ignored = ::write(progress, &done, 1);
    }
    ::_exit(0);
}

} // namespace

TEST(BreakSettingsStoreCrash, AKilledSaveLeavesEitherTheOldOrTheNewRecord)
{
    // SIGKILL tests atomicity, not durability, so a memory file system serves and
    // keeps each save short enough for the kills to land all over it.
    std::error_code ec;
    const bool shm = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0;
    test::TemporaryFolder tmp(shm ? fs::path("/dev/shm") : test::TemporaryFolder::defaultBase());
    const fs::path home = tmp.path();
    // Different lengths, so a torn or partly written file cannot pass for either.
    const BreakSettings a{25, 20, 15, 4, 5, 10, 300, true};
    const BreakSettings b{1234567890123, 45, 90, 12, 30, 60, 3600, false};
    BreakSettingsStore(([&] { return home; })).save(a);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int endedOnA = 0;
    int endedOnB = 0;
    for (int round = 0; round < 220; ++round) {
        int progress[2];
        ASSERT_EQ(::pipe2(progress, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(home, a, b, progress[1]);
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
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;

        std::ostringstream errors;
        const BreakSettings loaded = BreakSettingsStore([&] { return home; }, errors).load();
        ASSERT_EQ(errors.str(), "") << "round " << round;
        ASSERT_TRUE(loaded == a || loaded == b) << "round " << round;
        (loaded == a ? endedOnA : endedOnB)++;
    }
    // Both outcomes turn up, or the kills were not landing at random moments.
    EXPECT_GT(endedOnA, 0);
    EXPECT_GT(endedOnB, 0);

    // Killed saves may leave their temporary files, and nothing else.
    for (const auto &entry : fs::directory_iterator(home / "Tavelo")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "settings.json" || name.starts_with(".settings.json.")) << name;
    }
}
