#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "core/BreakSettingsStore.h"
#include "support/TemporaryFolder.h"

using namespace tavelo;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCorrupt = "Tavelo: ignoring corrupt settings.json, using defaults: ";
constexpr std::string_view kSaveFailed = "Failed to save settings: ";

class BreakSettingsStoreTest : public ::testing::Test {
protected:
    fs::path configHome() const { return m_tmp.path() / "config"; }
    fs::path folder() const { return configHome() / "Tavelo"; }
    fs::path file() const { return folder() / "settings.json"; }

    BreakSettingsStore store()
    {
        return BreakSettingsStore([this] { return configHome(); }, m_errors);
    }

    void writeFile(const std::string &bytes)
    {
        fs::create_directories(folder());
        std::ofstream(file(), std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string readFile() const
    {
        std::ifstream in(file(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string takeErrors() { return std::exchange(m_errors, std::ostringstream()).str(); }

    // Exactly one line, starting with `prefix`, free of control characters.
    void expectOneLine(const std::string &text, std::string_view prefix)
    {
        EXPECT_TRUE(text.starts_with(prefix)) << text;
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            EXPECT_FALSE(static_cast<unsigned char>(text[i]) < 0x20) << "control byte at " << i << ": " << text;
        EXPECT_GT(text.size(), prefix.size() + 1) << "no error description";
    }

    test::TemporaryFolder m_tmp;
    std::ostringstream m_errors;
};

BreakSettings withFocus(std::int64_t minutes)
{
    BreakSettings s = BreakSettings::standard;
    s.focusMinutes = minutes;
    return s;
}

} // namespace

TEST_F(BreakSettingsStoreTest, FirstStartCreatesTheFolderAndWritesNothing)
{
    EXPECT_EQ(store().load(), BreakSettings::standard);
    EXPECT_TRUE(fs::is_directory(folder()));
    EXPECT_TRUE(folderEntries().empty());
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, MissingKeysTakeDefaultsAndUnknownKeysAreIgnored)
{
    writeFile("{}");
    EXPECT_EQ(store().load(), BreakSettings::standard);

    writeFile(R"({"focusMinutes": 50, "future": {"nested": [1, 2]}, "idleThresholdSeconds": null})");
    EXPECT_EQ(store().load(), withFocus(50));

    BreakSettings gentle = BreakSettings::standard;
    gentle.strictMode = false;
    writeFile("\xEF\xBB\xBF{\n\t\"strictMode\" : false\n}\n"); // a BOM and any layout are fine
    EXPECT_EQ(store().load(), gentle);
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, OutOfRangeValuesAreSanitisedOnLoadAndTheFileIsLeftAlone)
{
    const std::string content = R"({"focusMinutes": 0, "shortBreakSeconds": -3, "preBreakWarningSeconds": 600,
        "idleThresholdSeconds": 9223372036854775807, "longBreakMinutes": -9223372036854775808,
        "postponeMinutes": 9223372036854775807, "longBreakEvery": 4.0})";
    writeFile(content);
    const BreakSettings loaded = store().load();
    EXPECT_EQ(loaded.focusMinutes, 1);
    EXPECT_EQ(loaded.shortBreakSeconds, 5);
    EXPECT_EQ(loaded.preBreakWarningSeconds, 60);
    EXPECT_EQ(loaded.idleThresholdSeconds, 3600);
    EXPECT_EQ(loaded.longBreakMinutes, 1);
    EXPECT_EQ(loaded.postponeMinutes, INT64_MAX); // only sanitised; the engine caps lengths
    EXPECT_EQ(loaded.longBreakEvery, 4);
    EXPECT_EQ(readFile(), content);
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, SaveWritesAllEightKeysSortedAndSanitised)
{
    BreakSettings s{90, 1, 20, 3, 10, -1, 7200, false};
    store().save(s);
    EXPECT_EQ(s.shortBreakSeconds, 1) << "the caller's record is not changed";
    EXPECT_EQ(takeErrors(), "");

    const std::string text = readFile();
    const std::vector<std::string> keys{
        "focusMinutes",    "idleThresholdSeconds",   "longBreakEvery",    "longBreakMinutes",
        "postponeMinutes", "preBreakWarningSeconds", "shortBreakSeconds", "strictMode"};
    std::size_t previous = 0;
    for (const auto &key : keys) {
        const auto at = text.find("\"" + key + "\"");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, previous) << key << " out of order";
        previous = at;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10) << "one key per line:\n" << text;
    const auto json = nlohmann::json::parse(text);
    EXPECT_EQ(json.size(), 8u);
    EXPECT_EQ(json["shortBreakSeconds"], 5);
    EXPECT_EQ(json["preBreakWarningSeconds"], 0);
    EXPECT_EQ(json["idleThresholdSeconds"], 3600);
    EXPECT_EQ(json["strictMode"], false);

    EXPECT_EQ(store().load(), s.sanitized());
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.json"}) << "no temporary file is left";
}

TEST_F(BreakSettingsStoreTest, SaveAndLoadRoundTripExtremes)
{
    for (const BreakSettings &s :
         {BreakSettings::standard,
          BreakSettings{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, 60, 3600, false},
          BreakSettings{1, 5, 1, 1, 1, 0, 0, true}}) {
        store().save(s);
        EXPECT_EQ(store().load(), s);
    }
    EXPECT_EQ(takeErrors(), "");
}

// Each gives the defaults, one corrupt-file line, and an untouched file.
TEST_F(BreakSettingsStoreTest, CorruptFilesGiveDefaultsAndOneLine)
{
    std::string deep(200000, '[');
    deep += std::string(200000, ']');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"empty", ""},
        {"whitespace", " \n\t "},
        {"a word", "hello"},
        {"an array", "[1, 2]"},
        {"a number", "42"},
        {"a string", "\"focusMinutes\""},
        {"null", "null"},
        {"truncated", "{\"focusMinutes\": 5"},
        {"trailing garbage", "{} {}"},
        {"NUL after object", std::string("{}\0", 3)},
        {"NUL then garbage", std::string("{\"focusMinutes\": 7}\0junk", 24)},
        {"string for an integer", R"({"focusMinutes": "50"})"},
        {"fraction", R"({"focusMinutes": 1.5})"},
        {"number for a boolean", R"({"strictMode": 1})"},
        {"string for a boolean", R"({"strictMode": "true"})"},
        {"object for an integer", R"({"longBreakEvery": {}})"},
        {"beyond 64 bits", R"({"focusMinutes": 99999999999999999999})"},
        {"just above int64", R"({"focusMinutes": 9223372036854775808})"},
        {"below int64", R"({"focusMinutes": -9223372036854775809})"},
        {"huge exponent", R"({"idleThresholdSeconds": 1e400})"},
        {"bad value after a good one", R"({"focusMinutes": 30, "strictMode": null, "postponeMinutes": [5]})"},
        {"invalid UTF-8 in a key", "{\"note\xFF\": 1}"},
        {"invalid UTF-8 in a value", "{\"note\": \"\xC3\x28\"}"},
        {"overlong UTF-8", "{\"note\": \"\xC0\xAF\"}"},
        {"encoded surrogate", "{\"note\": \"\xED\xA0\x80\"}"},
        {"bare high bytes", "\xFE\xFF{}"},
        {"UTF-16", std::string("\xFF\xFE{\0}\0", 6)},
        {"control characters", "\x01\x02\n\x1B[31m"},
        {"deep nesting", deep},
    };
    for (const auto &[name, content] : cases) {
        SCOPED_TRACE(name);
        writeFile(content);
        EXPECT_EQ(store().load(), BreakSettings::standard);
        expectOneLine(takeErrors(), kCorrupt);
        EXPECT_EQ(readFile(), content);
    }
}

TEST_F(BreakSettingsStoreTest, FilesOverOneMebibyteAreNotRead)
{
    const std::string tail = R"({"focusMinutes": 7})";
    writeFile(std::string(BreakSettingsStore::kMaxFileBytes - tail.size(), ' ') + tail);
    EXPECT_EQ(store().load(), withFocus(7)) << "exactly the limit is still read";
    EXPECT_EQ(takeErrors(), "");

    writeFile(std::string(BreakSettingsStore::kMaxFileBytes + 1 - tail.size(), ' ') + tail);
    EXPECT_EQ(store().load(), BreakSettings::standard);
    expectOneLine(takeErrors(), kCorrupt);

    // A sparse 1 TiB file would take ages to read; it must be refused from its size.
    writeFile("{}");
    fs::resize_file(file(), std::uintmax_t{1} << 40);
    EXPECT_EQ(store().load(), BreakSettings::standard);
    expectOneLine(takeErrors(), kCorrupt);
    EXPECT_EQ(fs::file_size(file()), std::uintmax_t{1} << 40);
}

TEST_F(BreakSettingsStoreTest, UnreadableOrMissingLocationsGiveDefaultsSilently)
{
    fs::create_directories(file() / "inside");
    EXPECT_EQ(store().load(), BreakSettings::standard) << "a directory in the file's place";
    EXPECT_TRUE(fs::is_directory(file() / "inside"));
    fs::remove_all(file());

    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    EXPECT_EQ(store().load(), BreakSettings::standard) << "a FIFO must not block";
    fs::remove(file());

    fs::create_symlink("/dev/zero", file());
    EXPECT_EQ(store().load(), BreakSettings::standard) << "a device";
    fs::remove(file());

    fs::create_symlink(folder() / "nowhere", file());
    EXPECT_EQ(store().load(), BreakSettings::standard) << "a dangling link";
    EXPECT_EQ(takeErrors(), "");

    std::ostringstream errors;
    const auto loadWith = [&](BreakSettingsStore::DirectoryProvider provider) {
        return BreakSettingsStore(std::move(provider), errors).load();
    };
    EXPECT_EQ(loadWith([] { return std::nullopt; }), BreakSettings::standard);
    EXPECT_EQ(loadWith([] { return fs::path("relative/config"); }), BreakSettings::standard);
    EXPECT_EQ(loadWith(nullptr), BreakSettings::standard);
    EXPECT_FALSE(fs::exists("relative"));
    std::ofstream(m_tmp.path() / "plain-file") << "x";
    EXPECT_EQ(loadWith([this] { return m_tmp.path() / "plain-file"; }), BreakSettings::standard);
    EXPECT_EQ(errors.str(), "");
}

TEST_F(BreakSettingsStoreTest, FailedWriteKeepsTheOldFileByteForByte)
{
    const std::string old = "{\n  \"focusMinutes\": 40, \"mine\": \"hand-edited\"\n}\n";
    writeFile(old);

    // Root ignores permission bits, but not a file-size limit: the temporary file
    // cannot take the new content, so the write itself fails.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    store().save(withFocus(55));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    expectOneLine(takeErrors(), kSaveFailed);
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.json"}) << "the temporary file is removed";
    EXPECT_EQ(store().load(), withFocus(40));
}

TEST_F(BreakSettingsStoreTest, FailedReplaceLeavesWhatWasThere)
{
    fs::create_directories(file() / "inside");
    store().save(withFocus(55));
    expectOneLine(takeErrors(), kSaveFailed);
    EXPECT_TRUE(fs::is_directory(file() / "inside"));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.json"}) << "the temporary file is removed";
}

TEST_F(BreakSettingsStoreTest, FolderThatCannotBeCreatedFailsTheSave)
{
    fs::create_directories(configHome());
    std::ofstream(folder(), std::ios::binary) << "not a folder";
    store().save(withFocus(55));
    expectOneLine(takeErrors(), kSaveFailed);
    std::ifstream in(folder(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a folder");

    std::ostringstream errors;
    BreakSettingsStore([] { return std::nullopt; }, errors).save(BreakSettings::standard);
    expectOneLine(errors.str(), kSaveFailed);
}

TEST_F(BreakSettingsStoreTest, SaveCreatesMissingFoldersAndReplacesACorruptFile)
{
    store().save(withFocus(33));
    EXPECT_EQ(store().load(), withFocus(33));
    writeFile("garbage");
    store().save(withFocus(34));
    EXPECT_EQ(store().load(), withFocus(34));
    EXPECT_EQ(takeErrors(), "");
}

TEST(BreakSettingsStoreConfigHome, FollowsTheXdgRule)
{
    const auto get = [](const char *name) -> std::optional<std::string> {
        const char *value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto put = [](const char *name, const std::optional<std::string> &value) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    };
    const auto savedXdg = get("XDG_CONFIG_HOME");
    const auto savedHome = get("HOME");

    put("HOME", "/home/someone");
    put("XDG_CONFIG_HOME", "/elsewhere/conf");
    EXPECT_EQ(BreakSettingsStore::defaultConfigHome(), fs::path("/elsewhere/conf"));
    put("XDG_CONFIG_HOME", "relative/conf");
    EXPECT_EQ(BreakSettingsStore::defaultConfigHome(), fs::path("/home/someone/.config"));
    put("XDG_CONFIG_HOME", "");
    EXPECT_EQ(BreakSettingsStore::defaultConfigHome(), fs::path("/home/someone/.config"));
    put("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(BreakSettingsStore::defaultConfigHome(), fs::path("/home/someone/.config"));
    put("HOME", std::nullopt);
    const auto fallback = BreakSettingsStore::defaultConfigHome();
    EXPECT_TRUE(!fallback || fallback->is_absolute()) << "from the password database";

    put("XDG_CONFIG_HOME", savedXdg);
    put("HOME", savedHome);
}
