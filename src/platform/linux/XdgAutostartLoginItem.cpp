#include "platform/linux/XdgAutostartLoginItem.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include <unistd.h>

#include <QCoreApplication>

#include "platform/linux/AtomicFileWriter.h"
#include "platform/linux/XdgFolders.h"

namespace tavelo {

namespace {

// A desktop entry worth reading is a few hundred bytes; this bounds a stray huge file.
constexpr std::streamsize kMaxEntryBytes = 1024 * 1024;

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Whether the [Desktop Entry] group says Hidden=true: the user removed the item in
// the session's own settings.
bool isHidden(std::istream &in)
{
    bool inMainGroup = false;
    std::string line;
    std::streamsize read = 0;
    while (read < kMaxEntryBytes && std::getline(in, line)) {
        read += static_cast<std::streamsize>(line.size()) + 1;
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (text.front() == '[') {
            inMainGroup = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (inMainGroup && equals != std::string::npos && trimmed(text.substr(0, equals)) == "Hidden")
            return trimmed(text.substr(equals + 1)) == "true";
    }
    return false;
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(std::filesystem::path executable, std::string applicationId,
                                             ConfigHome configHome)
    : m_executable(std::move(executable)), m_applicationId(std::move(applicationId)),
      m_configHome(configHome ? std::move(configHome) : ConfigHome(XdgFolders::configHome))
{
}

std::optional<std::filesystem::path> XdgAutostartLoginItem::entryPath() const
{
    const std::optional<std::filesystem::path> home = m_configHome();
    if (!home || !home->is_absolute() || m_applicationId.empty())
        return std::nullopt;
    return *home / "autostart" / (m_applicationId + ".desktop");
}

LoginItemService::Status XdgAutostartLoginItem::status() const
{
    const std::optional<std::filesystem::path> path = entryPath();
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error))
        return Status::notRegistered;
    std::ifstream in(*path);
    if (!in || isHidden(in))
        return Status::notRegistered;
    return Status::enabled;
}

std::optional<std::string> XdgAutostartLoginItem::registerItem()
{
    const std::optional<std::filesystem::path> path = entryPath();
    if (!path)
        return QCoreApplication::translate("tavelo::XdgAutostartLoginItem",
                                           "The user's configuration folder is unknown.")
            .toStdString();
    return AtomicFileWriter::write(*path, entryText());
}

std::optional<std::string> XdgAutostartLoginItem::unregisterItem()
{
    const std::optional<std::filesystem::path> path = entryPath();
    if (!path || ::unlink(path->c_str()) == 0 || errno == ENOENT)
        return std::nullopt;
    const int error = errno;
    return QCoreApplication::translate("tavelo::XdgAutostartLoginItem", "Could not remove %1: %2")
        .arg(QString::fromStdString(path->string()), QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

std::string XdgAutostartLoginItem::entryText() const
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tavelo\n"
           "Comment=Take regular breaks to rest your eyes and wrists\n"
           "Exec=" +
           quoteExecArgument(m_executable.string()) +
           "\n"
           "Icon=" +
           m_applicationId +
           "\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutostartLoginItem::quoteExecArgument(const std::string &path)
{
    // Two layers: the Exec key's own quoting, then the escapes of every string value.
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';

    std::string value;
    for (char c : quoted) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

} // namespace tavelo
