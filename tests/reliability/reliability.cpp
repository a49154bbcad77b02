#include "reliability.h"

namespace qmtest {

namespace {

BOOL CALLBACK collect(HWND hwnd, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectTree(HWND hwnd, LPARAM list)
{
    collect(hwnd, list);
    EnumChildWindows(hwnd, collect, list);
    return TRUE;
}

} // namespace

void registerSuperclasses()
{
    for (auto [name, base] : {std::pair{L"ThunderRT6DriveListBox", L"ComboBox"}, {L"DataListWndClass", L"ListBox"},
                              {L"ApexGridOleDB32", L"ListBox"}}) {
        WNDCLASSEXW wc{sizeof(wc)};
        if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc) || !GetClassInfoExW(nullptr, base, &wc))
            continue;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
}

std::vector<HWND> windowTree(HWND root)
{
    std::vector<HWND> all;
    if (root)
        collectTree(root, reinterpret_cast<LPARAM>(&all));
    else
        EnumThreadWindows(GetCurrentThreadId(), collectTree, reinterpret_cast<LPARAM>(&all));
    return all;
}

void detachEverything()
{
    for (HWND hwnd : windowTree())
        skin::detachWindow(hwnd);
}

bool pumpBounded(int limit)
{
    MSG msg;
    for (int i = 0; i < limit; ++i) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            return true;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return false;
}

} // namespace qmtest
