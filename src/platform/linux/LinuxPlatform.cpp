#include "platform/linux/LinuxPlatform.h"

#include <QCoreApplication>

#include "platform/linux/BuildArchitecture.h"
#include "platform/linux/ChildProcessHttpSession.h"
#include "platform/linux/CombinedDoNotDisturb.h"
#include "platform/linux/DBusSingleInstance.h"
#include "platform/linux/DBusTimerEndpoint.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/GSettingsDoNotDisturb.h"
#include "platform/linux/LinuxBundleInfo.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/LockFileSingleInstance.h"
#include "platform/linux/LogindSleepWatcher.h"
#include "platform/linux/MakoModeDoNotDisturb.h"
#include "platform/linux/NotificationServerDoNotDisturb.h"
#include "platform/linux/PortalColorSchemeSource.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/QSettingsUserDefaults.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/SystemdUserUnitStore.h"
#include "platform/linux/X11WindowList.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "platform/linux/XdgFolders.h"
#include "platform/linux/XfconfDoNotDisturb.h"

namespace tavelo {

namespace {

template <typename T, typename... Args> T &made(std::unique_ptr<T> &slot, Args &&...args)
{
    if (!slot)
        slot = std::make_unique<T>(std::forward<Args>(args)...);
    return *slot;
}

} // namespace

std::unique_ptr<Platform> createPlatform()
{
    return std::make_unique<LinuxPlatform>();
}

LinuxPlatform::LinuxPlatform() = default;

LinuxPlatform::~LinuxPlatform() = default;

SingleInstance &LinuxPlatform::singleInstance()
{
    if (!m_singleInstance) {
        auto bus = std::make_unique<DBusSingleInstance>();
        m_busInstance = bus.get();
        m_singleInstance = std::make_unique<LockFileSingleInstance>(std::move(bus));
    }
    return *m_singleInstance;
}

TimerEndpoint &LinuxPlatform::timerEndpoint()
{
    singleInstance();
    return made(m_timerEndpoint, *m_busInstance, QString::fromLatin1(DBusSingleInstance::kObjectPath));
}

MainLoop &LinuxPlatform::mainLoop()
{
    return made(m_mainLoop);
}

FileSystem &LinuxPlatform::fileSystem()
{
    return made(m_fileSystem);
}

std::optional<std::filesystem::path> LinuxPlatform::configFolder()
{
    const auto home = XdgFolders::configHome();
    if (!home)
        return std::nullopt;
    return *home / "Tavelo";
}

BundleInfo &LinuxPlatform::bundleInfo()
{
    return made(m_bundleInfo);
}

Workspace &LinuxPlatform::workspace()
{
    return made(m_workspace);
}

NotificationCenter &LinuxPlatform::notificationCenter()
{
    return made(m_notificationCenter);
}

WindowList &LinuxPlatform::windowList()
{
    return made(m_windowList);
}

IdleTimeSource &LinuxPlatform::idleTimeSource()
{
    return made(m_idleTimeSource, &mainLoop());
}

SleepWatcher &LinuxPlatform::sleepWatcher()
{
    return made(m_sleepWatcher);
}

DoNotDisturb &LinuxPlatform::doNotDisturb()
{
    if (!m_doNotDisturb) {
        std::vector<std::unique_ptr<DoNotDisturb>> sources;
        sources.push_back(std::make_unique<NotificationServerDoNotDisturb>());
        sources.push_back(std::make_unique<XfconfDoNotDisturb>());
        sources.push_back(std::make_unique<MakoModeDoNotDisturb>());
        m_doNotDisturb = std::make_unique<CombinedDoNotDisturb>(std::move(sources));
        // GSettings loads its schemas, dconf and threads of its own: a moment after start.
        m_doNotDisturb->addLater(std::chrono::seconds(1), [] { return GSettingsDoNotDisturb::createIfInstalled(); });
    }
    return *m_doNotDisturb;
}

ColorSchemeSource &LinuxPlatform::colorSchemeSource()
{
    return made(m_colorSchemeSource);
}

UserDefaults &LinuxPlatform::userDefaults()
{
    return made(m_userDefaults);
}

HttpSession &LinuxPlatform::httpSession()
{
    return made(m_httpSession, ChildProcessHttpSession::helperBeside(QCoreApplication::applicationDirPath()));
}

std::filesystem::path LinuxPlatform::executablePath()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

LoginItemService &LinuxPlatform::loginItem()
{
    if (!m_loginItem)
        m_loginItem = std::make_unique<XdgAutostartLoginItem>(executablePath(), bundleInfo().identifier());
    return *m_loginItem;
}

UnitFileStore &LinuxPlatform::unitFileStore()
{
    return made(m_unitFileStore);
}

ProcessRunner &LinuxPlatform::processRunner()
{
    return made(m_processRunner);
}

std::unique_ptr<StatusItemBackend> LinuxPlatform::createStatusItemBackend()
{
    return std::make_unique<StatusItemBackendChooser>();
}

FeedArchitecture LinuxPlatform::buildArchitecture() const
{
    return tavelo::buildArchitecture;
}

} // namespace tavelo
