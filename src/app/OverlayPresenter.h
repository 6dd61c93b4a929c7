#pragma once

#include <functional>

namespace tavelo {

// What the overlay's buttons and keys do; the model supplies them.
struct OverlayActions {
    std::function<void()> skip;
    std::function<void()> postpone;
};

// What the app model needs of the break overlay; BreakOverlayController provides it
// and tests substitute a recorder.
class OverlayPresenter {
public:
    virtual ~OverlayPresenter() = default;
    // The coming break's windows built ahead and kept unmapped, so that show() has only to
    // map them; released again if no break comes to use them.
    virtual void prepare(bool /*strictMode*/) {}
    virtual void show(bool strictMode) = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
};

} // namespace tavelo
