#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/BreakSettingsStore.h"
#include "support/FakeFileSystem.h"

using namespace tavelo;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSaveFailed = "Failed to save settings: ";
const fs::path kFolder = "/home/u/.config/Tavelo";
const fs::path kFile = kFolder / "settings.json";

class BreakSettingsStoreTest : public ::testing::Test {
protected:
    std::string takeErrors() { return std::exchange(errors, std::ostringstream()).str(); }

    // Exactly one line, starting with `prefix`, with a description free of control characters.
    void expectOneLine(std::string_view prefix)
    {
        const std::string text = takeErrors();
        EXPECT_TRUE(text.starts_with(prefix) && text.ends_with('\n') && text.size() > prefix.size() + 1) << text;
        EXPECT_TRUE(std::all_of(text.begin(), text.end() - 1, [](unsigned char c) { return c >= 0x20; })) << text;
    }

    test::FakeFileSystem files;
    std::ostringstream errors;
    BreakSettingsStore store{files, kFolder, errors};
};

} // namespace

TEST_F(BreakSettingsStoreTest, LoadsSanitisedSettingsOrTheDefaults)
{
    // First starts and unreadable files give the defaults silently.
    EXPECT_EQ(store.load(), BreakSettings::standard);
    EXPECT_TRUE(files.folders.contains(kFolder) && files.files.empty());
    files.files[kFile] = R"({"focusMinutes": 50})", files.unreadable.insert(kFile);
    EXPECT_EQ(store.load(), BreakSettings::standard);
    files.unreadable.clear(), files.folderError = "create folder: Not a directory";
    EXPECT_EQ(store.load(), BreakSettings::standard);
    EXPECT_EQ(BreakSettingsStore(files, fs::path("relative"), errors).load(), BreakSettings::standard);
    files.folderError.reset();
    BreakSettings focus50 = BreakSettings::standard, sanitised = BreakSettings::standard;
    focus50.focusMinutes = 50;
    sanitised.focusMinutes = 1, sanitised.preBreakWarningSeconds = 60, sanitised.postponeMinutes = INT64_MAX;
    const std::string big(BreakSettingsStore::kMaxFileBytes - 20, ' ');
    // Decoding itself is tested with BreakSettings; these are the store's own cases.
    const std::pair<std::string, BreakSettings> usable[] = {
        {"{}", BreakSettings::standard},
        {"\xEF\xBB\xBF{\n\t\"focusMinutes\" : 50, \"future\": {\"nested\": [1]}}\n", focus50},
        {R"({"focusMinutes": 0, "preBreakWarningSeconds": 600, "postponeMinutes": 9223372036854775807})", sanitised},
        {big + R"({"focusMinutes": 50})", focus50}};
    const auto loadFrom = [&](const std::string &content) { return files.files[kFile] = content, store.load(); };
    for (const auto &[content, expected] : usable) {
        EXPECT_EQ(loadFrom(content), expected) << content.substr(0, 40);
        EXPECT_EQ(files.files[kFile], content) << "load never rewrites";
    }
    EXPECT_EQ(takeErrors(), "");
    for (const std::string &corrupt :
         {std::string(), std::string("hello"), std::string("{\"focusMinutes\": 7}\0junk", 24),
          std::string("{\"note\xFF\": 1}"), std::string("\x01\x02\n\x1B[31m"), big + "   "}) {
        EXPECT_EQ(loadFrom(corrupt), BreakSettings::standard) << corrupt.substr(0, 40);
        expectOneLine("Tavelo: ignoring corrupt settings.json, using defaults: ");
    }
}

TEST_F(BreakSettingsStoreTest, SavesAllKeysSortedAndSanitisedOrReportsOneEscapedLineAndKeepsTheFile)
{
    const BreakSettings s{90, 1, 20, 3, 10, -1, 7200, false},
        huge{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, 60, 3600, false};
    const auto roundTrip = [&](const BreakSettings &x) { return store.save(x), store.load(); };
    EXPECT_EQ(roundTrip(huge), huge.sanitized());
    EXPECT_EQ(roundTrip(s), s.sanitized());
    const std::string text = files.files[kFile];
    EXPECT_EQ(text, nlohmann::json::parse(text).dump(2) + "\n") << "sorted, two-space indent";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10) << "all eight keys, one per line:\n" << text;
    EXPECT_EQ(takeErrors(), "");
    files.folderError = "create folder /x: Not a directory\n\x1B[31m\xFF";
    store.save(BreakSettings::standard);
    expectOneLine(kSaveFailed);
    BreakSettingsStore(files, std::nullopt, errors).save(BreakSettings::standard);
    expectOneLine(kSaveFailed);
    // Printable characters at each UTF-8 length edge pass; C0, DEL, C1 and stray bytes are escaped.
    files.folderError.reset();
    files.replaceError = "\x7E\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBD\xC2\xA0\x7F\xC2\x80\xC2\x9F\xF4\x90\x80\x80\x1B";
    store.save(BreakSettings::standard);
    EXPECT_EQ(takeErrors(), std::string(kSaveFailed) +
                                "\x7E\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBD\xC2\xA0\\x7F\\xC2\\x80\\xC2\\x9F"
                                "\\xF4\\x90\\x80\\x80\\x1B\n");
    EXPECT_EQ(files.files[kFile], text);
}
