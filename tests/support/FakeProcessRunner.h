#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ProcessRunner.h"

namespace tavelo::test {

// Records each run and holds its completion until the test finishes it, by default
// as a clean exit; `autoFinish` answers at once with `respond`.
class FakeProcessRunner final : public ProcessRunner {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
    };

    std::vector<Call> calls;
    std::deque<Completion> pending;
    bool autoFinish = true;
    // The result for a call; a clean exit unless set.
    std::function<Result(const Call &)> respond;

    void run(const std::string &program, const std::vector<std::string> &arguments, Completion done) override
    {
        calls.push_back({program, arguments});
        autoFinish ? done(respond ? respond(calls.back()) : Result{}) : pending.push_back(std::move(done));
    }

    // Finishes the oldest waiting run with `result`.
    void finishNext(const Result &result = {})
    {
        Completion done = std::move(pending.front());
        pending.pop_front();
        done(result);
    }

    // "--user disable x.service" and so on, one text per call.
    std::vector<std::string> commandLines() const
    {
        std::vector<std::string> lines;
        for (const Call &call : calls) {
            lines.emplace_back();
            for (const std::string &argument : call.arguments)
                lines.back() += (lines.back().empty() ? "" : " ") + argument;
        }
        return lines;
    }
};

} // namespace tavelo::test
