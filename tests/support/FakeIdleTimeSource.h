#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/IdleTimeSource.h"

namespace tavelo::test {

// Answers with whatever `read` returns; with `deferAnswers`, readIdleSeconds keeps its
// answers until the test hands them out, as a source that asks a server does.
struct FakeIdleTimeSource final : IdleTimeSource {
    explicit FakeIdleTimeSource(std::function<std::optional<double>()> read) : read(std::move(read)) {}
    std::optional<double> idleSeconds() override { return read(); }
    void readIdleSeconds(Answer answer) override
    {
        if (deferAnswers)
            deferred.push_back(std::move(answer));
        else
            answer(read());
    }
    void answerDeferred()
    {
        for (Answer &answer : std::exchange(deferred, {}))
            answer(read());
    }

    std::function<std::optional<double>()> read;
    bool deferAnswers = false;
    std::vector<Answer> deferred;
};

} // namespace tavelo::test
