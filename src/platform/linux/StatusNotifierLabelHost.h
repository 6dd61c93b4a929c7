#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QObject>

namespace tavelo {

// Whether the watcher that took the item draws its text label. Of the hosts there are,
// only GNOME Shell's extension does, and it runs inside the shell: the watcher's owner is
// the process that owns org.gnome.Shell. Asked asynchronously; no until told otherwise.
class StatusNotifierLabelHost final : public QObject {
public:
    explicit StatusNotifierLabelHost(QDBusConnection connection, QObject *parent = nullptr);

    // Asks about the watcher with this unique bus name; empty means there is none.
    void check(const QString &watcher);
    bool showsLabel() const { return m_showsLabel; }

    // The answer changed.
    std::function<void()> onChanged;

private:
    void askPid(const QString &name, std::optional<uint> &pid, unsigned serial);
    void settle(bool showsLabel);

    QDBusConnection m_connection;
    bool m_showsLabel = false;
    // Bumped with each check so that only the latest answers count.
    unsigned m_serial = 0;
    std::optional<uint> m_watcherPid;
    std::optional<uint> m_shellPid;
    int m_answers = 0;
};

} // namespace tavelo
