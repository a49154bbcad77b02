// Counts the process's live GDI objects. GetGuiResources answers 0 under
// Wine, so there the count is read from the process's GDI handle table.
#pragma once

#include <windows.h>
#include <winternl.h>

namespace win32 {

// The GDI handle table the process environment block points to (64-bit
// layout: its address at 0xF8 in the block; 0x10000 rows of 24 bytes, each
// with its object type at byte 14, 0 for a free row). Needs ntdll.
inline int countGdiHandleTable() noexcept
{
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return -1;
    auto* peb = reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
    auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i)
        live += table[i * 24 + 14] != 0;
    return live;
}

inline int liveGdiObjects() noexcept
{
    GdiFlush();
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(n);
    return countGdiHandleTable();
}

} // namespace win32
