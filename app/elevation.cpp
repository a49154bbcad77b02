#include "app/elevation.h"

#include "win32/handles.h"
#include "win32/module_path.h"

#include <shellapi.h>

namespace quillmend {

SystemElevation::SystemElevation() : m_program(win32::programPath())
{
}

SystemElevation::SystemElevation(std::wstring program) : m_program(std::move(program))
{
}

bool SystemElevation::elevated()
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw))
        return false;
    const win32::UniqueHandle token(raw);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size)
        && elevation.TokenIsElevated != 0;
}

ElevatedRun SystemElevation::runElevated(HWND owner, const std::wstring& argument, DWORD waitMilliseconds)
{
    // The prompt is the system's; any error is ours to tell, so the shell
    // shows no box of its own.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = m_program.c_str();
    info.lpParameters = argument.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info))
        return {GetLastError() == ERROR_CANCELLED ? ElevatedResult::declined : ElevatedResult::notStarted};
    if (!info.hProcess)
        return {ElevatedResult::notStarted};
    const win32::UniqueHandle process(info.hProcess);
    // The elevated run tells every top-level window of the change, ours
    // among them; their sent messages are handled while waiting.
    HANDLE handle = process.get();
    const ULONGLONG end = GetTickCount64() + waitMilliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        if (MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1)
            break;
        MSG msg{};
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    DWORD code = 0;
    if (WaitForSingleObject(handle, 0) != WAIT_OBJECT_0 || !GetExitCodeProcess(handle, &code))
        return {ElevatedResult::timedOut};
    return {ElevatedResult::finished, code};
}

Elevation& systemElevation()
{
    static SystemElevation elevation;
    return elevation;
}

} // namespace quillmend
