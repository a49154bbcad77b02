#include "paint/paint_fixture.h"

#include "skin/images/skin_images.h"

#include <commctrl.h>

namespace qmtest {

WNDPROC CountingProc::wrapped = nullptr;
int CountingProc::paints = 0;
int CountingProc::ncPaints = 0;

LRESULT CALLBACK CountingProc::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    paints += msg == WM_PAINT;
    ncPaints += msg == WM_NCPAINT;
    return CallWindowProcW(wrapped, hwnd, msg, wParam, lParam);
}

WNDPROC CountingProc::wrap(HWND hwnd)
{
    wrapped = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    paints = 0;
    ncPaints = 0;
    return &proc;
}

void registerSuperclass(const wchar_t* name, const wchar_t* base, UINT extraStyle)
{
    WNDCLASSEXW wc{sizeof(wc)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc))
        return;
    GetClassInfoExW(nullptr, base, &wc);
    wc.cbSize = sizeof(wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.style |= extraStyle;
    RegisterClassExW(&wc);
}

int imageMismatches(const Dib& dib, int x, int y, HDC image, int sx, int sy, int w, int h)
{
    int opaque = 0;
    int wrong = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const COLORREF src = GetPixel(image, sx + i, sy + j);
            if (src == skin::kKeyColour)
                continue;
            ++opaque;
            wrong += dib.pixel(x + i, y + j) != src;
        }
    return opaque ? wrong : -1;
}

namespace {

constexpr wchar_t kHostClass[] = L"PaintTestHost";

} // namespace

void PaintTest::SetUpTestSuite()
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kHostClass;
    RegisterClassExW(&wc);
    skin::buildSkinImages();
}

void PaintTest::TearDownTestSuite()
{
    skin::releaseSkinImages();
}

void PaintTest::SetUp()
{
    host_ = CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"paint", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                            20, 20, 420, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    settle(host_);
}

void PaintTest::TearDown()
{
    DestroyWindow(host_);
}

HWND PaintTest::child(const wchar_t* cls, DWORD style, int x, int y, int width, int height, DWORD exStyle,
                      const wchar_t* text)
{
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, host_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(hwnd, nullptr) << "cannot create a window of class " << testing::PrintToString(std::wstring(cls));
    settle(hwnd);
    return hwnd;
}

void PaintTest::settle(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

Dib PaintTest::windowPixels(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    HDC dc = GetWindowDC(hwnd);
    Dib dib = captureDc(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(hwnd, dc);
    return dib;
}

Dib PaintTest::clientPixels(HWND hwnd)
{
    RECT rect{};
    GetClientRect(hwnd, &rect);
    HDC dc = GetDC(hwnd);
    Dib dib = captureDc(dc, 0, 0, rect.right, rect.bottom);
    ReleaseDC(hwnd, dc);
    return dib;
}

} // namespace qmtest
