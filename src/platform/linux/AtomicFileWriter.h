#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavelo {

// Replaces a small file so that readers see either the old or the new text, never a
// part: a temporary file in the same folder is written, synced and renamed over it.
class AtomicFileWriter {
public:
    // Creates the missing folders first. Returns the error's description on failure;
    // a failure leaves the old file (and any folders already made) in place.
    static std::optional<std::string> write(const std::filesystem::path &path, const std::string &contents);
};

} // namespace tavelo
