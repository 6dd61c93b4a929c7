// Settings decoding: never crashes, and whatever decodes survives the store's
// encoding unchanged once sanitised.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/BreakModels.h"
#include "core/BreakSettingsStore.h"

using tavelo::BreakSettings;

namespace {

bool inRange(const BreakSettings &s)
{
    return s.focusMinutes >= 1 && s.shortBreakSeconds >= 5 && s.longBreakMinutes >= 1 && s.longBreakEvery >= 1 &&
           s.postponeMinutes >= 1 && s.preBreakWarningSeconds >= 0 && s.preBreakWarningSeconds <= 60 &&
           s.idleThresholdSeconds >= 0 && s.idleThresholdSeconds <= 3600;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::string error;
    const auto decoded = BreakSettings::decode(text, &error);
    if (!decoded) {
        if (error.empty())
            std::abort();
        return 0;
    }
    const BreakSettings clean = decoded->sanitized();
    if (!inRange(clean) || clean.sanitized() != clean || clean.strictMode != decoded->strictMode)
        std::abort();
    const auto again = BreakSettings::decode(tavelo::BreakSettingsStore::encode(*decoded));
    if (!again || *again != clean)
        std::abort();
    return 0;
}
