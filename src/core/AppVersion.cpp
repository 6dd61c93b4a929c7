#include "core/AppVersion.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/ReleaseNote.h"
#include "core/UnicodeProperties.h"

namespace tavelo {

namespace {

// The leading run of numeric characters of one piece, as a number. A run that
// holds anything but ASCII digits (another script's digit, a fraction, a digit
// with a combining mark) is not a decimal number and counts as 0, as does one
// too large for 64 bits.
std::int64_t parseComponent(std::string_view piece)
{
    std::int64_t value = 0;
    bool valid = true;
    bool previousNumeric = false;
    std::size_t pos = 0;
    while (pos < piece.size()) {
        const auto c = UnicodeProperties::decodeUtf8(piece, pos);
        if (!c)
            break;
        if (UnicodeProperties::isNumeric(*c)) {
            previousNumeric = true;
            if (*c > U'9') {
                valid = false;
                continue;
            }
            const int digit = static_cast<int>(*c - U'0');
            if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
                valid = false;
            else
                value = value * 10 + digit;
        } else if (previousNumeric && UnicodeProperties::joinsPrevious(*c)) {
            // Part of the numeric character before it, which is then no plain digit.
            valid = false;
        } else {
            break;
        }
    }
    return valid ? value : 0;
}

} // namespace

AppVersion::AppVersion(std::string raw) : m_raw(std::move(raw))
{
    std::string_view rest = m_raw;
    while (!rest.empty()) {
        const auto dot = rest.find('.');
        const std::string_view piece = rest.substr(0, dot);
        if (!piece.empty())
            m_components.push_back(parseComponent(piece));
        if (dot == std::string_view::npos)
            break;
        rest.remove_prefix(dot + 1);
    }
}

std::weak_ordering operator<=>(const AppVersion &a, const AppVersion &b)
{
    const auto &x = a.m_components;
    const auto &y = b.m_components;
    const std::size_t count = std::max(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t left = i < x.size() ? x[i] : 0;
        const std::int64_t right = i < y.size() ? y[i] : 0;
        if (left != right)
            return left < right ? std::weak_ordering::less : std::weak_ordering::greater;
    }
    return std::weak_ordering::equivalent;
}

std::size_t AppVersion::hash() const
{
    std::size_t length = m_components.size();
    while (length > 0 && m_components[length - 1] == 0)
        --length;
    const auto mix = [](std::size_t seed, std::size_t value) {
        return seed ^ (value + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2));
    };
    std::size_t seed = std::hash<std::size_t>{}(length);
    for (std::size_t i = 0; i < length; ++i)
        seed = mix(seed, std::hash<std::int64_t>{}(m_components[i]));
    return seed;
}

bool AppVersion::isPlain(std::string_view text)
{
    while (true) {
        const auto dot = text.find('.');
        const std::string_view piece = text.substr(0, dot);
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
        // from_chars takes a leading minus sign, which the parser does not.
        if (piece.empty() || piece.front() == '-' || error != std::errc() || end != piece.data() + piece.size())
            return false;
        if (dot == std::string_view::npos)
            return true;
        text.remove_prefix(dot + 1);
    }
}

std::vector<ReleaseNote> AppVersion::notesNewer(const std::optional<AppVersion> &than,
                                                const std::vector<ReleaseNote> &notes)
{
    if (!than)
        return notes;
    std::vector<ReleaseNote> newer;
    std::copy_if(notes.begin(), notes.end(), std::back_inserter(newer),
                 [&](const ReleaseNote &note) { return *than < note.version; });
    return newer;
}

} // namespace tavelo
