// The skin state of a window lives on the window itself, as named window
// properties. Every name is here, once; a missing property reads as 0.
#pragma once

#include <windows.h>

namespace skin {

namespace prop {
inline constexpr const wchar_t* kProcAddr = L"PROCADDR";     // the window procedure attach replaced
inline constexpr const wchar_t* kCreateProc = L"CREATEPROC"; // a new child's own procedure until it is created
inline constexpr const wchar_t* kPassProc = L"PASSPROC";     // where a given-back window's messages still pass (see passOn)
inline constexpr const wchar_t* kOldState = L"OLDSTATE";     // visual state last drawn
inline constexpr const wchar_t* kOldStyle = L"OLDSTYLE";     // push button style before attach
inline constexpr const wchar_t* kMouseFlag = L"MOUSEFLAG";   // 1 while a leave notification is pending
inline constexpr const wchar_t* kTimerId = L"TIMERID";       // running fade timer, or 0
inline constexpr const wchar_t* kAlphaLevel = L"ALPHALEVEL"; // alpha of the next fade paint
inline constexpr const wchar_t* kShield = L"SHIELD";         // 1 while a push button shows the elevation shield
inline constexpr const wchar_t* kHdIndex = L"HDINDEX";       // header item held down, or -1
inline constexpr const wchar_t* kHmIndex = L"HMINDEX";       // header item under the mouse, or -1
inline constexpr const wchar_t* kScrollHot = L"SBHOT";       // scroll-bar part under the mouse (scrollPartCode)
inline constexpr const wchar_t* kScrollDown = L"SBDOWN";     // scroll-bar part held down (scrollPartCode)
inline constexpr const wchar_t* kScrollBits = L"SBBITS";     // WS_VSCROLL/WS_HSCROLL taken off for a moment
inline constexpr const wchar_t* kScrollSign = L"SBSIGN";     // checksum of the scroll information last drawn
// The push button's four state surfaces: "HDC0".."HDC3" and "BMP0".."BMP3".
inline constexpr const wchar_t* kSurfaceDc[4] = {L"HDC0", L"HDC1", L"HDC2", L"HDC3"};
inline constexpr const wchar_t* kSurfaceBitmap[4] = {L"BMP0", L"BMP1", L"BMP2", L"BMP3"};
} // namespace prop

// Visual states, the number kept in OLDSTATE.
enum class VisualState : int { normal = 0, hot = 1, pressed = 2, disabled = 3 };

// Property values are pointer-sized; signed values such as -1 read back signed.
inline LONG_PTR getProp(HWND hwnd, const wchar_t* name) noexcept
{
    return reinterpret_cast<LONG_PTR>(GetPropW(hwnd, name));
}

inline void setProp(HWND hwnd, const wchar_t* name, LONG_PTR value) noexcept
{
    SetPropW(hwnd, name, reinterpret_cast<HANDLE>(value));
}

inline void removeProp(HWND hwnd, const wchar_t* name) noexcept
{
    RemovePropW(hwnd, name);
}

inline VisualState getState(HWND hwnd) noexcept
{
    return static_cast<VisualState>(getProp(hwnd, prop::kOldState));
}

inline void setState(HWND hwnd, VisualState state) noexcept
{
    setProp(hwnd, prop::kOldState, static_cast<LONG_PTR>(state));
}

inline int getAlpha(HWND hwnd) noexcept { return static_cast<int>(getProp(hwnd, prop::kAlphaLevel)); }
inline void setAlpha(HWND hwnd, int alpha) noexcept { setProp(hwnd, prop::kAlphaLevel, alpha); }

inline WNDPROC savedProcOf(HWND hwnd) noexcept
{
    return reinterpret_cast<WNDPROC>(GetPropW(hwnd, prop::kProcAddr));
}

// A handler that forwarded a message checks this before it changes anything:
// the window's own procedure may have detached or destroyed it meanwhile.
inline bool isAttached(HWND hwnd) noexcept
{
    return GetPropW(hwnd, prop::kProcAddr) != nullptr;
}

inline HDC stateSurface(HWND hwnd, int n) noexcept
{
    return reinterpret_cast<HDC>(GetPropW(hwnd, prop::kSurfaceDc[n]));
}

} // namespace skin
