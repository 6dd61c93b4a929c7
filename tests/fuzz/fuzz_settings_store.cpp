// The store's load path through a real file: defaults or a sanitised record,
// at most one well-formed message, and the file left exactly as it was. What
// loads cleanly saves and loads back the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include <stdlib.h>

#include "core/BreakSettingsStore.h"

namespace fs = std::filesystem;
using tavelo::BreakSettings;
using tavelo::BreakSettingsStore;

namespace {

constexpr std::string_view kCorrupt = "Tavelo: ignoring corrupt settings.json, using defaults: ";

const fs::path &home()
{
    static const fs::path path = [] {
        // run-fuzzers.sh points TMPDIR at a memory file system it cleans up itself;
        // libFuzzer may end without running exit handlers.
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavelo-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(home(), ignored);
        });
        return fs::path(pattern);
    }();
    return path;
}

std::string readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool oneLine(const std::string &message)
{
    if (!message.starts_with(kCorrupt) || message.back() != '\n')
        return false;
    for (std::size_t i = 0; i + 1 < message.size(); ++i)
        if (static_cast<unsigned char>(message[i]) < 0x20)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    const fs::path file = home() / "Tavelo" / "settings.json";
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;

    std::ostringstream errors;
    const BreakSettingsStore store([] { return home(); }, errors);
    const BreakSettings loaded = store.load();
    const std::string message = errors.str();
    if (loaded.sanitized() != loaded || readAll(file) != content)
        std::abort();

    const auto decoded = BreakSettings::decode(content);
    if (!message.empty()) {
        if (!oneLine(message) || loaded != BreakSettings::standard)
            std::abort();
        return 0;
    }
    // A clean load is the decoded record, sanitised.
    if (!decoded || loaded != decoded->sanitized())
        std::abort();

    store.save(loaded);
    if (!errors.str().empty() || store.load() != loaded)
        std::abort();
    return 0;
}
