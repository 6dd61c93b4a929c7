#pragma once

#include <memory>

#include <QString>

#include "platform/UserDefaults.h"

class QSettings;

namespace tavelo {

// User defaults in QSettings: ~/.config/Tavelo/Tavelo.conf on Linux.
class QSettingsUserDefaults final : public UserDefaults {
public:
    // The user's own store (organisation and application "Tavelo").
    QSettingsUserDefaults();
    // A store in the INI file at `filePath`, for tests and tools.
    explicit QSettingsUserDefaults(const QString &filePath);
    ~QSettingsUserDefaults() override;

    std::optional<std::string> string(const std::string &key) const override;
    void setString(const std::string &key, const std::string &value) override;
    bool boolean(const std::string &key) const override;
    void setBoolean(const std::string &key, bool value) override;
    void remove(const std::string &key) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tavelo
