// The skin state of a window. The thread's engine keeps it in memory of its
// own, which every message reads, and writes each value to the window as a
// named window property, its outward record, when the value changes: under
// Wine every property call is a trip to the server. Every name is here, once;
// a missing value reads as 0.
#pragma once

#include <windows.h>

namespace skin {

// A property's name on the window and its place in the engine's own copy.
struct PropName {
    const wchar_t* text;
    int slot;
};

namespace prop {
inline constexpr PropName kProcAddr{L"PROCADDR", 0};   // the window procedure attach replaced
inline constexpr PropName kCreateProc{L"CREATEPROC", 1};// a new child's own procedure until it is created
inline constexpr PropName kPassProc{L"PASSPROC", 2};   // where a given-back window's messages still pass (see passOn)
inline constexpr PropName kOldState{L"OLDSTATE", 3};   // visual state last drawn
inline constexpr PropName kOldStyle{L"OLDSTYLE", 4};   // push button style before attach
inline constexpr PropName kMouseFlag{L"MOUSEFLAG", 5}; // 1 while a leave notification is pending
inline constexpr PropName kTimerId{L"TIMERID", 6};     // running fade timer, or 0
inline constexpr PropName kAlphaLevel{L"ALPHALEVEL", 7};// alpha of the next fade paint
inline constexpr PropName kShield{L"SHIELD", 8};       // 1 while a push button shows the elevation shield
inline constexpr PropName kHdIndex{L"HDINDEX", 9};     // header item held down, or -1
inline constexpr PropName kHmIndex{L"HMINDEX", 10};    // header item under the mouse, or -1
inline constexpr PropName kScrollHot{L"SBHOT", 11};    // scroll-bar part under the mouse (scrollPartCode)
inline constexpr PropName kScrollDown{L"SBDOWN", 12};  // scroll-bar part held down (scrollPartCode)
inline constexpr PropName kScrollBits{L"SBBITS", 13};  // WS_VSCROLL/WS_HSCROLL taken off for a moment
inline constexpr PropName kScrollSign{L"SBSIGN", 14};  // checksum of the scroll information last drawn
inline constexpr PropName kFaces{L"FACES", 15};       // the push button's four faces, one below the other
inline constexpr PropName kPartHot{L"PARTHOT", 16};    // common control's part under the mouse, or -1
inline constexpr PropName kMarquee{L"MARQUEE", 17};    // where a marquee progress bar's block stands
inline constexpr int kCount = 18;
} // namespace prop

// Visual states, the number kept in OLDSTATE.
enum class VisualState : int { normal = 0, hot = 1, pressed = 2, disabled = 3 };

// The engine's own copy, one table a thread. A window's values there are
// dropped with its last one, or when a new window turns out to have the
// handle of one that went without the skin's knowledge (forgetState).
LONG_PTR readState(HWND hwnd, int slot) noexcept;
// True when the record must be written: the value changed, or a quiet write
// before left the record behind. A quiet write never asks for it.
bool writeState(HWND hwnd, int slot, LONG_PTR value, bool quiet = false) noexcept;
bool takeState(HWND hwnd, int slot, LONG_PTR& value) noexcept;  // false if it held none
void forgetState(HWND hwnd) noexcept;
bool holdsState(HWND hwnd) noexcept;

// Property values are pointer-sized; signed values such as -1 read back signed.
inline LONG_PTR getProp(HWND hwnd, const PropName& name) noexcept
{
    return readState(hwnd, name.slot);
}

inline void setProp(HWND hwnd, const PropName& name, LONG_PTR value) noexcept
{
    if (writeState(hwnd, name.slot, value))
        SetPropW(hwnd, name.text, reinterpret_cast<HANDLE>(value));
}

// Removes the value and returns it.
inline LONG_PTR takeProp(HWND hwnd, const PropName& name) noexcept
{
    LONG_PTR value = 0;
    if (takeState(hwnd, name.slot, value))
        RemovePropW(hwnd, name.text);
    return value;
}

inline void removeProp(HWND hwnd, const PropName& name) noexcept
{
    takeProp(hwnd, name);
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
// A fade's level moves on every step; its record is written where the fade
// starts and where it ends, not at each of the 86 steps between.
inline void stepAlpha(HWND hwnd, int alpha) noexcept { writeState(hwnd, prop::kAlphaLevel.slot, alpha, true); }

inline WNDPROC savedProcOf(HWND hwnd) noexcept
{
    return reinterpret_cast<WNDPROC>(getProp(hwnd, prop::kProcAddr));
}

// A handler that forwarded a message checks this before it changes anything:
// the window's own procedure may have detached or destroyed it meanwhile.
inline bool isAttached(HWND hwnd) noexcept
{
    return getProp(hwnd, prop::kProcAddr) != 0;
}

} // namespace skin
