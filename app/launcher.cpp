#include "app/launcher.h"

#include "app/registry_script.h"
#include "win32/handles.h"

#include <tlhelp32.h>

namespace quillmend {

namespace {

// With a token the child runs as that token's user, else as we do.
LaunchResult start(const std::wstring& commandLine, WindowMode mode, std::optional<DWORD> waitMilliseconds,
                   HANDLE token)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(mode == WindowMode::hidden ? SW_HIDE : SW_SHOWNORMAL);
    PROCESS_INFORMATION info{};
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring buffer = commandLine;
    // The child starts in the system directory, not in whatever folder we
    // were started from, so nothing lying there is picked up by it.
    const std::wstring directory = systemDirectory();
    const BOOL created = token ? CreateProcessWithTokenW(token, 0, nullptr, buffer.data(), 0, nullptr, directory.c_str(),
                                                         &startup, &info)
                               : CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                                directory.c_str(), &startup, &info);
    if (!created)
        return LaunchResult::notStarted;
    win32::UniqueHandle process(info.hProcess);
    win32::UniqueHandle thread(info.hThread);
    if (!waitMilliseconds)
        return LaunchResult::started;
    return WaitForSingleObject(process.get(), *waitMilliseconds) == WAIT_OBJECT_0 ? LaunchResult::finished
                                                                                   : LaunchResult::timedOut;
}

} // namespace

LaunchResult ProcessLauncher::launch(const std::wstring& commandLine, WindowMode mode,
                                     std::optional<DWORD> waitMilliseconds)
{
    return start(commandLine, mode, waitMilliseconds, nullptr);
}

LaunchResult ProcessLauncher::launchAsDesktopUser(const std::wstring& commandLine, WindowMode mode)
{
    const std::vector<DWORD> shells = sessionShellProcesses();
    if (shells.empty())
        return LaunchResult::noUserContext;
    const win32::UniqueHandle shell(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, shells.front()));
    HANDLE raw = nullptr;
    if (!shell || !OpenProcessToken(shell.get(), TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY, &raw))
        return LaunchResult::noUserContext;
    const win32::UniqueHandle token(raw);
    return start(commandLine, mode, std::nullopt, token.get());
}

std::vector<DWORD> sessionShellProcesses()
{
    DWORD owner = 0;
    if (HWND shell = GetShellWindow(); shell && GetWindowThreadProcessId(shell, &owner) && owner)
        return {owner};
    DWORD ours = 0, theirs = 0;
    HANDLE raw = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (raw == INVALID_HANDLE_VALUE)
        return {};
    const win32::UniqueHandle snapshot(raw);
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &ours))
        return {};
    std::vector<DWORD> found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        if (CompareStringOrdinal(entry.szExeFile, -1, L"explorer.exe", -1, TRUE) == CSTR_EQUAL
            && ProcessIdToSessionId(entry.th32ProcessID, &theirs) && theirs == ours)
            found.push_back(entry.th32ProcessID);
    return found;
}

} // namespace quillmend
