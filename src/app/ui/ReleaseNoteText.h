#pragma once

#include <span>
#include <string>

#include <QString>

namespace tavelo {

// The release notes live in the Qt-free core; their texts are marked for translation here
// and translated when shown.
class ReleaseNoteText {
public:
    static QString translated(const std::string &text);
    // Every text of the core's release notes, as marked for lupdate.
    static std::span<const char *const> marked();
};

} // namespace tavelo
