#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct ReleaseNote;

// A dotted version compared numerically; missing components count as 0, so
// "1.2" == "1.2.0". Parsing never fails: pieces that are not numbers become 0.
class AppVersion {
public:
    explicit AppVersion(std::string raw);
    explicit AppVersion(std::string_view raw) : AppVersion(std::string(raw)) {}
    explicit AppVersion(const char *raw) : AppVersion(std::string(raw)) {}

    const std::vector<std::int64_t> &components() const { return m_components; }
    // The string it was parsed from, unchanged.
    const std::string &raw() const { return m_raw; }
    const std::string &description() const { return m_raw; }

    friend std::weak_ordering operator<=>(const AppVersion &a, const AppVersion &b);
    friend bool operator==(const AppVersion &a, const AppVersion &b) { return std::is_eq(a <=> b); }

    // Equal versions hash alike: trailing zero components are ignored.
    std::size_t hash() const;

    // True for dotted ASCII numbers only, each fitting 64 bits ("1.4.0", not "1.4-beta" or
    // "1..4"): text the parser reads without dropping or zeroing any of it.
    static bool isPlain(std::string_view text);

    // The notes whose version is greater than `than`, in the given order; all of
    // them when `than` is absent.
    static std::vector<ReleaseNote> notesNewer(const std::optional<AppVersion> &than,
                                               const std::vector<ReleaseNote> &notes);

private:
    std::string m_raw;
    std::vector<std::int64_t> m_components;
};

} // namespace tavelo

template <> struct std::hash<tavelo::AppVersion> {
    std::size_t operator()(const tavelo::AppVersion &version) const noexcept { return version.hash(); }
};
