#include "core/ReleaseNotes.h"

#include <algorithm>

namespace tavelo {

const std::vector<ReleaseNote> &ReleaseNotes::all()
{
    static const std::vector<ReleaseNote> notes{
        ReleaseNote("0.2.0", "Idle-aware timing and a respectful break overlay",
                    {
                        "Focus timer freezes while you're away \u2014 no more ambush breaks after coffee.",
                        "Stepping away during a break counts as taking it.",
                        "Esc always postpones; fullscreen apps and screen shares are never interrupted.",
                        "New Strict/Gentle break mode and idle-pause setting.",
                    }),
        ReleaseNote("0.1.0", "Welcome to Tavelo",
                    {
                        "Focus, microbreak, and long-break scheduling from the menu bar.",
                        "Fullscreen break overlay with skip and postpone.",
                        "Persistent settings and launch-at-login support.",
                    }),
    };
    return notes;
}

std::vector<ReleaseNote> ReleaseNotes::notesNewer(const std::optional<std::string> &lastSeen)
{
    std::optional<AppVersion> version;
    if (lastSeen)
        version.emplace(*lastSeen);
    std::vector<ReleaseNote> sorted = all();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ReleaseNote &a, const ReleaseNote &b) { return a.version < b.version; });
    return AppVersion::notesNewer(version, sorted);
}

} // namespace tavelo
