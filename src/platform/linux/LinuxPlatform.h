#pragma once

#include "platform/Platform.h"

namespace tavelo {

class CombinedDoNotDisturb;
class PortalColorSchemeSource;
class DBusSingleInstance;
class DBusTimerEndpoint;
class FreedesktopNotificationCenter;
class LinuxBundleInfo;
class LinuxWorkspace;
class LockFileSingleInstance;
class LogindSleepWatcher;
class PosixFileSystem;
class QSettingsUserDefaults;
class ChildProcessHttpSession;
class QtMainLoop;
class QtProcessRunner;
class SystemIdleTimeSource;
class SystemdUserUnitStore;
class X11WindowList;
class XdgAutostartLoginItem;

// The platform on a freedesktop session: D-Bus services, X11 (or XWayland) and XDG folders.
class LinuxPlatform final : public Platform {
public:
    LinuxPlatform();
    ~LinuxPlatform() override;
    LinuxPlatform(const LinuxPlatform &) = delete;
    LinuxPlatform &operator=(const LinuxPlatform &) = delete;

    SingleInstance &singleInstance() override;
    TimerEndpoint &timerEndpoint() override;
    MainLoop &mainLoop() override;
    FileSystem &fileSystem() override;
    std::optional<std::filesystem::path> configFolder() override;
    BundleInfo &bundleInfo() override;
    Workspace &workspace() override;
    NotificationCenter &notificationCenter() override;
    WindowList &windowList() override;
    IdleTimeSource &idleTimeSource() override;
    SleepWatcher &sleepWatcher() override;
    DoNotDisturb &doNotDisturb() override;
    ColorSchemeSource &colorSchemeSource() override;
    UserDefaults &userDefaults() override;
    HttpSession &httpSession() override;
    std::filesystem::path executablePath() override;
    LoginItemService &loginItem() override;
    UnitFileStore &unitFileStore() override;
    ProcessRunner &processRunner() override;
    std::unique_ptr<StatusItemBackend> createStatusItemBackend() override;
    FeedArchitecture buildArchitecture() const override;

private:
    // Declared in the order they are usually made, so they go in the reverse one.
    std::unique_ptr<LockFileSingleInstance> m_singleInstance;
    DBusSingleInstance *m_busInstance = nullptr; // owned by m_singleInstance
    std::unique_ptr<DBusTimerEndpoint> m_timerEndpoint;
    std::unique_ptr<QtMainLoop> m_mainLoop;
    std::unique_ptr<PosixFileSystem> m_fileSystem;
    std::unique_ptr<LinuxBundleInfo> m_bundleInfo;
    std::unique_ptr<LinuxWorkspace> m_workspace;
    std::unique_ptr<FreedesktopNotificationCenter> m_notificationCenter;
    std::unique_ptr<X11WindowList> m_windowList;
    std::unique_ptr<SystemIdleTimeSource> m_idleTimeSource;
    std::unique_ptr<LogindSleepWatcher> m_sleepWatcher;
    std::unique_ptr<CombinedDoNotDisturb> m_doNotDisturb;
    std::unique_ptr<PortalColorSchemeSource> m_colorSchemeSource;
    std::unique_ptr<QSettingsUserDefaults> m_userDefaults;
    std::unique_ptr<ChildProcessHttpSession> m_httpSession;
    std::unique_ptr<XdgAutostartLoginItem> m_loginItem;
    std::unique_ptr<SystemdUserUnitStore> m_unitFileStore;
    std::unique_ptr<QtProcessRunner> m_processRunner;
};

} // namespace tavelo
