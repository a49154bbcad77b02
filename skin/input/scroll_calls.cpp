#include "skin/input/scroll_calls.h"

#include "skin/core/properties.h"
#include "skin/input/scroll_quiet.h"
#include "skin/paint/scroll_bar.h"

#include <windows.h>
#include <winternl.h>

#include <array>

namespace skin {

namespace {

using SetInfoFn = int(WINAPI*)(HWND, int, LPCSCROLLINFO, BOOL);
using SetPosFn = int(WINAPI*)(HWND, int, int, BOOL);
using SetRangeFn = BOOL(WINAPI*)(HWND, int, int, int, BOOL);
using EnableFn = BOOL(WINAPI*)(HWND, UINT, UINT);

// The system's functions, read from user32 once.
struct SystemCalls {
    SetInfoFn setInfo = nullptr;
    SetPosFn setPos = nullptr;
    SetRangeFn setRange = nullptr;
    EnableFn enable = nullptr;
};
SystemCalls g_system;

// A window this thread's skin draws the bars of, with its bits on: while
// they are off for a message the system draws nothing anyway.
bool drawsBarsOf(HWND hwnd) noexcept
{
    return hwnd && isAttached(hwnd) && quietScrollBits(hwnd) == 0;
}

// A frame bar of a window this thread's skin draws is changed without the
// system's drawing, then drawn by the skin if the caller asked for a redraw.
// A "ScrollBar" window's SB_CTL calls are messages to it, which the skin sees.
template <class Call>
auto withoutSystemDrawing(HWND hwnd, int bar, BOOL redraw, Call call) noexcept
{
    if (bar == SB_CTL || !drawsBarsOf(hwnd))
        return call(redraw);
    const auto result = call(FALSE);
    if (redraw && isAttached(hwnd))
        refreshScrollBars(hwnd, true);
    return result;
}

int WINAPI setScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    return withoutSystemDrawing(hwnd, bar, redraw, [&](BOOL r) { return g_system.setInfo(hwnd, bar, info, r); });
}

int WINAPI setScrollPos(HWND hwnd, int bar, int position, BOOL redraw)
{
    return withoutSystemDrawing(hwnd, bar, redraw, [&](BOOL r) { return g_system.setPos(hwnd, bar, position, r); });
}

BOOL WINAPI setScrollRange(HWND hwnd, int bar, int low, int high, BOOL redraw)
{
    return withoutSystemDrawing(hwnd, bar, redraw,
                                [&](BOOL r) { return g_system.setRange(hwnd, bar, low, high, r); });
}

// EnableScrollBar always draws; a window that is not visible draws nowhere.
BOOL WINAPI enableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    if (!drawsBarsOf(hwnd) || !IsWindowVisible(hwnd))
        return g_system.enable(hwnd, bar, arrows);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    setStyleQuietly(hwnd, style & ~WS_VISIBLE);
    const BOOL result = g_system.enable(hwnd, bar, arrows);
    setStyleQuietly(hwnd, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_VISIBLE);
    if (isAttached(hwnd))
        refreshScrollBars(hwnd, true);
    return result;
}

struct Redirect {
    const void* system;
    const void* standIn;
};

std::array<Redirect, 4> redirects() noexcept
{
    return {Redirect{reinterpret_cast<const void*>(g_system.setInfo), reinterpret_cast<const void*>(&setScrollInfo)},
            Redirect{reinterpret_cast<const void*>(g_system.setPos), reinterpret_cast<const void*>(&setScrollPos)},
            Redirect{reinterpret_cast<const void*>(g_system.setRange), reinterpret_cast<const void*>(&setScrollRange)},
            Redirect{reinterpret_cast<const void*>(g_system.enable), reinterpret_cast<const void*>(&enableScrollBar)}};
}

void writeEntry(ULONG_PTR& entry, const void* to) noexcept
{
    DWORD protection = 0;
    if (!VirtualProtect(&entry, sizeof(entry), PAGE_READWRITE, &protection))
        return;
    entry = reinterpret_cast<ULONG_PTR>(to);
    VirtualProtect(&entry, sizeof(entry), protection, &protection);
}

// Every import entry of the module that holds one of the `from` functions
// is pointed at its `to` one.
void redirectModule(BYTE* base, bool toStandIns) noexcept
{
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return;
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return;
    const std::array<Redirect, 4> table = redirects();
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), "user32.dll") != 0)
            continue;
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); slot->u1.Function; ++slot)
            for (const Redirect& r : table) {
                const void* from = toStandIns ? r.system : r.standIn;
                if (reinterpret_cast<const void*>(slot->u1.Function) == from)
                    writeEntry(slot->u1.Function, toStandIns ? r.standIn : r.system);
            }
    }
}

// GCC takes the thread block's segment read for an access past an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
const PEB* currentPeb() noexcept
{
    return NtCurrentTeb()->ProcessEnvironmentBlock;
}
#pragma GCC diagnostic pop

using LockLoaderFn = LONG(NTAPI*)(ULONG, ULONG*, ULONG_PTR*);
using UnlockLoaderFn = LONG(NTAPI*)(ULONG, ULONG_PTR);

// The loader's own list of the process's modules, read under the loader's
// lock so no library comes or goes meanwhile: a snapshot of the process
// would cost a trip to the Wine server per module.
void redirectEveryModule(bool toStandIns) noexcept
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto lock = reinterpret_cast<LockLoaderFn>(GetProcAddress(ntdll, "LdrLockLoaderLock"));
    const auto unlock = reinterpret_cast<UnlockLoaderFn>(GetProcAddress(ntdll, "LdrUnlockLoaderLock"));
    ULONG_PTR cookie = 0;
    if (!lock || !unlock || lock(0, nullptr, &cookie) < 0)
        return;
    const LIST_ENTRY* head = &currentPeb()->Ldr->InMemoryOrderModuleList;
    for (const LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
        const auto* module = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
        redirectModule(static_cast<BYTE*>(module->DllBase), toStandIns);
    }
    unlock(0, cookie);
}

// Threads that hold the stand-ins, and the lock every change of the import
// entries takes: engines on several threads start and stop independently.
SRWLOCK g_lock = SRWLOCK_INIT;
int g_holders = 0;
thread_local bool t_holding = false;

} // namespace

void interceptScrollCalls() noexcept
{
    AcquireSRWLockExclusive(&g_lock);
    if (!g_system.setInfo) {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        g_system.setInfo = reinterpret_cast<SetInfoFn>(GetProcAddress(user32, "SetScrollInfo"));
        g_system.setPos = reinterpret_cast<SetPosFn>(GetProcAddress(user32, "SetScrollPos"));
        g_system.setRange = reinterpret_cast<SetRangeFn>(GetProcAddress(user32, "SetScrollRange"));
        g_system.enable = reinterpret_cast<EnableFn>(GetProcAddress(user32, "EnableScrollBar"));
    }
    if (g_system.setInfo && g_system.setPos && g_system.setRange && g_system.enable) {
        // Modules loaded since the last start are taken in too.
        redirectEveryModule(true);
        if (!t_holding) {
            t_holding = true;
            ++g_holders;
        }
    }
    ReleaseSRWLockExclusive(&g_lock);
}

void releaseScrollCalls() noexcept
{
    AcquireSRWLockExclusive(&g_lock);
    if (t_holding) {
        t_holding = false;
        if (--g_holders == 0)
            redirectEveryModule(false);
    }
    ReleaseSRWLockExclusive(&g_lock);
}

} // namespace skin
