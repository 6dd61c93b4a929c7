#pragma once

#include <functional>

namespace tavelo {

// The desktop's light or dark preference.
enum class ColorScheme { noPreference, dark, light };

class ColorSchemeSource {
public:
    virtual ~ColorSchemeSource() = default;

    // As last heard from the desktop; never waits. No preference until an answer comes.
    virtual ColorScheme scheme() const = 0;
    // Runs after each change of `scheme()`; replaces the previous handler.
    virtual void setChangeHandler(std::function<void()> onChange) = 0;
};

} // namespace tavelo
