#pragma once

#include <windows.h>

namespace skin {

// The one window procedure of every skinned window.
LRESULT CALLBACK skinWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
