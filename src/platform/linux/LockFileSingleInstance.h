#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "platform/SingleInstance.h"

namespace tavelo {

// Keeps to one running copy also where there is no session bus: a lock on a file in the
// user's runtime folder, held for the life of the process. The bus, when there is one,
// decides, as only through it can the running copy be asked to open its panel.
class LockFileSingleInstance final : public SingleInstance {
public:
    explicit LockFileSingleInstance(std::unique_ptr<SingleInstance> bus,
                                    std::optional<std::filesystem::path> lockFile = defaultLockFile());
    ~LockFileSingleInstance() override;
    LockFileSingleInstance(const LockFileSingleInstance &) = delete;
    LockFileSingleInstance &operator=(const LockFileSingleInstance &) = delete;

    Claim claim(std::function<void()> onActivate) override;

    // tavelo.lock in $XDG_RUNTIME_DIR, else in /tmp/tavelo-<uid>, made private to the user;
    // nothing when that folder is not the user's alone.
    static std::optional<std::filesystem::path> defaultLockFile();

private:
    enum class Lock { taken, heldElsewhere, unusable };
    Lock lock();

    std::unique_ptr<SingleInstance> m_bus;
    std::optional<std::filesystem::path> m_lockFile;
    int m_descriptor = -1;
};

} // namespace tavelo
