#include "skin/core/properties.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace skin {

namespace {

struct WindowValues {
    std::array<LONG_PTR, prop::kCount> value{};
    std::uint32_t held = 0;       // a bit a slot
    std::uint32_t unrecorded = 0; // the slots whose record a quiet write left behind
};
static_assert(prop::kCount <= 32);

using StateTable = std::unordered_map<HWND, WindowValues>;

// Thread-local storage holds plain values only (see the thread's engine), so
// the table lives on the heap while it holds a window. The last window looked
// up is kept: a message's handlers ask about the same window again and again,
// and the nodes of the map stay where they are until erased.
thread_local StateTable* t_table = nullptr;
thread_local HWND t_lastWindow = nullptr;
thread_local WindowValues* t_lastValues = nullptr;

WindowValues* find(HWND hwnd) noexcept
{
    if (hwnd == t_lastWindow && t_lastValues)
        return t_lastValues;
    if (!t_table)
        return nullptr;
    const auto it = t_table->find(hwnd);
    if (it == t_table->end())
        return nullptr;
    t_lastWindow = hwnd;
    return t_lastValues = &it->second;
}

void erase(HWND hwnd) noexcept
{
    if (!t_table)
        return;
    t_table->erase(hwnd);
    if (hwnd == t_lastWindow)
        t_lastValues = nullptr;
    if (t_table->empty()) {
        delete t_table;
        t_table = nullptr;
    }
}

} // namespace

LONG_PTR readState(HWND hwnd, int slot) noexcept
{
    const WindowValues* values = find(hwnd);
    return values ? values->value[slot] : 0;
}

bool writeState(HWND hwnd, int slot, LONG_PTR value, bool quiet) noexcept
{
    WindowValues* values = find(hwnd);
    if (!values) {
        try {
            if (!t_table)
                t_table = new StateTable;
            values = &(*t_table)[hwnd];
        } catch (...) {
            return true; // out of memory: the value is lost, its record still written
        }
        t_lastWindow = hwnd;
        t_lastValues = values;
    }
    const std::uint32_t bit = 1u << slot;
    const bool record = !(values->held & bit) || values->value[slot] != value || (values->unrecorded & bit);
    values->held |= bit;
    values->value[slot] = value;
    values->unrecorded = quiet ? values->unrecorded | bit : values->unrecorded & ~bit;
    return record && !quiet;
}

bool takeState(HWND hwnd, int slot, LONG_PTR& value) noexcept
{
    WindowValues* values = find(hwnd);
    const std::uint32_t bit = 1u << slot;
    if (!values || !(values->held & bit))
        return false;
    value = values->value[slot];
    values->value[slot] = 0;
    values->unrecorded &= ~bit;
    if ((values->held &= ~bit) == 0)
        erase(hwnd);
    return true;
}

void forgetState(HWND hwnd) noexcept
{
    if (find(hwnd))
        erase(hwnd);
}

bool holdsState(HWND hwnd) noexcept
{
    return find(hwnd) != nullptr;
}

} // namespace skin
