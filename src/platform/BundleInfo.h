#pragma once

#include <optional>
#include <string>

namespace tavelo {

// What the program knows about its own installation.
class BundleInfo {
public:
    virtual ~BundleInfo() = default;

    // True when the program runs from an installed build (with its desktop entry);
    // notifications, launch at login, update checks and launch screens need it.
    virtual bool isInstalled() const = 0;
    // "com.tavelo.app".
    virtual std::string identifier() const = 0;
    // The version the program was built as, e.g. "0.2.0".
    virtual std::optional<std::string> shortVersion() const = 0;
    // The update feed address this run was told to use instead of the built-in one, as
    // given (not checked); nothing when none was given.
    virtual std::optional<std::string> updateFeedUrl() const = 0;
};

} // namespace tavelo
