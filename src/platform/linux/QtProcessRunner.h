#pragma once

#include <chrono>

#include <QObject>

#include "platform/ProcessRunner.h"

namespace tavelo {

// Runs children with QProcess on the event loop: standard error is drained as it
// arrives, and a child still running after the time-out is killed with all it started.
class QtProcessRunner final : public ProcessRunner {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{10'000};

    explicit QtProcessRunner(std::chrono::milliseconds timeout = kDefaultTimeout);
    ~QtProcessRunner() override;
    QtProcessRunner(const QtProcessRunner &) = delete;
    QtProcessRunner &operator=(const QtProcessRunner &) = delete;

    void run(const std::string &program, const std::vector<std::string> &arguments, Completion done) override;

    std::chrono::milliseconds timeout() const { return m_timeout; }

private:
    std::chrono::milliseconds m_timeout;
    // Parent of every running child, so the destructor can stop them all.
    QObject m_children;
};

} // namespace tavelo
