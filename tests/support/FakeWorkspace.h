#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Workspace.h"

namespace tavelo::test {

// Records what would have been opened or started; nothing is.
class FakeWorkspace final : public Workspace {
public:
    struct Command {
        std::string program;
        std::vector<std::string> arguments;
        bool operator==(const Command &) const = default;
    };

    // Whether a program starts; those not listed do.
    std::map<std::string, bool> programResults;

    std::vector<std::string> openedUrls;
    std::vector<Command> startedCommands;

    bool openUrl(const std::string &url) override
    {
        openedUrls.push_back(url);
        return true;
    }
    bool startDetached(const std::string &program, const std::vector<std::string> &arguments) override
    {
        startedCommands.push_back({program, arguments});
        return !programResults.contains(program) || programResults.at(program);
    }
};

} // namespace tavelo::test
