#pragma once

#include <functional>

namespace tavelo {

// One running copy per user session.
class SingleInstance {
public:
    enum class Claim {
        primary,           // this process is the one instance; `onActivate` runs on later launches
        secondaryNotified, // another instance runs and has been asked to open its panel
        alreadyRunning,    // another instance runs but cannot be asked to do anything: say so and exit
        unavailable,       // no way to tell: run anyway
    };

    virtual ~SingleInstance() = default;
    virtual Claim claim(std::function<void()> onActivate) = 0;
};

} // namespace tavelo
