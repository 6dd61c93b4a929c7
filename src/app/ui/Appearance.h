#pragma once

#include <QPalette>

#include "platform/ColorSchemeSource.h"

namespace tavelo {

// Follows the desktop's light or dark preference with the application's palette, so that
// every window switches while open. Without a preference the palette Qt chose stays. The
// break overlay draws its own dark look and is not touched.
class Appearance final {
public:
    explicit Appearance(ColorSchemeSource &source);
    ~Appearance();
    Appearance(const Appearance &) = delete;
    Appearance &operator=(const Appearance &) = delete;

    // The palette for `scheme`; `system` is what Qt chose and serves when it already fits.
    static QPalette paletteFor(ColorScheme scheme, const QPalette &system);
    // Dark when the window background is.
    static bool isDark(const QPalette &palette);

private:
    void apply();

    ColorSchemeSource &m_source;
    QPalette m_system;
};

} // namespace tavelo
