#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavelo {

// Replaces a small file so that readers see either the old or the new text, never a
// part, and the new text survives a crash once the call returns: a temporary file in
// the same folder is written, synced and renamed over it, and the folder synced.
class AtomicFileWriter {
public:
    struct Failure {
        // The step, the file and the system's message: "sync /a/.b.123-f00: No space left on device".
        std::string description;
        int error = 0;
    };

    // The folder must exist. On failure the old file is untouched and no temporary is left.
    static std::optional<Failure> replace(const std::filesystem::path &path, std::string_view contents);

    // Creates the missing folders first. Returns a description for the user on failure;
    // a failure leaves the old file (and any folders already made) in place.
    static std::optional<std::string> write(const std::filesystem::path &path, const std::string &contents);
};

} // namespace tavelo
