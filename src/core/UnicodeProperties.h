#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavelo {

// The few Unicode facts version parsing needs, without a Unicode library.
class UnicodeProperties {
public:
    UnicodeProperties() = delete;

    // Decodes one UTF-8 sequence at `pos` and advances past it. Malformed input
    // (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF)
    // yields no value and advances by one byte.
    static std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t &pos);

    // Has a numeric value: ASCII digits, other scripts' digits, fractions,
    // superscripts, Roman numerals, ideographic numbers.
    static bool isNumeric(char32_t c);

    // Attaches to the character before it rather than starting a new one:
    // combining and spacing marks, zero-width (non-)joiners, tag characters.
    static bool joinsPrevious(char32_t c);
};

} // namespace tavelo
