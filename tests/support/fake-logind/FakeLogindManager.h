#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

namespace tavelo::test {

// The part of org.freedesktop.login1.Manager that Tavelo uses, reporting each event on
// standard output. Each inhibitor is the write end of a pipe; when every copy of it is
// closed, the read end here sees EOF and the inhibitor counts as released, as logind would see it.
class FakeLogindManager final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    void announceSleep(bool start);

public Q_SLOTS:
    Q_SCRIPTABLE QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                                 const QString &mode);

Q_SIGNALS:
    Q_SCRIPTABLE void PrepareForSleep(bool start);
};

} // namespace tavelo::test
