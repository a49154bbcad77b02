#include "skin/core/high_contrast.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"

#include <algorithm>
#include <atomic>
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

std::atomic<HighContrastQuery> g_query = nullptr;

// The rest belongs to each user-interface thread's engine, in plain
// thread-local values (see engine.cpp).
// The thread's hidden top-level window that hears WM_SETTINGCHANGE and
// WM_SYSCOLORCHANGE, which the system sends to top-level windows only and
// which the skinned windows stop hearing once they are given back.
thread_local HWND t_listener = nullptr;
// True from the moment the engine sees high contrast on until it sees it off.
thread_local bool t_standingAside = false;
// The windows given back (or never attached) while high contrast is on, to be
// skinned when it ends; made with the first and deleted with the last.
thread_local std::vector<HWND>* t_leftWindows = nullptr;

void remember(HWND hwnd)
{
    if (!t_leftWindows)
        t_leftWindows = new std::vector<HWND>;
    if (std::ranges::find(*t_leftWindows, hwnd) == t_leftWindows->end())
        t_leftWindows->push_back(hwnd);
}

std::vector<HWND> takeLeftWindows() noexcept
{
    std::vector<HWND> windows;
    if (t_leftWindows)
        windows.swap(*t_leftWindows);
    delete t_leftWindows;
    t_leftWindows = nullptr;
    return windows;
}

bool nothingToSkin() noexcept
{
    return attachedWindowCount() == 0 && !t_leftWindows;
}

// This thread's attached windows whose parent is not attached: detaching each
// gives back everything below it.
BOOL CALLBACK collectAttachedRoot(HWND hwnd, LPARAM lParam) noexcept
{
    auto attachedHere = [](HWND h) { return h && isAttached(h) && belongsToThisThread(h); };
    if (attachedHere(hwnd) && !attachedHere(GetAncestor(hwnd, GA_PARENT)))
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
    t_standingAside = true;
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
    if (t_listener && IsWindow(t_listener))
        DestroyWindow(t_listener);
    t_listener = nullptr;
}

void skinAgain() noexcept
{
    t_standingAside = false;
    for (HWND hwnd : takeLeftWindows()) {
        if (IsWindow(hwnd) && belongsToThisThread(hwnd)) {
            prepareEngine();
            attachHostWindow(hwnd);
        }
    }
    if (nothingToSkin())
        destroyListener();
}

LRESULT CALLBACK listenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) {
        const bool on = highContrastOn();
        if (on && !t_standingAside)
            standAside();
        else if (!on && t_standingAside)
            skinAgain();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ensureListener() noexcept
{
    if (t_listener && IsWindow(t_listener))
        return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = listenerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kListenerClass;
    RegisterClassExW(&wc); // fails harmlessly once registered
    // Not a message-only window: those hear no broadcasts.
    t_listener = CreateWindowExW(WS_EX_TOOLWINDOW, kListenerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 wc.hInstance, nullptr);
}

} // namespace

bool highContrastOn() noexcept
{
    const HighContrastQuery query = g_query;
    return query ? query() : systemHighContrast();
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
    if (!t_standingAside)
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
    if (t_leftWindows && std::erase(*t_leftWindows, hwnd) && t_leftWindows->empty())
        takeLeftWindows();
    if (nothingToSkin()) {
        t_standingAside = false;
        destroyListener();
    }
}

void noWindowAttached() noexcept
{
    if (!t_standingAside)
        destroyListener();
}

} // namespace skin
