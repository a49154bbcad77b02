#include "support/user_count.h"

#include <windows.h>

namespace qmtest {

namespace {

BOOL CALLBACK countWindow(HWND hwnd, LPARAM objects)
{
    auto& counted = *reinterpret_cast<UserObjects*>(objects);
    ++counted.windows;
    EnumPropsExW(hwnd, [](HWND, LPWSTR, HANDLE, ULONG_PTR count) -> BOOL { return ++*reinterpret_cast<int*>(count) > 0; },
                 reinterpret_cast<LPARAM>(&counted.properties));
    return TRUE;
}

// A top-level window of this process, and everything below it.
BOOL CALLBACK countTree(HWND top, LPARAM objects)
{
    DWORD process = 0;
    GetWindowThreadProcessId(top, &process);
    if (process == GetCurrentProcessId()) {
        countWindow(top, objects);
        EnumChildWindows(top, countWindow, objects);
    }
    return TRUE;
}

} // namespace

UserObjects liveUserObjects()
{
    UserObjects objects;
    objects.reported = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    EnumWindows(countTree, reinterpret_cast<LPARAM>(&objects));
    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h;
         h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        countTree(h, reinterpret_cast<LPARAM>(&objects));
    return objects;
}

} // namespace qmtest
