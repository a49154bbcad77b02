#include "skin/core/child_creation.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"

namespace skin {

namespace {

thread_local HHOOK t_hook = nullptr;

// A control has no state of its own until its procedure has handled
// WM_NCCREATE and WM_CREATE, so the window is attached only then. Until
// then this procedure stands in front of its own and passes every message on.
LRESULT CALLBACK creationProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto ownProc = reinterpret_cast<WNDPROC>(getProp(hwnd, prop::kCreateProc));
    if (!ownProc)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        removeProp(hwnd, prop::kCreateProc);
    const LRESULT result = CallWindowProcW(ownProc, hwnd, msg, wParam, lParam);
    if (msg != WM_CREATE || result == -1)
        return result; // a failed creation destroys the window, which ends at WM_NCDESTROY

    // The window gets its own procedure back, unless something subclassed it
    // meanwhile: then this one stays in the chain and only passes messages on.
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&creationProc)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
        removeProp(hwnd, prop::kCreateProc);
    }
    // Skinned like the windows present at the start: the ones it made below
    // itself while it was created first, then the window.
    if (isAttached(GetAncestor(hwnd, GA_PARENT))) {
        EnumChildWindows(hwnd, attachChildCallback, 0);
        attachWindow(hwnd);
    }
    return result;
}

LRESULT CALLBACK creationHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    // Hooks installed earlier may still refuse the window: ask them first.
    const LRESULT refused = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code != HCBT_CREATEWND || refused)
        return refused;
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
    if (!(create->style & WS_CHILD) || !isAttached(create->hwndParent) || !belongsToThisThread(create->hwndParent))
        return 0;
    const LONG_PTR ownProc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    setProp(hwnd, prop::kCreateProc, ownProc);
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&creationProc)))
        removeProp(hwnd, prop::kCreateProc);
    return 0;
}

} // namespace

void watchChildCreation() noexcept
{
    if (!t_hook)
        t_hook = SetWindowsHookExW(WH_CBT, creationHookProc, nullptr, GetCurrentThreadId());
}

void stopWatchingChildCreation() noexcept
{
    if (t_hook)
        UnhookWindowsHookEx(t_hook);
    t_hook = nullptr;
}

} // namespace skin
