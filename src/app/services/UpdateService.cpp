#include "app/services/UpdateService.h"

#include <iostream>
#include <utility>

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include "core/AppVersion.h"

namespace tavelo {

namespace {

// Only https addresses are ever fetched or opened: a tampered feed must not be able to
// open a local file or hand an address to some other program.
bool isHttpsAddress(const std::string &text)
{
    const QUrl url(QString::fromStdString(text), QUrl::StrictMode);
    return url.isValid() && url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
           !url.host().isEmpty();
}

std::string feedUrlFrom(const std::optional<std::string> &given)
{
    if (!given || isHttpsAddress(*given))
        return given.value_or(UpdateService::defaultFeedUrl);
    std::cerr << "Tavelo: update feed address is not https, using the built-in one: " << *given << '\n';
    return UpdateService::defaultFeedUrl;
}

} // namespace

UpdateService::UpdateService(HttpSession &session, NotificationCenter &center, UserDefaults &defaults,
                             const BundleInfo &bundle, Workspace &workspace, MainLoop &loop,
                             FeedArchitecture architecture)
    : m_isAvailable(bundle.isInstalled()), m_session(session), m_center(center), m_defaults(defaults), m_bundle(bundle),
      m_workspace(workspace), m_loop(loop), m_architecture(architecture),
      m_feedUrl(feedUrlFrom(bundle.updateFeedUrl())), m_self(std::make_shared<UpdateService *>(this))
{
    if (!m_isAvailable)
        return;
    std::weak_ptr<UpdateService *> weak = m_self;
    m_center.setClickHandler([weak](const std::string &identifier) {
        if (auto self = weak.lock())
            (*self)->handleClick(identifier);
    });
    auto check = [weak] {
        if (auto self = weak.lock())
            (*self)->checkForUpdates(false);
    };
    loop.postAfter(firstCheckDelay, check);
    m_timer = loop.every(checkInterval, check);
}

UpdateService::~UpdateService() = default;

void UpdateService::checkForUpdates(bool force)
{
    if (!m_isAvailable)
        return;
    if (force)
        postChecking();
    // Whichever comes first, the answer or the deadline, settles the check.
    auto pending = std::make_shared<bool>(true);
    std::weak_ptr<UpdateService *> weak = m_self;
    m_session.get(m_feedUrl, [weak, force, pending](std::optional<HttpResponse> response, const std::string &) {
        auto self = weak.lock();
        if (self && std::exchange(*pending, false))
            (*self)->handleResponse(response, force);
    });
    m_loop.postAfter(checkDeadline, [weak, force, pending] {
        auto self = weak.lock();
        if (self && std::exchange(*pending, false))
            (*self)->handleResponse(std::nullopt, force);
    });
}

void UpdateService::handleResponse(const std::optional<HttpResponse> &response, bool force)
{
    // The status is not examined: an error page simply does not decode as a feed.
    std::optional<UpdateFeed> feed = response ? UpdateFeed::decode(response->body) : std::nullopt;
    const UpdateFeed::PlatformInfo *entry = feed ? feed->entryFor(m_architecture) : nullptr;
    if (!entry || !isHttpsAddress(entry->url)) {
        if (force)
            postCheckFailed();
        return;
    }
    if (AppVersion(currentVersion()) < AppVersion(entry->version))
        handleUpdateFound(entry->version, entry->url, force);
    else if (force)
        postUpToDate();
}

void UpdateService::handleUpdateFound(const std::string &version, const std::string &url, bool force)
{
    if (!force && m_defaults.string(lastNotifiedKey) == version)
        return;
    m_defaults.setString(lastNotifiedKey, version);
    m_pendingDownloadUrl = url;
    if (force)
        m_center.removeDelivered({checkResultIdentifier});
    const QString body = QCoreApplication::translate("UpdateService", "Tavelo v%1 is ready to download.")
                             .arg(QString::fromStdString(version));
    m_center.add({updateAvailableIdentifier,
                  QCoreApplication::translate("UpdateService", "Update available").toStdString(), body.toStdString(),
                  true});
}

void UpdateService::postChecking()
{
    m_center.add(
        {checkResultIdentifier, QCoreApplication::translate("UpdateService", "Checking for updates…").toStdString(),
         QCoreApplication::translate("UpdateService", "Tavelo is looking for a newer version.").toStdString(), false});
}

void UpdateService::postUpToDate()
{
    const QString body = QCoreApplication::translate("UpdateService", "Tavelo v%1 is the latest version.")
                             .arg(QString::fromStdString(currentVersion()));
    m_center.add({checkResultIdentifier,
                  QCoreApplication::translate("UpdateService", "You're up to date").toStdString(), body.toStdString(),
                  false});
}

void UpdateService::postCheckFailed()
{
    m_center.add(
        {checkResultIdentifier, QCoreApplication::translate("UpdateService", "Update check failed").toStdString(),
         QCoreApplication::translate("UpdateService",
                                     "Tavelo could not find out whether a newer version exists. Try again later.")
             .toStdString(),
         false});
}

void UpdateService::handleClick(const std::string &identifier)
{
    if (identifier == updateAvailableIdentifier && m_pendingDownloadUrl)
        m_workspace.openUrl(*m_pendingDownloadUrl);
}

std::string UpdateService::currentVersion() const
{
    return m_bundle.shortVersion().value_or("0");
}

} // namespace tavelo
