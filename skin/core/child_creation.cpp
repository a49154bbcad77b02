#include "skin/core/child_creation.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"

namespace skin {

namespace {

thread_local HHOOK t_hook = nullptr;

// Whether a new window's parent is skinned is read from its outward record: a
// window made now may have the handle of one destroyed without the skin's
// knowledge, whose values the engine still holds.
bool isRecordedAttached(HWND hwnd) noexcept
{
    return GetPropW(hwnd, prop::kProcAddr.text) != nullptr;
}

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
    if (isRecordedAttached(GetAncestor(hwnd, GA_PARENT))) {
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
    forgetState(hwnd); // a new window holds nothing yet
    const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
    if (!(create->style & WS_CHILD) || !isRecordedAttached(create->hwndParent) || !belongsToThisThread(create->hwndParent))
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
