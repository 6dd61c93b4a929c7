#include "app/services/LaunchAtLoginService.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "platform/BundleInfo.h"
#include "platform/LoginItemService.h"
#include "platform/UnitFileStore.h"

namespace tavelo {

namespace {

// A capped capture may end inside a character; that is not the child's fault.
void dropIncompleteTail(std::string &bytes)
{
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(4, size); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        // erase, not resize: g++ 12 at -O3 warns falsely (-Wrestrict) on a shrinking resize.
        if (length > back)
            bytes.erase(size - back);
        return;
    }
}

// The child's own words for what went wrong, or nothing when it said nothing usable.
std::optional<std::string> complaint(const ProcessRunner::Result &result)
{
    std::string bytes = result.standardError;
    if (result.standardErrorTruncated)
        dropIncompleteTail(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = QString(decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))).trimmed();
    if (decoder.hasError() || text.isEmpty())
        return std::nullopt;
    return text.toStdString();
}

} // namespace

LaunchAtLoginService::LaunchAtLoginService(Environment environment) : m_env(std::move(environment)) {}

LaunchAtLoginService::~LaunchAtLoginService() = default;

std::optional<std::filesystem::path> LaunchAtLoginService::appExecutable() const
{
    if (!m_env.bundle.isInstalled() || m_env.executable.empty())
        return std::nullopt;
    return m_env.executable;
}

bool LaunchAtLoginService::isSupported() const
{
    return appExecutable().has_value();
}

std::string LaunchAtLoginService::launchAgentLabel() const
{
    const std::string identifier = m_env.bundle.identifier();
    return identifier.empty() ? std::string(kFallbackLabel) : identifier + ".loginitem";
}

std::optional<std::filesystem::path> LaunchAtLoginService::launchAgentPath() const
{
    return m_env.units.unitPath(launchAgentLabel());
}

bool LaunchAtLoginService::isLaunchAgentInstalled() const
{
    const std::optional<std::filesystem::path> path = launchAgentPath();
    return path && m_env.units.exists(*path);
}

LaunchAtLoginService::State LaunchAtLoginService::refreshState() const
{
    if (!isSupported())
        return {false, tr("Install Tavelo to enable this option.").toStdString()};
    switch (m_env.loginItem.status()) {
    case LoginItemService::Status::enabled:
        return {true, std::nullopt};
    case LoginItemService::Status::requiresApproval:
        return {true, tr("Enabled. Approve in your desktop's startup settings if needed.").toStdString()};
    case LoginItemService::Status::notRegistered:
    case LoginItemService::Status::notFound:
        break;
    }
    if (isLaunchAgentInstalled())
        return {true, tr("Enabled via systemd user service fallback.").toStdString()};
    return {false, std::nullopt};
}

void LaunchAtLoginService::setEnabled(bool enabled, Completion done)
{
    m_requests.push_back({enabled, std::move(done)});
    if (!m_busy)
        startNext();
}

void LaunchAtLoginService::startNext()
{
    if (m_requests.empty())
        return;
    m_busy = true;
    perform(m_requests.front().enabled,
            m_liveness.guard([this](const std::optional<LaunchAtLoginError> &error) { finish(error); }));
}

void LaunchAtLoginService::finish(const std::optional<LaunchAtLoginError> &error)
{
    Request request = std::move(m_requests.front());
    m_requests.pop_front();
    m_busy = false;
    const Liveness::Watch self = m_liveness.watch();
    if (request.done)
        request.done(error);
    // The completion may have queued (and started) another request, or ended the service.
    if (self.alive() && !m_busy)
        startNext();
}

void LaunchAtLoginService::perform(bool enabled, Step done)
{
    const std::optional<std::filesystem::path> executable = appExecutable();
    if (!executable) {
        done(LaunchAtLoginError::unsupported());
        return;
    }
    if (!enabled) {
        m_env.loginItem.unregisterItem();
        disableLaunchAgent(std::move(done));
        return;
    }
    if (registerWithLoginItem()) {
        // A fallback left from earlier goes; failing to remove it is no failure to enable.
        disableLaunchAgent([done](const std::optional<LaunchAtLoginError> &) { done(std::nullopt); });
        return;
    }
    enableLaunchAgent(*executable, std::move(done));
}

bool LaunchAtLoginService::registerWithLoginItem()
{
    return !m_env.loginItem.registerItem().has_value();
}

void LaunchAtLoginService::enableLaunchAgent(const std::filesystem::path &executable, Step done)
{
    const std::optional<std::filesystem::path> path = launchAgentPath();
    if (!path) {
        done(LaunchAtLoginError::missingBundleIdentifier());
        return;
    }
    const bool replacing = m_env.units.exists(*path);
    if (std::optional<std::string> error = m_env.units.write(*path, executable)) {
        done(LaunchAtLoginError::platform(std::move(*error)));
        return;
    }
    const std::string unit = path->filename().string();
    if (!replacing) {
        runSystemctl({"--user", "enable", unit}, std::move(done));
        return;
    }
    // Disabling first drops links left by the unit this one replaces, whatever it said.
    runSystemctl({"--user", "disable", unit},
                 m_liveness.guard([this, unit, done](const std::optional<LaunchAtLoginError> &) {
                     runSystemctl({"--user", "enable", unit}, done);
                 }));
}

void LaunchAtLoginService::disableLaunchAgent(Step done)
{
    const std::optional<std::filesystem::path> path = launchAgentPath();
    if (!path || !m_env.units.exists(*path)) {
        done(std::nullopt);
        return;
    }
    runSystemctl({"--user", "disable", path->filename().string()},
                 m_liveness.guard([this, path = *path, done](const std::optional<LaunchAtLoginError> &) {
                     if (!m_env.units.exists(path)) {
                         done(std::nullopt);
                         return;
                     }
                     std::optional<std::string> error = m_env.units.remove(path);
                     done(error ? std::optional(LaunchAtLoginError::platform(std::move(*error))) : std::nullopt);
                 }));
}

void LaunchAtLoginService::runSystemctl(std::vector<std::string> arguments, Step done)
{
    m_env.runner.run(m_env.systemctl, arguments, [done](const ProcessRunner::Result &result) {
        using Outcome = ProcessRunner::Result::Outcome;
        switch (result.outcome) {
        case Outcome::failedToStart:
            done(LaunchAtLoginError::platform(result.failure));
            return;
        case Outcome::timedOut: {
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(result.timeout).count();
            done(LaunchAtLoginError::launchctlFailed(
                tr("systemctl did not finish within %n s and was stopped.", nullptr, int(seconds)).toStdString()));
            return;
        }
        case Outcome::exited:
            if (result.exitStatus == 0) {
                done(std::nullopt);
                return;
            }
            break;
        case Outcome::crashed:
            break;
        }
        if (std::optional<std::string> text = complaint(result))
            done(LaunchAtLoginError::launchctlFailed(std::move(*text)));
        else
            done(LaunchAtLoginError::launchctlFailed(tr("systemctl exit ").toStdString() +
                                                     std::to_string(result.exitStatus)));
    });
}

} // namespace tavelo
