#pragma once

#include <optional>
#include <string>

namespace tavelo {

// Small persistent values kept for the user between runs, under reverse-domain keys.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    // The text under `key`; nothing when absent or not text.
    virtual std::optional<std::string> string(const std::string &key) const = 0;
    virtual void setString(const std::string &key, const std::string &value) = 0;
    // The flag under `key`; false when absent or not a flag.
    virtual bool boolean(const std::string &key) const = 0;
    virtual void setBoolean(const std::string &key, bool value) = 0;
    virtual void remove(const std::string &key) = 0;
};

} // namespace tavelo
