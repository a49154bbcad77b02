#include "support/gdi_count.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>

namespace qmtest {

namespace {

// One row of the GDI handle table that the process environment block points
// to (64-bit layout); a row whose type is 0 is free.
struct GdiHandleEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiSharedHandleTableOffset = 0xF8; // in the 64-bit PEB
constexpr int kGdiHandleCount = 0x10000;

int countHandleTable()
{
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return -1;
    auto* peb = reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
    auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiSharedHandleTableOffset);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < kGdiHandleCount; ++i)
        live += table[i].type != 0;
    return live;
}

} // namespace

int liveGdiObjects()
{
    GdiFlush();
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(n);
    return countHandleTable();
}

} // namespace qmtest
