#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/AppVersion.h"

namespace tavelo {

// One entry of the built-in release notes.
struct ReleaseNote {
    ReleaseNote(std::string_view version, std::string title, std::vector<std::string> highlights)
        : version(version), title(std::move(title)), highlights(std::move(highlights))
    {
    }

    AppVersion version;
    std::string title;
    // Bullet points, in display order.
    std::vector<std::string> highlights;

    bool operator==(const ReleaseNote &) const = default;
};

} // namespace tavelo
