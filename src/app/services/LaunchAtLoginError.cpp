#include "app/services/LaunchAtLoginError.h"

#include <QCoreApplication>

namespace tavelo {

namespace {
std::string tr(const char *text)
{
    return QCoreApplication::translate("tavelo::LaunchAtLoginError", text).toStdString();
}
} // namespace

std::string LaunchAtLoginError::description() const
{
    switch (m_kind) {
    case Kind::launchctlFailed:
        return tr("Could not update login service: ") + m_payload;
    case Kind::unsupported:
        return tr("Launch at login is available only when Tavelo is installed.");
    case Kind::missingBundleIdentifier:
        return tr("Missing application ID. Reinstall Tavelo with its desktop entry.");
    case Kind::platform:
        return m_payload;
    }
    return m_payload;
}

} // namespace tavelo
