#pragma once

namespace tavelo {

// Whether a compositor blends windows with what is behind them, so that a translucent
// window (rounded corners, a shadow) looks as drawn instead of on black. Asked each time
// such a window is about to be shown: a compositor may come or go.
bool compositorRunning();

} // namespace tavelo
