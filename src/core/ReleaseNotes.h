#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/ReleaseNote.h"

namespace tavelo {

class ReleaseNotes {
public:
    ReleaseNotes() = delete;

    // Every release, newest first. Built once on first use; safe to read from any thread.
    static const std::vector<ReleaseNote> &all();

    // The releases newer than `lastSeen`, oldest first; every release when it is absent.
    static std::vector<ReleaseNote> notesNewer(const std::optional<std::string> &lastSeen);
};

} // namespace tavelo
