#include "support/windows.h"

#include "skin/core/properties.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace qmtest {

namespace {

// A crash ends the test program at once with its exception code, instead of
// waiting for a debugger that never comes.
const LPTOP_LEVEL_EXCEPTION_FILTER g_crashFilter = SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
    std::fprintf(stderr, "crash: exception 0x%08lX\n", static_cast<unsigned long>(e->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
});

std::vector<RecordedMessage> g_log;
std::map<UINT, LRESULT> g_replies;

LRESULT CALLBACK recorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_log.push_back({hwnd, msg, wParam, lParam, GetPropW(hwnd, skin::prop::kProcAddr) != nullptr,
                     GetWindowLongPtrW(hwnd, GWLP_WNDPROC)});
    if (auto it = g_replies.find(msg); it != g_replies.end())
        return it->second;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

BOOL CALLBACK collectProp(HWND, LPWSTR name, HANDLE, ULONG_PTR list)
{
    auto* names = reinterpret_cast<std::vector<std::wstring>*>(list);
    if ((reinterpret_cast<ULONG_PTR>(name) >> 16) == 0) { // an atom, not a string
        wchar_t text[64]{};
        GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name)), text, 64);
        names->emplace_back(text);
    } else {
        names->emplace_back(name);
    }
    return TRUE;
}

} // namespace

void registerPlainClass(const wchar_t* name)
{
    WNDCLASSEXW existing{sizeof(existing)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing) || GetClassInfoExW(nullptr, name, &existing))
        return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
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

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void paintNow(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
    GdiFlush();
}

HWND Recorder::create(HWND parent, int width, int height)
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = recorderProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"QmRecorder";
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    const DWORD style = parent ? (WS_CHILD | WS_VISIBLE) : (WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    return CreateWindowExW(0, L"QmRecorder", L"recorder", style, 10, 10, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::vector<RecordedMessage>& Recorder::log() { return g_log; }
void Recorder::clear() { g_log.clear(); }
void Recorder::reply(UINT msg, LRESULT result) { g_replies[msg] = result; }
void Recorder::resetReplies() { g_replies.clear(); }
WNDPROC Recorder::procedure() { return recorderProc; }

std::vector<RecordedMessage> Recorder::of(HWND hwnd, UINT msg)
{
    std::vector<RecordedMessage> found;
    std::copy_if(g_log.begin(), g_log.end(), std::back_inserter(found),
                 [&](const RecordedMessage& m) { return m.hwnd == hwnd && m.msg == msg; });
    return found;
}

std::vector<std::wstring> propertyNames(HWND hwnd)
{
    std::vector<std::wstring> names;
    EnumPropsExW(hwnd, collectProp, reinterpret_cast<LPARAM>(&names));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace qmtest
