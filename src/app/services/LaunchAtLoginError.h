#pragma once

#include <QCoreApplication>
#include <string>

namespace tavelo {

// Why launch at login could not be switched. `description()` is the text the user sees.
class LaunchAtLoginError {
public:
    enum class Kind {
        launchctlFailed,         // systemctl failed; the payload says how
        unsupported,             // not an installed build
        missingBundleIdentifier, // no place for the fallback unit
        platform,                // a file-system or process error; the payload is its description
    };

    static LaunchAtLoginError launchctlFailed(std::string detail) { return {Kind::launchctlFailed, std::move(detail)}; }
    static LaunchAtLoginError unsupported() { return {Kind::unsupported, {}}; }
    static LaunchAtLoginError missingBundleIdentifier() { return {Kind::missingBundleIdentifier, {}}; }
    static LaunchAtLoginError platform(std::string description) { return {Kind::platform, std::move(description)}; }

    Kind kind() const { return m_kind; }
    const std::string &payload() const { return m_payload; }
    std::string description() const;

    bool operator==(const LaunchAtLoginError &) const = default;

private:
    LaunchAtLoginError(Kind kind, std::string payload) : m_kind(kind), m_payload(std::move(payload)) {}

    Kind m_kind;
    std::string m_payload;

    Q_DECLARE_TR_FUNCTIONS(tavelo::LaunchAtLoginError)
};

} // namespace tavelo
