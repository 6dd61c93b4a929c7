#pragma once

#include "platform/Workspace.h"

namespace tavelo {

class LinuxWorkspace final : public Workspace {
public:
    bool openUrl(const std::string &url) override;
    bool startDetached(const std::string &program, const std::vector<std::string> &arguments) override;
};

} // namespace tavelo
