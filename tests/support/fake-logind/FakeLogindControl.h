#pragma once

#include <QObject>
#include <QStringList>

namespace tavelo::test {

class FakeLogindManager;

// The test's handle on the fake logind, on the same bus: com.tavelo.FakeLogind at
// /com/tavelo/FakeLogind.
class FakeLogindControl final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.tavelo.FakeLogind")

public:
    explicit FakeLogindControl(FakeLogindManager &manager, QObject *parent = nullptr);

public Q_SLOTS:
    Q_SCRIPTABLE void EmitPrepareForSleep(bool start);
    Q_SCRIPTABLE uint OpenInhibitors();
    // what, who, why and mode of the last Inhibit call.
    Q_SCRIPTABLE QStringList LastInhibit();

private:
    FakeLogindManager &m_manager;
};

} // namespace tavelo::test
