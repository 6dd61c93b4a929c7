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

    // Results to report, per URL or program, else the defaults.
    bool openUrlSucceeds = true;
    bool startSucceeds = true;
    std::map<std::string, bool> urlResults;
    std::map<std::string, bool> programResults;

    std::vector<std::string> openedUrls;
    std::vector<Command> startedCommands;

    bool openUrl(const std::string &url) override
    {
        openedUrls.push_back(url);
        auto it = urlResults.find(url);
        return it != urlResults.end() ? it->second : openUrlSucceeds;
    }
    bool startDetached(const std::string &program, const std::vector<std::string> &arguments) override
    {
        startedCommands.push_back({program, arguments});
        auto it = programResults.find(program);
        return it != programResults.end() ? it->second : startSucceeds;
    }
};

} // namespace tavelo::test
