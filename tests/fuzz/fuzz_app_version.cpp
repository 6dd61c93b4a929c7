// Version parsing and ordering. The input is two version strings separated by
// the first newline; the checks are the order's laws, hashing consistent with
// equality, and a plain reference parser for pieces that are pure ASCII.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppVersion.h"
#include "core/ReleaseNote.h"

using tavelo::AppVersion;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::string_view> pieces(std::string_view raw)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= raw.size()) {
        const std::size_t dot = std::min(raw.find('.', start), raw.size());
        if (dot > start)
            out.push_back(raw.substr(start, dot - start));
        start = dot + 1;
    }
    return out;
}

void checkParse(const std::string &raw, const AppVersion &version)
{
    check(version.raw() == raw && version.description() == raw);
    const auto expected = pieces(raw);
    check(version.components().size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::int64_t component = version.components()[i];
        check(component >= 0);
        const std::string_view piece = expected[i];
        const std::size_t digits =
            std::find_if(piece.begin(), piece.end(), [](char c) { return c < '0' || c > '9'; }) - piece.begin();
        // A non-ASCII character after the digits may be numeric or a combining mark.
        if (digits < piece.size() && static_cast<unsigned char>(piece[digits]) >= 0x80)
            continue;
        std::int64_t reference = 0;
        const auto result = std::from_chars(piece.data(), piece.data() + digits, reference);
        if (digits == 0 || result.ec != std::errc())
            reference = 0;
        check(component == reference);
    }
}

void checkOrder(const AppVersion &a, const AppVersion &b)
{
    const std::hash<AppVersion> hash;
    const int relations = (a < b) + (a == b) + (a > b);
    check(relations == 1);
    check((a <= b) == !(b < a) && (a >= b) == !(a < b) && (a != b) == !(a == b));
    if (a == b)
        check(hash(a) == hash(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = std::min(input.find('\n'), input.size());
    const std::string first(input.substr(0, newline));
    const std::string second(newline < input.size() ? input.substr(newline + 1) : std::string_view());

    const AppVersion a(first);
    const AppVersion b(second);
    checkParse(first, a);
    checkParse(second, b);
    checkOrder(a, a);
    checkOrder(a, b);

    // Trailing zero components change nothing; an extra 1 makes a strictly greater version.
    const AppVersion padded(first + ".0.0");
    check(padded == a && std::hash<AppVersion>{}(padded) == std::hash<AppVersion>{}(a));
    const AppVersion above(second + ".1");
    check(b < above);
    if (a < b)
        check(a < above);

    const std::vector<tavelo::ReleaseNote> notes{{first, "a", {}}, {second, "b", {}}};
    const auto newer = AppVersion::notesNewer(b, notes);
    check(newer.size() == static_cast<std::size_t>(b < a));
    check(AppVersion::notesNewer(std::nullopt, notes) == notes);
    return 0;
}
