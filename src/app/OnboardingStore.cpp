#include "app/OnboardingStore.h"

#include "platform/UserDefaults.h"

namespace tavelo {

bool OnboardingStore::onboardingCompleted() const
{
    return m_defaults.boolean(completedKey);
}

void OnboardingStore::setOnboardingCompleted(bool completed)
{
    m_defaults.setBoolean(completedKey, completed);
}

std::optional<std::string> OnboardingStore::lastSeenVersion() const
{
    return m_defaults.string(lastVersionKey);
}

void OnboardingStore::setLastSeenVersion(const std::string &version)
{
    m_defaults.setString(lastVersionKey, version);
}

} // namespace tavelo
