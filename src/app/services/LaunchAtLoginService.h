#pragma once

#include <QCoreApplication>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/services/LaunchAtLoginError.h"
#include "core/Liveness.h"
#include "platform/ProcessRunner.h"

namespace tavelo {

class BundleInfo;
class LoginItemService;
class UnitFileStore;

// Turns "Launch at login" on and off: through the desktop's login item when it can,
// else through a systemd user service. Keeps no state of its own: the truth is the
// login item and the unit file, so refreshState() is always current. Main thread only.
class LaunchAtLoginService {
public:
    struct Environment {
        const BundleInfo &bundle;
        LoginItemService &loginItem;
        UnitFileStore &units;
        ProcessRunner &runner;
        // The installed program, started at login.
        std::filesystem::path executable;
        std::string systemctl = "systemctl";
    };
    struct State {
        bool enabled = false;
        std::optional<std::string> message;
        bool operator==(const State &) const = default;
    };
    using Completion = std::function<void(const std::optional<LaunchAtLoginError> &)>;

    static constexpr const char *kFallbackLabel = "com.tavelo.app.loginitem";

    explicit LaunchAtLoginService(Environment environment);
    ~LaunchAtLoginService();
    LaunchAtLoginService(const LaunchAtLoginService &) = delete;
    LaunchAtLoginService &operator=(const LaunchAtLoginService &) = delete;

    bool isSupported() const;
    State refreshState() const;
    // Switches launch at login; `done` receives the error, if any, once the work is done
    // (systemctl runs asynchronously). Requests made while one is running wait their turn.
    void setEnabled(bool enabled, Completion done);

    std::string launchAgentLabel() const;
    std::optional<std::filesystem::path> launchAgentPath() const;
    bool isLaunchAgentInstalled() const;

private:
    using Step = std::function<void(const std::optional<LaunchAtLoginError> &)>;
    struct Request {
        bool enabled;
        Completion done;
    };
    std::optional<std::filesystem::path> appExecutable() const;
    void startNext();
    void finish(const std::optional<LaunchAtLoginError> &error);
    void perform(bool enabled, Step done);
    bool registerWithLoginItem();
    void enableLaunchAgent(const std::filesystem::path &executable, Step done);
    void disableLaunchAgent(Step done);
    void runSystemctl(std::vector<std::string> arguments, Step done);

    Environment m_env;
    Liveness m_liveness;
    std::deque<Request> m_requests;
    bool m_busy = false;

    Q_DECLARE_TR_FUNCTIONS(tavelo::LaunchAtLoginService)
};

} // namespace tavelo
