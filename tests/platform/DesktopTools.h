#pragma once

#include <functional>

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace tavelo::test {

// Generous: a loaded machine may take many seconds to start a program or map a window.
constexpr int kWaitMs = 20000;

inline bool waitFor(const std::function<bool()> &done)
{
    return QTest::qWaitFor(done, kWaitMs);
}

// Runs one of the desktop's tools (xdotool, dunstctl) to its end and returns what it
// printed; the waits that follow tell whether it did its part.
inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(kWaitMs)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList &arguments)
{
    return run("xdotool", arguments);
}

} // namespace tavelo::test
