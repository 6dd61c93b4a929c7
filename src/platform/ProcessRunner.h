#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tavelo {

// Runs a short-lived helper program without blocking the main loop.
class ProcessRunner {
public:
    // Standard error beyond this is read and dropped, so a chatty child neither blocks
    // on a full pipe nor fills memory.
    static constexpr std::size_t kMaxStandardError = 64 * 1024;

    struct Result {
        enum class Outcome {
            exited,        // ran to its end; see exitStatus
            failedToStart, // see failure
            crashed,       // ended by a signal
            timedOut,      // killed after `timeout`
        };
        Outcome outcome = Outcome::exited;
        int exitStatus = 0;
        // The first kMaxStandardError bytes the child wrote to standard error.
        std::string standardError;
        bool standardErrorTruncated = false;
        std::string failure;
        std::chrono::milliseconds timeout{0};
    };
    using Completion = std::function<void(const Result &)>;

    virtual ~ProcessRunner() = default;

    // Starts `program` (a path, or a name looked up in PATH) with `arguments`; standard
    // input and output are the program's own. `done` runs exactly once, always on a later
    // turn of the main loop, unless the runner is destroyed first (which kills the child).
    virtual void run(const std::string &program, const std::vector<std::string> &arguments, Completion done) = 0;
};

} // namespace tavelo
