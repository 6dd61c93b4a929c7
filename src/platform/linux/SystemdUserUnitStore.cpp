#include "platform/linux/SystemdUserUnitStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <unistd.h>

#include <QCoreApplication>

#include "platform/linux/AtomicFileWriter.h"
#include "platform/linux/XdgFolders.h"

namespace tavelo {

SystemdUserUnitStore::SystemdUserUnitStore(ConfigHome configHome)
    : m_configHome(configHome ? std::move(configHome) : ConfigHome(XdgFolders::configHome))
{
}

std::optional<std::filesystem::path> SystemdUserUnitStore::unitPath(const std::string &label) const
{
    const std::optional<std::filesystem::path> home = m_configHome();
    if (!home || !home->is_absolute() || label.empty())
        return std::nullopt;
    return *home / "systemd" / "user" / (label + ".service");
}

bool SystemdUserUnitStore::exists(const std::filesystem::path &path) const
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::optional<std::string> SystemdUserUnitStore::write(const std::filesystem::path &path,
                                                       const std::filesystem::path &executable)
{
    return AtomicFileWriter::write(path, unitText(executable));
}

std::optional<std::string> SystemdUserUnitStore::remove(const std::filesystem::path &path)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return std::nullopt;
    const int error = errno;
    return QCoreApplication::translate("tavelo::SystemdUserUnitStore", "Could not remove %1: %2")
        .arg(QString::fromStdString(path.string()), QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

std::string SystemdUserUnitStore::unitText(const std::filesystem::path &executable)
{
    return "[Unit]\n"
           "Description=Tavelo break reminder\n"
           "PartOf=graphical-session.target\n"
           "After=graphical-session.target\n"
           "\n"
           "[Service]\n"
           "Type=exec\n"
           "ExecStart=" +
           quoteExecArgument(executable.string()) +
           "\n"
           "Restart=no\n"
           "\n"
           "[Install]\n"
           "WantedBy=graphical-session.target\n";
}

std::string SystemdUserUnitStore::quoteExecArgument(const std::string &path)
{
    std::string quoted = "\"";
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '%' || c == '$') {
            quoted += c;
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

} // namespace tavelo
