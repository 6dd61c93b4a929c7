#include "support/fake-logind/FakeLogindControl.h"

#include "support/fake-logind/FakeLogindManager.h"

namespace tavelo::test {

FakeLogindControl::FakeLogindControl(FakeLogindManager &manager, QObject *parent) : QObject(parent), m_manager(manager)
{
}

void FakeLogindControl::EmitPrepareForSleep(bool start)
{
    m_manager.announceSleep(start);
}

uint FakeLogindControl::OpenInhibitors()
{
    return m_manager.openInhibitors();
}

QStringList FakeLogindControl::LastInhibit()
{
    return m_manager.lastInhibit();
}

} // namespace tavelo::test
