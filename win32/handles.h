// Small owning and scoping types for GDI and USER handles, shared by the skin
// and the program. A raw handle parameter anywhere means "borrowed";
// ownership is always one of these types.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

struct DeleteGdiObject { void operator()(void* h) const noexcept { DeleteObject(static_cast<HGDIOBJ>(h)); } };
struct DeleteDc        { void operator()(HDC h) const noexcept { DeleteDC(h); } };
struct CloseKernelHandle { void operator()(HANDLE h) const noexcept { CloseHandle(h); } };
struct CloseKey        { void operator()(HKEY h) const noexcept { RegCloseKey(h); } };

template <class H, class D> using Unique = std::unique_ptr<std::remove_pointer_t<H>, D>;
using UniqueBitmap  = Unique<HBITMAP, DeleteGdiObject>;
using UniqueBrush   = Unique<HBRUSH, DeleteGdiObject>;
using UniqueFont    = Unique<HFONT, DeleteGdiObject>;
using UniqueRegion  = Unique<HRGN, DeleteGdiObject>;
using UniquePalette = Unique<HPALETTE, DeleteGdiObject>;
using UniqueDc      = Unique<HDC, DeleteDc>;
using UniqueHandle  = Unique<HANDLE, CloseKernelHandle>; // a process, thread or file
using UniqueKey     = Unique<HKEY, CloseKey>;

// Selects an object into a device context and puts the previous one back.
// Owns nothing: declare it after the object it selects so it is undone first.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) noexcept : m_dc(dc), m_old(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() { if (m_old) SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Keeps a context's background mode and text and background colours, and
// restores them when the scope ends.
class DcStateGuard {
public:
    explicit DcStateGuard(HDC dc) noexcept
        : m_dc(dc), m_mode(GetBkMode(dc)), m_text(GetTextColor(dc)), m_back(GetBkColor(dc)) {}
    ~DcStateGuard() { SetBkMode(m_dc, m_mode); SetTextColor(m_dc, m_text); SetBkColor(m_dc, m_back); }
    DcStateGuard(const DcStateGuard&) = delete;
    DcStateGuard& operator=(const DcStateGuard&) = delete;
private:
    HDC m_dc;
    int m_mode;
    COLORREF m_text;
    COLORREF m_back;
};

// BeginPaint/EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) noexcept : m_hwnd(hwnd) { m_dc = BeginPaint(hwnd, &m_ps); }
    ~PaintScope() { EndPaint(m_hwnd, &m_ps); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const noexcept { return m_dc; }
    const PAINTSTRUCT& info() const noexcept { return m_ps; }
private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// GetWindowDC/ReleaseDC: the whole window, frame included.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : m_hwnd(hwnd), m_dc(GetWindowDC(hwnd)) {}
    ~WindowDc() { if (m_dc) ReleaseDC(m_hwnd, m_dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return m_dc; }
private:
    HWND m_hwnd;
    HDC m_dc;
};

// GetDC/ReleaseDC: the client area (or the screen for a null window).
class ClientDc {
public:
    explicit ClientDc(HWND hwnd) noexcept : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~ClientDc() { if (m_dc) ReleaseDC(m_hwnd, m_dc); }
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;
    HDC get() const noexcept { return m_dc; }
private:
    HWND m_hwnd;
    HDC m_dc;
};

// SaveDC/RestoreDC: a borrowed context's origin, clipping, selected objects
// and modes as they were when the scope began.
class SavedDc {
public:
    explicit SavedDc(HDC dc) noexcept : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~SavedDc() { if (m_saved) RestoreDC(m_dc, m_saved); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
private:
    HDC m_dc;
    int m_saved;
};

// Sets a context's layout (SetLayout) and puts the previous one back.
class LayoutGuard {
public:
    LayoutGuard(HDC dc, DWORD layout) noexcept : m_dc(dc), m_old(SetLayout(dc, layout)) {}
    ~LayoutGuard() { if (m_old != GDI_ERROR) SetLayout(m_dc, m_old); }
    LayoutGuard(const LayoutGuard&) = delete;
    LayoutGuard& operator=(const LayoutGuard&) = delete;
private:
    HDC m_dc;
    DWORD m_old;
};

} // namespace win32
