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

FakeLogindManager::FakeLogindManager(QObject *parent) : QObject(parent) {}

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
    watchReleased(ends[0]);
    report(QStringLiteral("inhibit taken: ") + QStringList{what, who, why, mode}.join('|'));
    return handed;
}

void FakeLogindManager::watchReleased(int readEnd)
{
    auto *notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    m_open.append(notifier);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier, readEnd] {
        char byte;
        if (::read(readEnd, &byte, 1) > 0)
            return;
        m_open.removeOne(notifier);
        notifier->deleteLater();
        ::close(readEnd);
        report(QStringLiteral("inhibit released"));
    });
}

} // namespace tavelo::test
