#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/BreakSettingsStore.h"
#include "support/FakeFileSystem.h"

using namespace tavelo;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCorrupt = "Tavelo: ignoring corrupt settings.json, using defaults: ";
constexpr std::string_view kSaveFailed = "Failed to save settings: ";
const fs::path kFolder = "/home/u/.config/Tavelo";
const fs::path kFile = kFolder / "settings.json";

class BreakSettingsStoreTest : public ::testing::Test {
protected:
    std::string takeErrors() { return std::exchange(errors, std::ostringstream()).str(); }

    // Exactly one line, starting with `prefix`, free of control characters.
    void expectOneLine(std::string_view prefix)
    {
        const std::string text = takeErrors();
        EXPECT_TRUE(text.starts_with(prefix)) << text;
        EXPECT_GT(text.size(), prefix.size() + 1) << "no error description";
        EXPECT_TRUE(text.ends_with('\n'));
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            EXPECT_GE(static_cast<unsigned char>(text[i]), 0x20) << "control byte at " << i << ": " << text;
    }

    test::FakeFileSystem files;
    std::ostringstream errors;
    BreakSettingsStore store{files, kFolder, errors};
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
    EXPECT_EQ(store.load(), BreakSettings::standard);
    EXPECT_TRUE(files.folders.contains(kFolder));
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, UsableFilesLoadSanitisedAndSilently)
{
    BreakSettings sanitised = withFocus(1);
    sanitised.preBreakWarningSeconds = 60;
    sanitised.postponeMinutes = INT64_MAX; // only sanitised; the engine caps lengths
    const std::vector<std::pair<std::string, BreakSettings>> cases{
        {"{}", BreakSettings::standard},
        {R"({"focusMinutes": 50, "future": {"nested": [1]}, "idleThresholdSeconds": null})", withFocus(50)},
        {"\xEF\xBB\xBF{\n\t\"focusMinutes\" : 50\n}\n", withFocus(50)},
        {R"({"focusMinutes": 0, "preBreakWarningSeconds": 600, "postponeMinutes": 9223372036854775807})", sanitised},
        {std::string(BreakSettingsStore::kMaxFileBytes - 20, ' ') + R"({"focusMinutes": 50})", withFocus(50)},
    };
    for (const auto &[content, expected] : cases) {
        files.files[kFile] = content;
        EXPECT_EQ(store.load(), expected) << content.substr(0, 80);
        EXPECT_EQ(files.files[kFile], content) << "load never rewrites";
    }
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, CorruptFilesGiveDefaultsAndOneEscapedLine)
{
    // Decoding itself is tested with BreakSettings; these are the store's own checks.
    for (const std::string &content :
         {std::string(), std::string("hello"), std::string("{}\0", 3), std::string("{\"focusMinutes\": 7}\0junk", 24),
          std::string("{\"note\xFF\": 1}"), std::string("\x01\x02\n\x1B[31m"),
          std::string(BreakSettingsStore::kMaxFileBytes + 1, ' ')}) {
        SCOPED_TRACE(content.substr(0, 40));
        files.files[kFile] = content;
        EXPECT_EQ(store.load(), BreakSettings::standard);
        expectOneLine(kCorrupt);
    }
}

TEST_F(BreakSettingsStoreTest, MissingFoldersAndUnreadableFilesGiveDefaultsSilently)
{
    files.files[kFile] = R"({"focusMinutes": 50})";
    files.unreadable.insert(kFile);
    EXPECT_EQ(store.load(), BreakSettings::standard);
    files.unreadable.clear();
    files.folderError = "create folder: Not a directory";
    EXPECT_EQ(store.load(), BreakSettings::standard);
    for (const std::optional<fs::path> &folder : {std::optional<fs::path>(), std::optional<fs::path>("relative")})
        EXPECT_EQ(BreakSettingsStore(files, folder, errors).load(), BreakSettings::standard);
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, SaveWritesAllEightKeysSortedOnePerLineAndSanitised)
{
    BreakSettings s{90, 1, 20, 3, 10, -1, 7200, false};
    store.save(s);
    EXPECT_EQ(s.shortBreakSeconds, 1) << "the caller's record is not changed";
    const std::string text = files.files[kFile];
    EXPECT_EQ(text, nlohmann::json::parse(text).dump(2) + "\n") << "sorted, two-space indent";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10) << "all eight keys, one per line:\n" << text;
    EXPECT_EQ(nlohmann::json::parse(text)["shortBreakSeconds"], 5);

    for (const BreakSettings &extreme :
         {s, BreakSettings{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, 60, 3600, false},
          BreakSettings{1, 5, 1, 1, 1, 0, 0, true}}) {
        store.save(extreme);
        EXPECT_EQ(store.load(), extreme.sanitized());
    }
    EXPECT_EQ(takeErrors(), "");
}

TEST_F(BreakSettingsStoreTest, FailedSavesReportOneLineAndKeepTheOldFile)
{
    files.files[kFile] = "old";
    files.replaceError = "write /x/.settings.json.1: No space left\n\x1B[31m\xFF";
    store.save(withFocus(55));
    expectOneLine(kSaveFailed);

    files.replaceError.reset();
    files.folderError = "create folder /x: Not a directory";
    store.save(withFocus(55));
    expectOneLine(kSaveFailed);
    EXPECT_EQ(files.files[kFile], "old");

    BreakSettingsStore(files, std::nullopt, errors).save(BreakSettings::standard);
    expectOneLine(kSaveFailed);
}

TEST_F(BreakSettingsStoreTest, ErrorLinesEscapeControlsAndMalformedUtf8Only)
{
    // Printable characters at each UTF-8 length edge pass; C0, DEL, C1 and stray bytes are escaped.
    files.replaceError = "\x7E\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBD\xC2\xA0\x7F\xC2\x80\xC2\x9F\xF4\x90\x80\x80\x1B";
    store.save(BreakSettings::standard);
    EXPECT_EQ(takeErrors(), std::string(kSaveFailed) +
                                "\x7E\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBD\xC2\xA0\\x7F\\xC2\\x80\\xC2\\x9F"
                                "\\xF4\\x90\\x80\\x80\\x1B\n");
}
