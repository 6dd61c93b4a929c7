#pragma once

#include <optional>
#include <string>

namespace tavelo {

class UserDefaults;

// What the launch screens remember between runs: whether the tour was finished and
// which version last ran.
class OnboardingStore {
public:
    static constexpr const char *completedKey = "com.tavelo.app.onboardingCompleted";
    static constexpr const char *lastVersionKey = "com.tavelo.app.lastSeenVersion";

    explicit OnboardingStore(UserDefaults &defaults) : m_defaults(defaults) {}
    OnboardingStore(const OnboardingStore &) = delete;
    OnboardingStore &operator=(const OnboardingStore &) = delete;

    // False when never recorded.
    bool onboardingCompleted() const;
    void setOnboardingCompleted(bool completed);

    // Nothing when never recorded.
    std::optional<std::string> lastSeenVersion() const;
    void setLastSeenVersion(const std::string &version);

private:
    UserDefaults &m_defaults;
};

} // namespace tavelo
