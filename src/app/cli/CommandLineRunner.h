#pragma once

#include <ostream>

#include <QCoreApplication>

#include "app/cli/CommandLine.h"
#include "platform/TimerReply.h"

namespace tavelo {

class TimerClient;

// Carries out a command line against the running instance and prints the outcome.
// Exit codes: 0 done, 1 failed (no instance, refused, no answer), 2 misused.
class CommandLineRunner {
    Q_DECLARE_TR_FUNCTIONS(tavelo::CommandLineRunner)

public:
    CommandLineRunner(TimerClient &client, std::ostream &out, std::ostream &err);

    // Runs the event loop of the QCoreApplication for `status --follow`, until it quits.
    int run(const CommandLine &line);

    static QString usage();
    // A usage error in the user's language.
    static QString usageError(const CommandLine &line);

private:
    int status(const CommandLine &line);
    int startBreak(const CommandLine &line);
    // Prints why `reply` failed; the exit code.
    int finish(const TimerReply &reply);

    TimerClient &m_client;
    std::ostream &m_out;
    std::ostream &m_err;
};

} // namespace tavelo
