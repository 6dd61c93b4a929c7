#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace tavelo {

enum class BreakType { micro, long_ };

std::string_view rawValue(BreakType type);
std::optional<BreakType> breakTypeFromRaw(std::string_view raw);
// "Microbreak" or "Long break".
std::string_view label(BreakType type);
inline constexpr std::array<BreakType, 2> kAllBreakTypes{BreakType::micro, BreakType::long_};

enum class TimerPhase { focus, breakTime };

std::string_view rawValue(TimerPhase phase);
std::optional<TimerPhase> timerPhaseFromRaw(std::string_view raw);

struct BreakSettings {
    std::int64_t focusMinutes;
    std::int64_t shortBreakSeconds;
    std::int64_t longBreakMinutes;
    std::int64_t longBreakEvery;
    std::int64_t postponeMinutes;
    std::int64_t preBreakWarningSeconds;
    std::int64_t idleThresholdSeconds;
    bool strictMode;

    static const BreakSettings standard;
    static constexpr std::int64_t defaultIdleThresholdSeconds = 300;

    BreakSettings sanitized() const;
    bool operator==(const BreakSettings &) const = default;

    // All eight keys; nlohmann's object keeps them sorted by name.
    nlohmann::json toJson() const;
    // Absent or null keys take defaults, unknown keys are ignored, a value of the
    // wrong type fails the whole decode. Not sanitised.
    static std::optional<BreakSettings> fromJson(const nlohmann::json &json, std::string *error = nullptr);
    static std::optional<BreakSettings> decode(std::string_view text, std::string *error = nullptr);
};

inline constexpr BreakSettings kStandardSettings{25, 20, 15, 4, 5, 10, 300, true};
inline const BreakSettings BreakSettings::standard = kStandardSettings;

} // namespace tavelo
