#include "skin/paint/common_controls.h"

#include "skin/core/properties.h"

namespace skin {

// Not drawn by the skin yet: the control's own look.
void paintCommonProgress(HWND hwnd, HDC dc) noexcept
{
    CallWindowProcW(savedProcOf(hwnd), hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

} // namespace skin
