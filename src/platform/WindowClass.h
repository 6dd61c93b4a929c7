#pragma once

#include <cstdint>
#include <string_view>

namespace tavelo {

// Gives a native top-level window its own class hint (X11 WM_CLASS), so that tools and
// window-manager rules can tell it apart from the program's other windows. Call it after
// the native window exists and before it is shown; does nothing where there is no such hint.
void setNativeWindowClass(std::uintptr_t nativeId, std::string_view instanceName, std::string_view className);

} // namespace tavelo
