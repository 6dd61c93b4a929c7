#pragma once

#include <string>
#include <vector>

namespace tavelo {

// Hands addresses and commands to the desktop.
class Workspace {
public:
    virtual ~Workspace() = default;

    // Opens `url` with the user's preferred application; false when it could not.
    virtual bool openUrl(const std::string &url) = 0;
    // Starts `program` without waiting for it; false when it could not be started.
    virtual bool startDetached(const std::string &program, const std::vector<std::string> &arguments) = 0;
};

} // namespace tavelo
