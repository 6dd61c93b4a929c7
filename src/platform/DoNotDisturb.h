#pragma once

#include <functional>

namespace tavelo {

// Whether the user has asked the desktop to keep notifications back for now.
class DoNotDisturb {
public:
    virtual ~DoNotDisturb() = default;

    // As last heard from the desktop; never waits for an answer. Off until one comes.
    virtual bool isOn() const = 0;
    // Runs after each change of `isOn()`; replaces the previous handler.
    virtual void setChangeHandler(std::function<void()> onChange) = 0;
};

} // namespace tavelo
