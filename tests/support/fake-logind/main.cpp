// tavelo-fake-logind BUS-ADDRESS
//
// Owns org.freedesktop.login1 on the given bus and prints "ready" once it does. SIGUSR1
// sends PrepareForSleep(true), SIGUSR2 PrepareForSleep(false). Events are printed one per
// line: "inhibit taken: WHAT|WHO|WHY|MODE", "inhibit released", "prepare-for-sleep
// true|false". Exits on SIGTERM, SIGINT or when the bus goes away.

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSocketNotifier>

#include "support/fake-logind/FakeLogindManager.h"

namespace {

// Signals arrive as bytes on this pair, to be handled in the event loop.
int g_signalPipe[2] = {-1, -1};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavelo-fake-logind BUS-ADDRESS\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("fake-logind"));
    tavelo::test::FakeLogindManager manager;
    bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &manager,
                       QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals);
    // Inhibitors are file descriptors, so a bus that cannot pass them is no use.
    if (!(bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing) ||
        !bus.registerService(QStringLiteral("org.freedesktop.login1"))) {
        std::fprintf(stderr, "tavelo-fake-logind: cannot own org.freedesktop.login1 on the bus at %s\n", argv[1]);
        return 1;
    }
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"), QStringLiteral("org.freedesktop.DBus.Local"),
                QStringLiteral("Disconnected"), &app, SLOT(quit()));

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return 1;
    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [&] {
        unsigned char byte = 0;
        if (::read(g_signalPipe[0], &byte, 1) != 1)
            return;
        if (byte == SIGUSR1 || byte == SIGUSR2)
            manager.announceSleep(byte == SIGUSR1);
        else
            QCoreApplication::quit();
    });
    for (int s : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT}) {
        std::signal(s, [](int signal) {
            const auto byte = static_cast<unsigned char>(signal);
            [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
        });
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
