// Real windows for tests: an owning handle, plain classes registered once,
// message pumping, and a recorder of what reaches a window's own procedure.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace qmtest {

struct DestroyWindowDeleter {
    void operator()(HWND hwnd) const noexcept { if (IsWindow(hwnd)) DestroyWindow(hwnd); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

// Registers a class of plain DefWindowProcW windows under `name` (once).
void registerPlainClass(const wchar_t* name);

// A visible top-level window of class `className` (a plain class is
// registered under that name when the system has none), client size w x h.
UniqueWindow makeTopLevel(const wchar_t* className, int width, int height, const wchar_t* title = L"test");
// A visible child control.
HWND makeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
               int x, int y, int width, int height, DWORD exStyle = 0);

// Dispatches every message waiting for this thread.
void pumpMessages();

// Makes the window show its final pixels: paint now, then let the queue settle.
void paintNow(HWND hwnd);

// --- Message recorder -------------------------------------------------------

struct RecordedMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    // What the window looked like when its own procedure saw the message.
    bool hadProcAddr;
    LONG_PTR wndProc;
};

// The class "QmRecorder": a window whose own procedure appends every message
// to the log and answers `reply` (or DefWindowProcW when none is set).
class Recorder {
public:
    static HWND create(HWND parent = nullptr, int width = 80, int height = 24);
    static std::vector<RecordedMessage>& log();
    static void clear();
    // Messages of one number that reached `hwnd`.
    static std::vector<RecordedMessage> of(HWND hwnd, UINT msg);
    // The result the recorder's procedure gives for `msg` (until reset).
    static void reply(UINT msg, LRESULT result);
    static void resetReplies();
    static WNDPROC procedure();
};

// The names of every property on the window.
std::vector<std::wstring> propertyNames(HWND hwnd);

} // namespace qmtest
