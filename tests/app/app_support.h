// Helpers for the application tests: message pumping through the form's
// keyboard interface, a launcher that records, a watcher that reads and
// answers message boxes, and the policy value in the test prefix.
#pragma once

#include "app/launcher.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qmapp {

// Dispatches messages until `done` holds or `limitMs` has passed; waits for
// new messages in between. Returns `done()`.
bool pumpUntil(HWND form, const std::function<bool()>& done, DWORD limitMs = 3000);
// Dispatches everything queued.
void pumpPending(HWND form);

// Moves the real cursor to a point of a window's client area.
void moveCursorTo(HWND hwnd, POINT client);
void moveCursorToCentre(HWND hwnd);
void pressKey(WORD key, bool shift = false);
void clickLeft();

struct Launch {
    std::wstring commandLine;
    quillmend::WindowMode mode;
    std::optional<DWORD> wait;
};

class RecordingLauncher final : public quillmend::Launcher {
public:
    quillmend::LaunchResult launch(const std::wstring& commandLine, quillmend::WindowMode mode,
                                   std::optional<DWORD> waitMilliseconds) override;
    std::vector<Launch> launches;
    quillmend::LaunchResult result = quillmend::LaunchResult::finished;
    std::function<void(const std::wstring&)> onLaunch; // stands in for the child's work
};

enum class BoxIcon { none, information, error, other };
enum class BoxAnswer { ok, yes, no, close };

struct BoxSeen {
    std::wstring className;
    HWND owner = nullptr;
    std::wstring title;
    std::wstring text;
    BoxIcon icon = BoxIcon::none;
    bool hasOk = false;
    bool hasYes = false;
    bool hasNo = false;
    int defaultButton = 0; // the button with the focus once the box is up
};

// Sees every dialog box this thread activates while it lives, records it
// and answers it with the next of `answers` (the last one repeats).
class BoxWatcher {
public:
    explicit BoxWatcher(std::vector<BoxAnswer> answers);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    std::vector<BoxSeen> boxes;
    std::function<void(const BoxSeen&)> onBox; // runs while the box is up

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK answerTimerProc(HWND, UINT, UINT_PTR id, DWORD);
    void seen(HWND box);
    void answer();
    HWND m_pending = nullptr;
    std::vector<BoxAnswer> m_answers;
    HHOOK m_hook = nullptr;
};

// NoViewContextMenu in the test prefix's machine registry.
void setPolicy(std::optional<DWORD> value);

// A fresh empty folder under the temporary folder.
std::wstring freshTempDirectory(const wchar_t* name);
std::string readFile(const std::wstring& path);
bool fileExists(const std::wstring& path);

} // namespace qmapp
