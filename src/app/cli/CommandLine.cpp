#include "app/cli/CommandLine.h"

#include <algorithm>
#include <charconv>

#include <QtGlobal>

#include "core/TimeMath.h"

namespace tavelo {

namespace {

using Action = CommandLine::Action;

// `text` is marked with QT_TRANSLATE_NOOP: the line is parsed before any translator exists.
CommandLine usageError(const char *text, std::string argument = {})
{
    CommandLine line;
    line.action = Action::usageError;
    line.error = text;
    if (const std::size_t at = line.error.find("%1"); at != std::string::npos)
        line.error.replace(at, 2, argument);
    line.errorText = text;
    line.errorArgument = std::move(argument);
    return line;
}

CommandLine only(Action action)
{
    CommandLine line;
    line.action = action;
    return line;
}

std::optional<std::int64_t> wholeNumber(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Qt's own options, as a user or a session manager restoring the program may give them
// ("-session" comes with a restored session); each takes a value.
bool onlyQtOptions(const std::vector<std::string> &arguments)
{
    static constexpr std::string_view kQtOptions[] = {"platform", "session", "display", "name", "style"};
    if (arguments.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        std::string_view option = arguments[i];
        option.remove_prefix(option.starts_with("--") ? 2 : option.starts_with("-") ? 1 : 0);
        if (option.size() == arguments[i].size() || std::ranges::find(kQtOptions, option) == std::end(kQtOptions))
            return false;
    }
    return true;
}

// The commands that take no options of their own.
std::optional<Action> plainCommand(const std::string &name)
{
    if (name == "resume")
        return Action::resume;
    if (name == "skip")
        return Action::skip;
    if (name == "postpone")
        return Action::postpone;
    if (name == "reset")
        return Action::reset;
    return std::nullopt;
}

CommandLine parseStatus(const std::vector<std::string> &options)
{
    CommandLine line = only(Action::status);
    for (const std::string &option : options) {
        if (option == "--json")
            line.json = true;
        else if (option == "--follow")
            line.follow = true;
        else
            return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "status: unknown option '%1'"), option);
    }
    return line;
}

CommandLine parsePause(const std::vector<std::string> &options)
{
    CommandLine line = only(Action::pause);
    if (options.size() > 1)
        return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "pause: give one length at most"));
    if (options.empty() || options[0] == "indefinitely")
        return line;
    const std::optional<std::int64_t> seconds = CommandLine::parseDuration(options[0]);
    if (!seconds)
        return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine",
                                            "pause: '%1' is not a length such as 90s, 15m or 1h, or 'indefinitely'"),
                          options[0]);
    line.pauseSeconds = *seconds;
    return line;
}

CommandLine parseBreak(const std::vector<std::string> &options)
{
    CommandLine line = only(Action::startBreak);
    if (options.size() > 1)
        return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "break: give one kind at most"));
    if (options.empty())
        return line;
    line.breakType = breakTypeFromRaw(options[0]);
    if (!line.breakType)
        return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "break: '%1' is not 'micro' or 'long'"), options[0]);
    return line;
}

CommandLine parseStats(const std::vector<std::string> &options)
{
    CommandLine line = only(Action::stats);
    for (std::size_t i = 0; i < options.size(); ++i) {
        std::string value;
        if (options[i] == "--json") {
            line.json = true;
            continue;
        }
        if (options[i] == "--days" && i + 1 < options.size())
            value = options[++i];
        else if (options[i].starts_with("--days="))
            value = options[i].substr(7);
        else
            return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "stats: unknown option '%1'"), options[i]);
        const std::optional<std::int64_t> days = wholeNumber(value);
        if (!days || *days < 1 || *days > CommandLine::maxStatsDays)
            return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "stats: --days takes a number from 1 to %1"),
                              std::to_string(CommandLine::maxStatsDays));
        line.days = static_cast<int>(*days);
    }
    return line;
}

} // namespace

std::optional<std::int64_t> CommandLine::parseDuration(const std::string &text)
{
    std::int64_t total = 0;
    std::string_view rest = text;
    char lastUnit = 0;
    while (!rest.empty()) {
        const std::size_t digits = rest.find_first_not_of("0123456789");
        if (digits == 0 || digits == std::string_view::npos)
            return std::nullopt;
        const std::optional<std::int64_t> count = wholeNumber(rest.substr(0, digits));
        const char unit = rest[digits];
        const std::int64_t scale = unit == 'h' ? 3600 : unit == 'm' ? 60 : unit == 's' ? 1 : 0;
        // Units come largest first, each once: "1h30m", not "30m1h" or "1m1m".
        const auto rank = [](char u) { return u == 'h' ? 3 : u == 'm' ? 2 : u == 's' ? 1 : 4; };
        if (!count || scale == 0 || (lastUnit && rank(unit) >= rank(lastUnit)))
            return std::nullopt;
        total = timemath::saturatingAdd(total, timemath::saturatingMul(*count, scale));
        lastUnit = unit;
        rest.remove_prefix(digits + 1);
    }
    if (total < 1 || total > timemath::kMaxPhaseSeconds)
        return std::nullopt;
    return total;
}

CommandLine CommandLine::parse(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return only(Action::launch);
    if (onlyQtOptions(arguments))
        return only(Action::launch);
    const std::string &command = arguments[0];
    const std::vector<std::string> options(arguments.begin() + 1, arguments.end());
    if (std::find_if(arguments.begin(), arguments.end(),
                     [](const std::string &a) { return a == "--help" || a == "-h"; }) != arguments.end())
        return only(Action::help);
    if (command == "--version")
        return options.empty() ? only(Action::version)
                               : usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "--version takes no arguments"));
    if (command == "status")
        return parseStatus(options);
    if (command == "pause")
        return parsePause(options);
    if (command == "break")
        return parseBreak(options);
    if (command == "stats")
        return parseStats(options);
    if (const std::optional<Action> action = plainCommand(command)) {
        if (!options.empty())
            return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "%1: takes no arguments"), command);
        return only(*action);
    }
    if (command.starts_with("-"))
        return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "unknown option '%1'"), command);
    return usageError(QT_TRANSLATE_NOOP("tavelo::CommandLine", "unknown command '%1'"), command);
}

} // namespace tavelo
