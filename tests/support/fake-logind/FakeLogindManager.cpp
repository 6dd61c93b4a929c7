#include "support/fake-logind/FakeLogindManager.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace tavelo::test {

namespace {

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

void FakeLogindManager::announceSleep(bool start)
{
    report(start ? QStringLiteral("prepare-for-sleep true") : QStringLiteral("prepare-for-sleep false"));
    emit PrepareForSleep(start);
}

QDBusUnixFileDescriptor FakeLogindManager::Inhibit(const QString &what, const QString &who, const QString &why,
                                                   const QString &mode)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return {};
    // The descriptor object keeps its own duplicate; the message carries another. Once both
    // are gone only the caller's copy holds the pipe open.
    QDBusUnixFileDescriptor handed(ends[1]);
    ::close(ends[1]);
    auto *notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [notifier, readEnd = ends[0]] {
        char byte;
        if (::read(readEnd, &byte, 1) > 0)
            return;
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(readEnd);
        report(QStringLiteral("inhibit released"));
    });
    report(QStringLiteral("inhibit taken: ") + QStringList{what, who, why, mode}.join('|'));
    return handed;
}

} // namespace tavelo::test
