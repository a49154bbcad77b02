#include "skin/core/high_contrast.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

constexpr wchar_t kListenerClass[] = L"QuillmendSkinSettings";

bool systemHighContrast() noexcept
{
    HIGHCONTRASTW contrast{sizeof(contrast)};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrastQuery g_query = nullptr;
// The hidden top-level window that hears WM_SETTINGCHANGE and
// WM_SYSCOLORCHANGE, which the system sends to top-level windows only and
// which the skinned windows stop hearing once they are given back.
HWND g_listener = nullptr;
// True from the moment the engine sees high contrast on until it sees it off.
bool g_standingAside = false;
// The windows given back (or never attached) while high contrast is on, to be
// skinned when it ends.
std::vector<HWND> g_leftWindows;

void remember(HWND hwnd)
{
    if (std::find(g_leftWindows.begin(), g_leftWindows.end(), hwnd) == g_leftWindows.end())
        g_leftWindows.push_back(hwnd);
}

// The attached windows whose parent is not attached: detaching each gives
// back everything below it.
BOOL CALLBACK collectAttachedRoot(HWND hwnd, LPARAM lParam) noexcept
{
    const HWND parent = GetAncestor(hwnd, GA_PARENT);
    if (isAttached(hwnd) && !(parent && isAttached(parent)))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectFromTopLevel(HWND hwnd, LPARAM lParam) noexcept
{
    collectAttachedRoot(hwnd, lParam);
    if (!isAttached(hwnd))
        EnumChildWindows(hwnd, collectAttachedRoot, lParam);
    return TRUE;
}

void standAside() noexcept
{
    g_standingAside = true;
    try {
        std::vector<HWND> roots;
        EnumThreadWindows(GetCurrentThreadId(), collectFromTopLevel, reinterpret_cast<LPARAM>(&roots));
        for (HWND root : roots) {
            remember(root);
            detachHostWindow(root);
        }
    } catch (...) {
        // Out of memory: whatever was not remembered stays skinned.
    }
}

void destroyListener() noexcept
{
    if (g_listener && IsWindow(g_listener))
        DestroyWindow(g_listener);
    g_listener = nullptr;
}

void skinAgain() noexcept
{
    g_standingAside = false;
    std::vector<HWND> windows;
    windows.swap(g_leftWindows);
    for (HWND hwnd : windows) {
        if (IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
            prepareEngine();
            attachHostWindow(hwnd);
        }
    }
    if (attachedWindowCount() == 0 && g_leftWindows.empty())
        destroyListener();
}

LRESULT CALLBACK listenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) {
        const bool on = highContrastOn();
        if (on && !g_standingAside)
            standAside();
        else if (!on && g_standingAside)
            skinAgain();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ensureListener() noexcept
{
    if (g_listener && IsWindow(g_listener))
        return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = listenerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kListenerClass;
    RegisterClassExW(&wc); // fails harmlessly once registered
    // Not a message-only window: those hear no broadcasts.
    g_listener = CreateWindowExW(WS_EX_TOOLWINDOW, kListenerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 wc.hInstance, nullptr);
}

} // namespace

bool highContrastOn() noexcept
{
    return g_query ? g_query() : systemHighContrast();
}

void setHighContrastQuery(HighContrastQuery query) noexcept
{
    g_query = query;
}

bool leaveToSystemWhileHighContrast(HWND hwnd) noexcept
{
    ensureListener();
    if (!highContrastOn())
        return false;
    if (!g_standingAside)
        standAside();
    try {
        if (hwnd)
            remember(hwnd);
    } catch (...) {
    }
    return true;
}

void forgetLeftWindow(HWND hwnd) noexcept
{
    std::erase(g_leftWindows, hwnd);
    if (attachedWindowCount() == 0 && g_leftWindows.empty()) {
        g_standingAside = false;
        destroyListener();
    }
}

void noWindowAttached() noexcept
{
    if (!g_standingAside)
        destroyListener();
}

} // namespace skin
