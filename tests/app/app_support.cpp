#include "app_support.h"

#include "app/form_runtime.h"
#include "app/registry_script.h"

#include <algorithm>

namespace qmapp {

bool pumpUntil(HWND form, const std::function<bool()>& done, DWORD limitMs)
{
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;;) {
        pumpPending(form);
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

void pumpPending(HWND form)
{
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        quillmend::dispatchFormMessage(form, msg);
}

void moveCursorTo(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    SetCursorPos(client.x, client.y);
}

void moveCursorToCentre(HWND hwnd)
{
    RECT rect{};
    GetClientRect(hwnd, &rect);
    moveCursorTo(hwnd, {rect.right / 2, rect.bottom / 2});
}

void pressKey(WORD key, bool shift)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = flags;
        inputs.push_back(in);
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void clickLeft()
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

quillmend::LaunchResult RecordingLauncher::launch(const std::wstring& commandLine, quillmend::WindowMode mode,
                                                  std::optional<DWORD> waitMilliseconds)
{
    launches.push_back({commandLine, mode, waitMilliseconds});
    if (onLaunch)
        onLaunch(commandLine);
    return result;
}

namespace {

thread_local BoxWatcher* tCurrentWatcher = nullptr;

BoxIcon iconOf(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        wchar_t cls[32]{};
        GetClassNameW(child, cls, 32);
        if (lstrcmpiW(cls, L"Static") != 0)
            continue;
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (!icon)
            return BoxIcon::none;
        if (icon == LoadIconW(nullptr, IDI_INFORMATION))
            return BoxIcon::information;
        if (icon == LoadIconW(nullptr, IDI_ERROR))
            return BoxIcon::error;
        return BoxIcon::other;
    }
    return BoxIcon::none;
}

std::wstring textOf(HWND hwnd)
{
    wchar_t buffer[1024]{};
    GetWindowTextW(hwnd, buffer, 1024);
    return buffer;
}

} // namespace

BoxWatcher::BoxWatcher(std::vector<BoxAnswer> answers) : m_answers(std::move(answers))
{
    tCurrentWatcher = this;
    m_hook = SetWindowsHookExW(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
}

BoxWatcher::~BoxWatcher()
{
    UnhookWindowsHookEx(m_hook);
    tCurrentWatcher = nullptr;
}

LRESULT CALLBACK BoxWatcher::hookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && tCurrentWatcher)
        tCurrentWatcher->seen(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void BoxWatcher::seen(HWND box)
{
    wchar_t cls[64]{};
    GetClassNameW(box, cls, 64);
    if (std::wstring(cls) != L"#32770")
        return;
    BoxSeen s;
    s.className = cls;
    s.owner = GetWindow(box, GW_OWNER);
    s.title = textOf(box);
    s.text = textOf(GetDlgItem(box, 0xFFFF));
    s.icon = iconOf(box);
    s.hasOk = GetDlgItem(box, IDOK) != nullptr;
    s.hasYes = GetDlgItem(box, IDYES) != nullptr;
    s.hasNo = GetDlgItem(box, IDNO) != nullptr;
    boxes.push_back(s);
    m_pending = box;
    // The box is not fully up while it is being activated (its default
    // button takes the focus afterwards): read the rest and answer from the
    // box's own message loop, as soon as it runs.
    SetTimer(nullptr, 0, 0, answerTimerProc);
}

void CALLBACK BoxWatcher::answerTimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (tCurrentWatcher)
        tCurrentWatcher->answer();
}

void BoxWatcher::answer()
{
    HWND box = m_pending;
    if (!box || !IsWindow(box) || boxes.empty())
        return;
    m_pending = nullptr;
    BoxSeen& s = boxes.back();
    HWND focus = GetFocus();
    if (focus && IsChild(box, focus))
        s.defaultButton = GetDlgCtrlID(focus);
    if (onBox)
        onBox(s);

    const BoxAnswer answer = m_answers.empty() ? BoxAnswer::ok
        : m_answers[std::min(boxes.size(), m_answers.size()) - 1];
    switch (answer) {
    case BoxAnswer::ok:
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        break;
    case BoxAnswer::yes:
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
        break;
    case BoxAnswer::no:
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        break;
    case BoxAnswer::close:
        // The title bar's close; should a box refuse it, No ends it.
        PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        break;
    }
}

void setPolicy(std::optional<DWORD> value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, quillmend::kPolicyKey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExW(key, quillmend::kPolicyValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                       sizeof(DWORD));
    else
        RegDeleteValueW(key, quillmend::kPolicyValue);
    RegCloseKey(key);
}

std::wstring freshTempDirectory(const wchar_t* name)
{
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + name;
    CreateDirectoryW(dir.c_str(), nullptr);
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((dir + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return dir;
}

std::string readFile(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool fileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace qmapp
