// Shared set-up for the painter tests: the skin images, a visible host window
// for controls, the fixture classes registered under the names the kind table
// gives, and readers for what a window shows.
#pragma once

#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/nonclient_paint.h"
#include "support/pixels.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

namespace qmtest {

using skin::VisualState;

inline constexpr wchar_t kCheckClass[] = L"ThunderRT6CheckBox", kOptionClass[] = L"ThunderRT6OptionButton",
                         kProgressClass[] = L"ProgressBar20WndClass", kDriveClass[] = L"ThunderRT6DriveListBox",
                         kDataListClass[] = L"DataListWndClass", kGridClass[] = L"ApexGridTestClass",
                         kOwnDcList[] = L"OwnDcListBox"; // keeps its context, so its background colour can be set

// Registers `name` as a superclass of the system class `base`, keeping its procedure.
inline void registerSuperclass(const wchar_t* name, const wchar_t* base, UINT extraStyle = 0)
{
    WNDCLASSEXW wc{sizeof(wc)};
    GetClassInfoExW(nullptr, base, &wc);
    wc.cbSize = sizeof(wc), wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = name, wc.style |= extraStyle;
    RegisterClassExW(&wc);
}

// Counts the paint messages reaching a control's own procedure, so a test can tell whether its own painting ran.
struct CountingProc {
    static inline WNDPROC wrapped = nullptr;
    static inline int paints = 0, ncPaints = 0;
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        paints += msg == WM_PAINT, ncPaints += msg == WM_NCPAINT;
        return CallWindowProcW(wrapped, hwnd, msg, wParam, lParam);
    }
    static WNDPROC wrap(HWND hwnd) // resets the counts
    {
        wrapped = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        paints = ncPaints = 0;
        return &proc;
    }
};

// Pixels of the image cell (sx, sy, w, h) that are not the key colour and differ from the Dib at (x, y)
// onwards; -1 when the cell is all key.
inline int imageMismatches(const Dib& dib, int x, int y, HDC image, int sx, int sy, int w, int h)
{
    int opaque = 0, wrong = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const COLORREF src = GetPixel(image, sx + i, sy + j);
            opaque += src != skin::kKeyColour;
            wrong += src != skin::kKeyColour && dib.pixel(x + i, y + j) != src;
        }
    return opaque ? wrong : -1;
}

class PaintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = DefWindowProcW, wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = L"PaintTestHost";
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        RegisterClassExW(&wc);
        for (auto [name, base] : {std::pair{kCheckClass, L"Button"}, {kOptionClass, L"Button"}, {kProgressClass, PROGRESS_CLASSW},
                                  {kDriveClass, L"ComboBox"}, {kDataListClass, L"ListBox"}, {kGridClass, L"Static"}})
            registerSuperclass(name, base);
        registerSuperclass(kOwnDcList, L"ListBox", CS_OWNDC);
        skin::buildSkinImages();
    }
    static void TearDownTestSuite() { skin::releaseSkinImages(); }
    void SetUp() override
    {
        host_ = CreateWindowExW(WS_EX_TOPMOST, L"PaintTestHost", L"paint", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 420,
                                300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        settle(host_);
    }
    void TearDown() override { DestroyWindow(host_); }

    // A child of the host at (x, y) with the given outer size, its own painting done.
    HWND child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0, const wchar_t* text = L"")
    {
        HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(hwnd, nullptr);
        settle(hwnd);
        return hwnd;
    }
    static void settle(HWND hwnd)
    {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            TranslateMessage(&msg), DispatchMessageW(&msg);
    }
    // WM_PAINT or WM_NCPAINT through the skin's handler, the control's own procedure counting what reaches it.
    static LRESULT skinPaint(HWND hwnd, UINT msg = WM_PAINT)
    {
        WNDPROC own = CountingProc::wrap(hwnd);
        if (msg == WM_NCPAINT)
            return skin::onNcPaint(own, hwnd, msg, 1, 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        return skin::onPaint(own, hwnd, msg, 0, 0);
    }
    // A list header 300 x 20 (the image's height, so rows copy 1:1) with 80-pixel items.
    HWND header(int items = 3, const wchar_t* firstCaption = L"")
    {
        HWND hwnd = child(WC_HEADERW, HDS_HORZ, 10, 10, 300, 20);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        for (int i = 0; i < items; ++i) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_TEXT, item.cxy = 80, item.pszText = const_cast<wchar_t*>(i ? L"" : firstCaption);
            SendMessageW(hwnd, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        }
        skin::setProp(hwnd, skin::prop::kHdIndex, -1);
        skin::setProp(hwnd, skin::prop::kHmIndex, -1);
        settle(hwnd);
        return hwnd;
    }
    // What the window shows, frame included, or only its client area.
    static Dib pixels(HWND hwnd, bool client = false)
    {
        RECT r{};
        client ? GetClientRect(hwnd, &r) : GetWindowRect(hwnd, &r);
        HDC dc = client ? GetDC(hwnd) : GetWindowDC(hwnd);
        Dib dib = captureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        ReleaseDC(hwnd, dc);
        return dib;
    }

    HWND host_ = nullptr;
};

} // namespace qmtest
