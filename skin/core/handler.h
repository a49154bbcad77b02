// Every message handler of the engine has this one shape.
#pragma once

#include <windows.h>

namespace skin {

using MessageHandler = LRESULT (*)(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Passes a message on to the procedure the window had before it was skinned.
inline LRESULT forward(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return CallWindowProcW(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
