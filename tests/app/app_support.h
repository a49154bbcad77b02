// Helpers for the application tests: pumping through the form's keyboard
// interface, real mouse input, programs of the build started as the user
// would, a launcher that records, a watcher that reads and answers message
// boxes, the policy value, a fresh folder.
#pragma once

#include "app/form1.h"
#include "app/registry_script.h"
#include "support/pixels.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace qmapp {


// The real cursor onto a point of a window's client area (its centre by default).
inline void moveCursorTo(HWND hwnd, std::optional<POINT> client = std::nullopt)
{
    RECT rect{};
    GetClientRect(hwnd, &rect);
    POINT point = client.value_or(POINT{rect.right / 2, rect.bottom / 2});
    ClientToScreen(hwnd, &point);
    SetCursorPos(point.x, point.y);
}
inline void mouse(DWORD flags) { INPUT in{.type = INPUT_MOUSE, .mi = {.dwFlags = flags}}; SendInput(1, &in, sizeof in); }

// Once no control below `form` fades any more: saves its picture as `screen`
// and, given a golden's name, compares its client area with that golden.
inline bool settledPicture(HWND form, const wchar_t* screen, const wchar_t* golden = nullptr)
{
    auto fading = [](HWND child, LPARAM found) { *reinterpret_cast<bool*>(found) |= GetPropW(child, L"TIMERID") != nullptr; return TRUE; };
    const bool settled = qmtest::pumpUntil([&] { bool found = false; EnumChildWindows(form, fading, reinterpret_cast<LPARAM>(&found)); return !found; }, 6000);
    qmtest::paintNow(form);
    qmtest::savePng(qmtest::captureWindow(form), screen);
    RECT client{};
    GetClientRect(form, &client);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return settled && (!golden || qmtest::matchesGolden(qmtest::captureScreen(client), golden));
}

// A window's text, or its class name.
inline std::wstring textOf(HWND hwnd, bool className = false)
{
    wchar_t buffer[1024]{};
    className ? GetClassNameW(hwnd, buffer, 1024) : GetWindowTextW(hwnd, buffer, 1024);
    return buffer;
}

// Starts a program of the build ("app\\quillmend.exe") through the Wine loader, which takes the user-interface
// language from the Unix locale, under `locale` and at `dpi` (the user's setting, read by a process as it starts;
// 96 again once the window shows), with `arguments`. Its window, of the form runtime's class, once shown; null if none came.
inline HWND startProgram(const wchar_t* program, const wchar_t* locale, DWORD dpi = 96, const wchar_t* arguments = L"")
{
    std::wstring command = L"Z:\\usr\\bin\\wine \"" + qmtest::screensDir() + L"\\..\\" + program + L"\"" + arguments;
    const auto setDpi = [](DWORD value) { RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &value, sizeof value); };
    setDpi(dpi);
    SetEnvironmentVariableW(L"LC_ALL", locale);
    STARTUPINFOW startup{.cb = sizeof startup}; PROCESS_INFORMATION child{};
    HWND form = nullptr;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
        qmtest::pumpUntil([&] { return IsWindowVisible(form = FindWindowW(L"Form", nullptr)); }, 20'000);
        CloseHandle(child.hProcess), CloseHandle(child.hThread);
    }
    SetEnvironmentVariableW(L"LC_ALL", nullptr);
    setDpi(96);
    return form;
}

// A command line, its window, its wait bound.
using Launch = std::tuple<std::wstring, quillmend::WindowMode, std::optional<DWORD>>;

// Records what would start, and stands in for the token and the prompt:
// "elevated", or, given how the elevated run of the program ends, not.
struct RecordingLauncher final : quillmend::Launcher, quillmend::Elevation {
    quillmend::LaunchResult launch(const std::wstring& commandLine, quillmend::WindowMode mode,
                                   std::optional<DWORD> wait) override
    {
        launches.emplace_back(commandLine, mode, wait);
        onLaunch();
        return result;
    }
    quillmend::LaunchResult launchAsDesktopUser(const std::wstring& commandLine, quillmend::WindowMode mode) override
    {
        launches.emplace_back(L"as the desktop's user: " + commandLine, mode, std::nullopt);
        return result;
    }
    bool elevated() override { return !run; }
    quillmend::ElevatedRun runElevated(HWND, const std::wstring& argument, DWORD wait) override
    {
        launches.emplace_back(L"runas " + argument, quillmend::WindowMode::hidden, wait);
        onLaunch();
        return *run;
    }
    std::vector<Launch> launches;
    quillmend::LaunchResult result = quillmend::LaunchResult::finished;
    std::function<void()> onLaunch = [] {}; // stands in for the child's work
    std::optional<quillmend::ElevatedRun> run;
};

struct BoxSeen {
    HWND owner;
    std::wstring title, text;
    HICON icon = nullptr;
    std::vector<int> buttons{}; // of IDOK, IDYES, IDNO
    int focused = 0;            // the button with the focus
};

// Every 10 ms, also inside a box's own loop, looks for an active "#32770" box
// of this thread, records it and answers it with the next of `replies` (IDOK,
// IDYES or IDNO; the last repeats).
class BoxWatcher {
public:
    explicit BoxWatcher(std::vector<int> replies) : m_answers(std::move(replies)) { current() = this; }
    ~BoxWatcher() { KillTimer(nullptr, m_timer); current() = nullptr; }
    std::vector<BoxSeen> boxes;

private:
    static BoxWatcher*& current() { thread_local BoxWatcher* watcher = nullptr; return watcher; }
    static void CALLBACK look(HWND, UINT, UINT_PTR, DWORD)
    {
        BoxWatcher* w = current();
        HWND box = GetActiveWindow(), focus = GetFocus();
        if (!w || box == w->m_answered || textOf(box, true) != L"#32770")
            return;
        w->m_answered = box;
        BoxSeen s{GetWindow(box, GW_OWNER), textOf(box), textOf(GetDlgItem(box, 0xFFFF))};
        for (HWND c = nullptr; !s.icon && (c = FindWindowExW(box, c, L"Static", nullptr));)
            s.icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
        for (int id : {IDOK, IDYES, IDNO})
            if (GetDlgItem(box, id))
                s.buttons.push_back(id);
        s.focused = focus && IsChild(box, focus) ? GetDlgCtrlID(focus) : 0;
        w->boxes.push_back(s);
        const int reply = w->m_answers[std::min(w->boxes.size(), w->m_answers.size()) - 1];
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(reply, BN_CLICKED), 0);
    }
    std::vector<int> m_answers;
    UINT_PTR m_timer = SetTimer(nullptr, 0, 10, look);
    HWND m_answered = nullptr;
};

// NoViewContextMenu in the test prefix's registry, the machine's unless told.
inline void setPolicy(std::optional<DWORD> value, HKEY root = HKEY_LOCAL_MACHINE)
{
    if (value)
        RegSetKeyValueW(root, quillmend::kPolicyKey, quillmend::kPolicyValue, REG_DWORD, &*value, sizeof(DWORD));
    else
        RegDeleteKeyValueW(root, quillmend::kPolicyKey, quillmend::kPolicyValue);
}

// A file of the build folder, by its path there.
inline std::filesystem::path built(const wchar_t* path)
{
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path().parent_path() / path;
}

// A fresh empty folder under the temporary folder.
inline std::filesystem::path freshTempDirectory(const wchar_t* name)
{
    const auto dir = std::filesystem::temp_directory_path() / name;
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    std::filesystem::create_directories(dir, ignored);
    return dir;
}

} // namespace qmapp
