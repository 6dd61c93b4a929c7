#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/BreakModels.h"

namespace tavelo {

// What the program was asked to do by its arguments. Parsing looks at nothing else.
struct CommandLine {
    enum class Action {
        launch, // no command: start, or open the running instance's panel
        help,
        version,
        status,
        pause,
        resume,
        startBreak,
        skip,
        postpone,
        reset,
        stats,
        usageError,
    };

    static constexpr int defaultStatsDays = 7;
    static constexpr int maxStatsDays = 366;

    Action action = Action::launch;
    bool json = false;
    bool follow = false;
    // pause: 0 means without an end.
    std::int64_t pauseSeconds = 0;
    // break: none means the next scheduled kind.
    std::optional<BreakType> breakType;
    int days = defaultStatsDays;
    // usageError: what was wrong, in English, and the same as a text to translate (marked
    // in the context "tavelo::CommandLine") with the argument for its %1.
    std::string error;
    const char *errorText = "";
    std::string errorArgument;

    // `arguments` without the program's name.
    static CommandLine parse(const std::vector<std::string> &arguments);
    // "90s", "15m", "1h", "1h30m": whole units from seconds to hours; none when not a
    // length of 1 second to 10 years.
    static std::optional<std::int64_t> parseDuration(const std::string &text);
};

} // namespace tavelo
