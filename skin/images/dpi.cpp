#include "skin/images/dpi.h"

#include "skin/images/gdi.h"

namespace skin {

namespace {

// Both functions arrived with later systems than the skin supports, so they
// are looked up rather than imported.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

FARPROC user32Function(const char* name) noexcept
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

template <class Fn>
Fn lookUp(const char* name) noexcept
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(user32Function(name)));
}

} // namespace

int scaleToDpi(int length, int dpi) noexcept
{
    return dpi == kBaseDpi ? length : MulDiv(length, dpi, kBaseDpi);
}

ImagePart scalePart(int x, int y, int width, int height, int dpi) noexcept
{
    const int left = scaleToDpi(x, dpi);
    const int top = scaleToDpi(y, dpi);
    return {left, top, scaleToDpi(x + width, dpi) - left, scaleToDpi(y + height, dpi) - top};
}

int screenDpi() noexcept
{
    // A system-DPI-aware process keeps the DPI it started with.
    static const int dpi = [] {
        const ClientDc screen(nullptr);
        const int logPixels = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
        return logPixels > 0 ? logPixels : kBaseDpi;
    }();
    return dpi;
}

int windowDpi(HWND hwnd) noexcept
{
    static const auto getDpiForWindow = lookUp<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    return screenDpi();
}

int systemMetricAt(int index, int dpi) noexcept
{
    static const auto metricForDpi = lookUp<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (dpi == screenDpi())
        return GetSystemMetrics(index);
    if (metricForDpi && dpi > 0)
        return metricForDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, screenDpi());
}

} // namespace skin
