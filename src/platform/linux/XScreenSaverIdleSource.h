#pragma once

#include <memory>

#include "platform/IdleTimeSource.h"

namespace tavelo {

// The X server's own idle counter (MIT-SCREEN-SAVER) on Qt's display connection: one
// local round trip per sample. Unavailable on other Qt platforms or without the extension.
class XScreenSaverIdleSource final : public IdleTimeSource {
public:
    XScreenSaverIdleSource();
    ~XScreenSaverIdleSource() override;
    XScreenSaverIdleSource(const XScreenSaverIdleSource &) = delete;
    XScreenSaverIdleSource &operator=(const XScreenSaverIdleSource &) = delete;

    std::optional<double> idleSeconds() override;

private:
    struct Xlib;

    bool m_probed = false;
    std::unique_ptr<Xlib> m_x;
};

} // namespace tavelo
