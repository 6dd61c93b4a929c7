#include "platform/linux/LinuxWorkspace.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace tavelo {

bool LinuxWorkspace::openUrl(const std::string &url)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(parsed);
}

bool LinuxWorkspace::startDetached(const std::string &program, const std::vector<std::string> &arguments)
{
    QStringList args;
    args.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string &argument : arguments)
        args << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

} // namespace tavelo
