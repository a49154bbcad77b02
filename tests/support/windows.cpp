#include "support/windows.h"

#include <cstdio>

namespace qmtest {

namespace {

// A crash ends the test program at once with its exception code, instead of
// waiting for a debugger that never comes.
const LPTOP_LEVEL_EXCEPTION_FILTER g_crashFilter = SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
    std::fprintf(stderr, "crash: exception 0x%08lX\n", static_cast<unsigned long>(e->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
});

} // namespace

void registerPlainClass(const wchar_t* name, WNDPROC proc)
{
    WNDCLASSEXW wc{sizeof(wc)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc) || GetClassInfoExW(nullptr, name, &wc))
        return;
    wc = {sizeof(wc), 0, proc, 0, 0, GetModuleHandleW(nullptr), nullptr, LoadCursorW(nullptr, IDC_ARROW),
          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, name};
    RegisterClassExW(&wc);
}

UniqueWindow makeTopLevel(const wchar_t* className, int width, int height, const wchar_t* title)
{
    registerPlainClass(className);
    RECT rect{0, 0, width, height};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE;
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, className, title, style, 40, 40, rect.right - rect.left,
                                rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(hwnd);
    pumpMessages();
    return UniqueWindow(hwnd);
}

HWND makeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
               int x, int y, int width, int height, DWORD exStyle)
{
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::vector<HWND> descendants(HWND parent, std::vector<HWND> found)
{
    EnumChildWindows(parent, [](HWND hwnd, LPARAM list) { reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd); return TRUE; },
                     reinterpret_cast<LPARAM>(&found));
    return found;
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool pumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    for (const ULONGLONG end = GetTickCount64() + limitMs; !done() && GetTickCount64() < end;)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT), pumpMessages();
    return done();
}

void clickAt(int x, int y, int clicks, DWORD settleMs)
{
    SetCursorPos(x, y);
    std::vector<INPUT> input(2 * static_cast<size_t>(clicks), INPUT{.type = INPUT_MOUSE});
    for (size_t i = 0; i < input.size(); ++i)
        input[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    for (DWORD start = GetTickCount(); GetTickCount() - start < settleMs;)
        pumpMessages();
}

void paintNow(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
    GdiFlush();
}

} // namespace qmtest
