#include "app/services/LaunchAtLoginError.h"

#include <QCoreApplication>

namespace tavelo {

std::string LaunchAtLoginError::description() const
{
    switch (m_kind) {
    case Kind::launchctlFailed:
        return tr("Could not update login service: ").toStdString() + m_payload;
    case Kind::unsupported:
        return tr("Launch at login is available only when Tavelo is installed.").toStdString();
    case Kind::missingBundleIdentifier:
        return tr("Missing application ID. Reinstall Tavelo with its desktop entry.").toStdString();
    case Kind::platform:
        return m_payload;
    }
    return m_payload;
}

} // namespace tavelo
