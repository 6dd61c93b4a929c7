#include "core/BreakModels.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

namespace tavelo {

std::string_view rawValue(BreakType type)
{
    return type == BreakType::micro ? "micro" : "long";
}

std::optional<BreakType> breakTypeFromRaw(std::string_view raw)
{
    if (raw == "micro")
        return BreakType::micro;
    if (raw == "long")
        return BreakType::long_;
    return std::nullopt;
}

std::string_view label(BreakType type)
{
    return type == BreakType::micro ? "Microbreak" : "Long break";
}

std::string_view rawValue(TimerPhase phase)
{
    return phase == TimerPhase::focus ? "focus" : "breakTime";
}

std::optional<TimerPhase> timerPhaseFromRaw(std::string_view raw)
{
    if (raw == "focus")
        return TimerPhase::focus;
    if (raw == "breakTime")
        return TimerPhase::breakTime;
    return std::nullopt;
}

BreakSettings BreakSettings::sanitized() const
{
    BreakSettings s = *this;
    s.focusMinutes = std::max<std::int64_t>(focusMinutes, 1);
    s.shortBreakSeconds = std::max<std::int64_t>(shortBreakSeconds, 5);
    s.longBreakMinutes = std::max<std::int64_t>(longBreakMinutes, 1);
    s.longBreakEvery = std::max<std::int64_t>(longBreakEvery, 1);
    s.postponeMinutes = std::max<std::int64_t>(postponeMinutes, 1);
    s.preBreakWarningSeconds = std::clamp<std::int64_t>(preBreakWarningSeconds, 0, 60);
    s.idleThresholdSeconds = std::clamp<std::int64_t>(idleThresholdSeconds, 0, 3600);
    return s;
}

nlohmann::json BreakSettings::toJson() const
{
    return nlohmann::json{
        {"focusMinutes", focusMinutes},
        {"shortBreakSeconds", shortBreakSeconds},
        {"longBreakMinutes", longBreakMinutes},
        {"longBreakEvery", longBreakEvery},
        {"postponeMinutes", postponeMinutes},
        {"preBreakWarningSeconds", preBreakWarningSeconds},
        {"idleThresholdSeconds", idleThresholdSeconds},
        {"strictMode", strictMode},
    };
}

namespace {

bool fail(std::string *error, std::string message)
{
    if (error)
        *error = std::move(message);
    return false;
}

// Integers in JSON's own sense must fit a signed 64-bit integer. A number written with a
// fraction or exponent (5.0, 1e3) counts when it is whole and within ±2^53, where a double
// holds every integer exactly; beyond that it may have been rounded while parsing, so
// -9223372036854775809 could pass as INT64_MIN.
constexpr double kMaxExactInteger = 9007199254740992.0;

bool readInteger(const nlohmann::json &object, const char *key, std::int64_t &out, std::string *error)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return true;
    if (it->is_number_integer() && !it->is_number_unsigned()) {
        out = it->get<std::int64_t>();
        return true;
    }
    if (it->is_number_unsigned()) {
        const auto value = it->get<std::uint64_t>();
        if (value <= static_cast<std::uint64_t>(INT64_MAX)) {
            out = static_cast<std::int64_t>(value);
            return true;
        }
        return fail(error, std::string("value of \"") + key + "\" does not fit a 64-bit integer");
    }
    if (it->is_number_float()) {
        const double value = it->get<double>();
        if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) <= kMaxExactInteger) {
            out = static_cast<std::int64_t>(value);
            return true;
        }
        return fail(error, std::string("value of \"") + key + "\" is not a whole 64-bit number");
    }
    return fail(error, std::string("expected an integer for \"") + key + "\"");
}

bool readBool(const nlohmann::json &object, const char *key, bool &out, std::string *error)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return true;
    if (!it->is_boolean())
        return fail(error, std::string("expected true or false for \"") + key + "\"");
    out = it->get<bool>();
    return true;
}

} // namespace

std::optional<BreakSettings> BreakSettings::fromJson(const nlohmann::json &json, std::string *error)
{
    if (!json.is_object()) {
        fail(error, "expected a JSON object");
        return std::nullopt;
    }
    BreakSettings s = standard;
    const bool ok = readInteger(json, "focusMinutes", s.focusMinutes, error) &&
                    readInteger(json, "shortBreakSeconds", s.shortBreakSeconds, error) &&
                    readInteger(json, "longBreakMinutes", s.longBreakMinutes, error) &&
                    readInteger(json, "longBreakEvery", s.longBreakEvery, error) &&
                    readInteger(json, "postponeMinutes", s.postponeMinutes, error) &&
                    readInteger(json, "preBreakWarningSeconds", s.preBreakWarningSeconds, error) &&
                    readInteger(json, "idleThresholdSeconds", s.idleThresholdSeconds, error) &&
                    readBool(json, "strictMode", s.strictMode, error);
    if (!ok)
        return std::nullopt;
    return s;
}

std::optional<BreakSettings> BreakSettings::decode(std::string_view text, std::string *error)
{
    // The parser stops at a NUL byte and would accept whatever garbage follows it.
    if (text.find('\0') != std::string_view::npos) {
        fail(error, "unexpected NUL byte");
        return std::nullopt;
    }
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::exception &e) {
        fail(error, e.what());
        return std::nullopt;
    }
    return fromJson(json, error);
}

} // namespace tavelo
