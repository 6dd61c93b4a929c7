// The store's load path over an in-memory file: defaults or a sanitised record,
// at most one well-formed message, and the file left exactly as it was. What
// loads cleanly saves and loads back the same.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/BreakSettingsStore.h"
#include "support/FakeFileSystem.h"

using tavelo::BreakSettings;
using tavelo::BreakSettingsStore;

namespace {

constexpr std::string_view kCorrupt = "Tavelo: ignoring corrupt settings.json, using defaults: ";

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
    const std::filesystem::path folder = "/config/Tavelo";
    const std::filesystem::path file = folder / "settings.json";
    tavelo::test::FakeFileSystem files;
    files.files[file] = content;

    std::ostringstream errors;
    BreakSettingsStore store(files, folder, errors);
    const BreakSettings loaded = store.load();
    const std::string message = errors.str();
    if (loaded.sanitized() != loaded || files.files[file] != content)
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
