#pragma once

#include <filesystem>
#include <functional>
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
    // As `replace`, but fails without a trace when anything is at `path` already.
    static std::optional<Failure> create(const std::filesystem::path &path, std::string_view contents);
    // Removes the temporary files that `path`'s writers left when they were killed, once
    // their process is gone.
    static void removeAbandoned(const std::filesystem::path &path);

    // Creates the missing folders first. Returns a description for the user on failure;
    // a failure leaves the old file (and any folders already made) in place.
    static std::optional<std::string> write(const std::filesystem::path &path, const std::string &contents);

private:
    // Writes and syncs a temporary file beside `path`, then has `place` give it `path`'s
    // name: `place` gets the folder's descriptor and the two names and returns 0 or an errno.
    static std::optional<Failure> install(const std::filesystem::path &path, std::string_view step,
                                          std::string_view contents,
                                          const std::function<int(int, const char *, const char *)> &place);
};

} // namespace tavelo
