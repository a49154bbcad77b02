// Real windows for tests: an owning handle, plain classes registered once,
// and message pumping.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace qmtest {

struct DestroyWindowDeleter {
    void operator()(HWND hwnd) const noexcept { if (IsWindow(hwnd)) DestroyWindow(hwnd); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

// Registers a class of plain windows under `name` (once), by default of DefWindowProcW.
void registerPlainClass(const wchar_t* name, WNDPROC proc = DefWindowProcW);

// A visible top-level window of class `className` (a plain class is
// registered under that name when the system has none), client size w x h.
UniqueWindow makeTopLevel(const wchar_t* className, int width, int height, const wchar_t* title = L"test");
// A visible child control.
HWND makeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
               int x, int y, int width, int height, DWORD exStyle = 0);

// `found` with every window below `parent`, at any depth, added.
std::vector<HWND> descendants(HWND parent, std::vector<HWND> found = {});

// Dispatches every message waiting for this thread.
void pumpMessages();

// Dispatches messages until `done` holds or `limitMs` has passed, looking at least every 20 ms (`done` may
// watch another thread or process); returns `done()`.
bool pumpUntil(const std::function<bool()>& done, DWORD limitMs = 3000);

// Real clicks of the left button at a screen point, one quickly after another; then the queue pumped for `settleMs`.
void clickAt(int x, int y, int clicks = 1, DWORD settleMs = 300);

// Makes the window show its final pixels: paint now, then let the queue settle.
void paintNow(HWND hwnd);

} // namespace qmtest
