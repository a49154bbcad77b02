#include "support/user_count.h"

#include <windows.h>

namespace qmtest {

namespace {

BOOL CALLBACK countProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

void countWindow(HWND hwnd, UserObjects& objects)
{
    ++objects.windows;
    EnumPropsExW(hwnd, countProperty, reinterpret_cast<LPARAM>(&objects.properties));
}

BOOL CALLBACK countChild(HWND hwnd, LPARAM objects)
{
    countWindow(hwnd, *reinterpret_cast<UserObjects*>(objects));
    return TRUE;
}

// A top-level window of this process, and everything below it.
void countTree(HWND top, UserObjects& objects)
{
    DWORD process = 0;
    GetWindowThreadProcessId(top, &process);
    if (process != GetCurrentProcessId())
        return;
    countWindow(top, objects);
    EnumChildWindows(top, countChild, reinterpret_cast<LPARAM>(&objects));
}

BOOL CALLBACK countTopLevel(HWND hwnd, LPARAM objects)
{
    countTree(hwnd, *reinterpret_cast<UserObjects*>(objects));
    return TRUE;
}

} // namespace

UserObjects liveUserObjects()
{
    UserObjects objects;
    objects.reported = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&objects));
    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h;
         h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        countTree(h, objects);
    return objects;
}

} // namespace qmtest
