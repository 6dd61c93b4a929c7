#include "platform/linux/ChildProcessHttpSession.h"

#include <memory>
#include <string>
#include <utility>

#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace tavelo {

namespace {

struct Fetch {
    HttpSession::Completion completion;
    QByteArray output;
    std::string refusal;
    bool settled = false;
};

// What the helper printed: a status line and the body, or "error" and why.
void settleFrom(const QByteArray &output, int exitCode, std::optional<HttpResponse> &response, std::string &error)
{
    const qsizetype newline = output.indexOf('\n');
    const QByteArray head = output.left(newline);
    const QByteArray rest = newline >= 0 ? output.mid(newline + 1) : QByteArray();
    bool isNumber = false;
    const int status = head.toInt(&isNumber);
    if (exitCode == 0 && newline >= 0 && isNumber)
        response = HttpResponse{status, rest.toStdString()};
    else if (exitCode == 1 && head == "error" && !rest.isEmpty())
        error = rest.left(1024).toStdString();
    else
        error = "the fetch helper failed (exit status " + std::to_string(exitCode) + ")";
}

} // namespace

ChildProcessHttpSession::ChildProcessHttpSession(QString helper, HttpLimits limits)
    : m_helper(std::move(helper)), m_limits(limits)
{
}

ChildProcessHttpSession::~ChildProcessHttpSession()
{
    for (QProcess *process : m_children.findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
    }
}

QString ChildProcessHttpSession::helperBeside(const QString &programFolder)
{
    const QString installed = programFolder + QStringLiteral("/../libexec/tavelo/tavelo-fetch");
    if (QFileInfo(installed).isExecutable())
        return QFileInfo(installed).canonicalFilePath();
    return programFolder + QStringLiteral("/tavelo-fetch");
}

void ChildProcessHttpSession::get(const std::string &url, Completion completion)
{
    auto *process = new QProcess(&m_children);
    auto fetch = std::make_shared<Fetch>();
    fetch->completion = std::move(completion);
    // The status line and the body; a helper that prints more is not to be believed.
    const qsizetype limit = qsizetype(m_limits.maxBodyBytes) + 32;

    // Runs the completion once, on a later turn of the loop, and lets the process go.
    auto settle = [process, fetch](std::optional<HttpResponse> response, std::string error) {
        if (fetch->settled)
            return;
        fetch->settled = true;
        process->disconnect();
        process->deleteLater();
        QMetaObject::invokeMethod(
            process->parent(),
            [fetch, response = std::move(response), error = std::move(error)] { fetch->completion(response, error); },
            Qt::QueuedConnection);
    };
    auto refuse = [process, fetch](const std::string &why) {
        if (fetch->refusal.empty())
            fetch->refusal = why;
        process->kill();
    };

    QObject::connect(process, &QProcess::readyReadStandardOutput, process, [process, fetch, limit, refuse] {
        fetch->output += process->readAllStandardOutput();
        if (fetch->output.size() > limit)
            refuse("response body too large");
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, settle](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            settle(std::nullopt,
                   "could not start " + process->program().toStdString() + ": " + process->errorString().toStdString());
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, fetch, settle](int exitCode, QProcess::ExitStatus status) {
                         fetch->output += process->readAllStandardOutput();
                         std::optional<HttpResponse> response;
                         std::string error = fetch->refusal;
                         if (error.empty() && status == QProcess::CrashExit)
                             error = "the fetch helper crashed";
                         else if (error.empty())
                             settleFrom(fetch->output, exitCode, response, error);
                         settle(std::move(response), std::move(error));
                     });
    QTimer::singleShot(m_limits.totalTimeout + kGrace, process, [refuse] { refuse("timed out"); });

    process->setProgram(m_helper);
    process->setArguments({QString::number(m_limits.transferTimeout.count()),
                           QString::number(m_limits.totalTimeout.count()), QString::number(m_limits.maxBodyBytes),
                           QString::fromStdString(url)});
    process->setStandardInputFile(QProcess::nullDevice());
    // What the helper says on standard error (Qt's warnings) reaches ours.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
}

} // namespace tavelo
