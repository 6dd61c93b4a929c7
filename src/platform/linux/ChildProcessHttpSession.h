#pragma once

#include <QObject>
#include <QString>

#include "platform/HttpSession.h"
#include "platform/linux/fetch/HttpLimits.h"

namespace tavelo {

// HTTP through the fetch helper, one short-lived child process per request: the program
// fetches one small document a day and should not carry a network stack in between.
// A child that outlives its own time-out is killed; destroying the session kills every
// child and runs no completion.
class ChildProcessHttpSession final : public HttpSession {
public:
    // Beyond the helper's own deadline, before it is killed.
    static constexpr std::chrono::seconds kGrace{5};

    ChildProcessHttpSession(QString helper, HttpLimits limits = {});
    ~ChildProcessHttpSession() override;
    ChildProcessHttpSession(const ChildProcessHttpSession &) = delete;
    ChildProcessHttpSession &operator=(const ChildProcessHttpSession &) = delete;

    void get(const std::string &url, Completion completion) override;

    // The installed helper beside the program (libexec/tavelo), else one in the program's
    // own folder, as in a build tree.
    static QString helperBeside(const QString &programFolder);

private:
    QString m_helper;
    HttpLimits m_limits;
    QObject m_children;
};

} // namespace tavelo
