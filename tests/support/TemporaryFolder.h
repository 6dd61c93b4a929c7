#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tavelo::test {

// A fresh folder under `base` (by default $TMPDIR or /tmp), removed with everything
// in it on destruction.
class TemporaryFolder {
public:
    TemporaryFolder() : TemporaryFolder(defaultBase()) {}
    explicit TemporaryFolder(const std::filesystem::path &base)
    {
        std::string pattern = (base / "tavelo-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed for " + pattern);
        m_path = pattern;
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::filesystem::path &path() const { return m_path; }

    static std::filesystem::path defaultBase()
    {
        const char *base = std::getenv("TMPDIR");
        return base && *base ? base : "/tmp";
    }

private:
    std::filesystem::path m_path;
};

} // namespace tavelo::test
