#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "core/UpdateFeed.h"

namespace tavelo {

class BundleInfo;
class ColorSchemeSource;
class DoNotDisturb;
class FileSystem;
class HttpSession;
class IdleTimeSource;
class LoginItemService;
class MainLoop;
class NotificationCenter;
class ProcessRunner;
class SingleInstance;
class SleepWatcher;
class StatusItemBackend;
class TimerEndpoint;
class UnitFileStore;
class UserDefaults;
class WindowList;
class Workspace;

// Every facility the program takes from the operating system, built by the platform
// itself. Each is made on first use and lives as long as the platform; create the
// platform after the QApplication and let it outlive everything that uses it.
class Platform {
public:
    virtual ~Platform() = default;

    // Ask first: a second launch only wakes the first and must touch nothing else.
    virtual SingleInstance &singleInstance() = 0;
    // Reaches other programs once the single instance has been claimed as primary.
    virtual TimerEndpoint &timerEndpoint() = 0;
    virtual MainLoop &mainLoop() = 0;
    virtual FileSystem &fileSystem() = 0;
    // The program's own configuration folder (not created here), or nothing when the user has none.
    virtual std::optional<std::filesystem::path> configFolder() = 0;
    virtual BundleInfo &bundleInfo() = 0;
    virtual Workspace &workspace() = 0;
    virtual NotificationCenter &notificationCenter() = 0;
    virtual WindowList &windowList() = 0;
    virtual IdleTimeSource &idleTimeSource() = 0;
    virtual SleepWatcher &sleepWatcher() = 0;
    // Watches from the first call on; off until the desktop has answered.
    virtual DoNotDisturb &doNotDisturb() = 0;
    // The desktop's light or dark preference; follows it from the first call on.
    virtual ColorSchemeSource &colorSchemeSource() = 0;
    virtual UserDefaults &userDefaults() = 0;
    virtual HttpSession &httpSession() = 0;
    virtual std::filesystem::path executablePath() = 0;
    virtual LoginItemService &loginItem() = 0;
    virtual UnitFileStore &unitFileStore() = 0;
    virtual ProcessRunner &processRunner() = 0;
    // A new item in the desktop's panel, through whatever the desktop can show.
    virtual std::unique_ptr<StatusItemBackend> createStatusItemBackend() = 0;
    // The update-feed entry this build reads.
    virtual FeedArchitecture buildArchitecture() const = 0;
};

// This system's platform.
std::unique_ptr<Platform> createPlatform();

} // namespace tavelo
