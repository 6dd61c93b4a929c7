#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>

#include "platform/UserDefaults.h"

namespace tavelo::test {

// User defaults in memory, with the values' types kept.
class FakeUserDefaults final : public UserDefaults {
public:
    std::map<std::string, std::variant<std::string, bool>> values;
    int writes = 0;

    std::optional<std::string> string(const std::string &key) const override
    {
        auto it = values.find(key);
        const std::string *value = it == values.end() ? nullptr : std::get_if<std::string>(&it->second);
        return value ? std::optional(*value) : std::nullopt;
    }
    bool boolean(const std::string &key) const override
    {
        auto it = values.find(key);
        return it != values.end() && std::holds_alternative<bool>(it->second) && std::get<bool>(it->second);
    }
    void setString(const std::string &key, const std::string &value) override { values[key] = value, ++writes; }
    void setBoolean(const std::string &key, bool value) override { values[key] = value, ++writes; }
    void remove(const std::string &key) override { values.erase(key), ++writes; }
};

} // namespace tavelo::test
