#include "platform/linux/QtProcessRunner.h"

#include <csignal>
#include <memory>

#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

namespace tavelo {

namespace {

// One child and what is known of it so far.
struct Run {
    ProcessRunner::Completion done;
    ProcessRunner::Result result;
    bool finished = false;
};

void append(Run &run, const QByteArray &bytes)
{
    const std::size_t room = ProcessRunner::kMaxStandardError - run.result.standardError.size();
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    run.result.standardError.append(bytes.constData(), std::min(size, room));
    if (size > room)
        run.result.standardErrorTruncated = true;
}

// The child leads a process group of its own, so that whatever it starts can be stopped
// with it.
void becomeGroupLeader()
{
    ::setpgid(0, 0);
}

// Ends the child and everything it started that is still in its group.
void killGroup(QProcess &process)
{
    if (const qint64 pid = process.processId(); pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.kill();
}

} // namespace

QtProcessRunner::QtProcessRunner(std::chrono::milliseconds timeout) : m_timeout(timeout) {}

QtProcessRunner::~QtProcessRunner()
{
    // Completions must not run now: their owners may be going away too.
    for (QProcess *process : m_children.findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
        process->disconnect();
        killGroup(*process);
        process->waitForFinished(1000);
    }
}

void QtProcessRunner::run(const std::string &program, const std::vector<std::string> &arguments, Completion done)
{
    auto *process = new QProcess(&m_children);
    auto run = std::make_shared<Run>();
    run->done = std::move(done);
    run->result.timeout = m_timeout;

    QStringList args;
    for (const std::string &argument : arguments)
        args << QString::fromStdString(argument);
    process->setProgram(QString::fromStdString(program));
    process->setArguments(args);
    process->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->setChildProcessModifier(becomeGroupLeader);

    auto *timer = new QTimer(process);
    timer->setSingleShot(true);

    // Hands the result over exactly once, on a later turn of the loop, and lets the
    // process object go.
    auto finish = [process, timer, run] {
        if (run->finished)
            return;
        run->finished = true;
        timer->stop();
        process->disconnect();
        process->deleteLater();
        QMetaObject::invokeMethod(
            process->parent(),
            [run] {
                if (run->done)
                    run->done(run->result);
            },
            Qt::QueuedConnection);
    };

    QObject::connect(process, &QProcess::readyReadStandardError, process,
                     [process, run] { append(*run, process->readAllStandardError()); });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, run, finish](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        run->result.outcome = ProcessRunner::Result::Outcome::failedToStart;
        run->result.failure = QCoreApplication::translate("tavelo::QtProcessRunner", "Could not start %1: %2")
                                  .arg(process->program(), process->errorString())
                                  .toStdString();
        finish();
    });
    QObject::connect(
        process, &QProcess::finished, process, [process, run, finish](int exitCode, QProcess::ExitStatus status) {
            append(*run, process->readAllStandardError());
            if (run->result.outcome != ProcessRunner::Result::Outcome::timedOut) {
                run->result.outcome = status == QProcess::CrashExit ? ProcessRunner::Result::Outcome::crashed
                                                                    : ProcessRunner::Result::Outcome::exited;
            }
            run->result.exitStatus = exitCode;
            finish();
        });
    QObject::connect(timer, &QTimer::timeout, process, [process, run] {
        run->result.outcome = ProcessRunner::Result::Outcome::timedOut;
        // `finished` follows once the child is gone.
        killGroup(*process);
    });

    timer->start(m_timeout);
    process->start();
}

} // namespace tavelo
