#include "app/launcher.h"

#include "app/registry_script.h"
#include "win32/handles.h"

namespace quillmend {

LaunchResult ProcessLauncher::launch(const std::wstring& commandLine, WindowMode mode,
                                     std::optional<DWORD> waitMilliseconds)
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
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup, &info))
        return LaunchResult::notStarted;
    win32::UniqueHandle process(info.hProcess);
    win32::UniqueHandle thread(info.hThread);
    if (!waitMilliseconds)
        return LaunchResult::started;
    return WaitForSingleObject(process.get(), *waitMilliseconds) == WAIT_OBJECT_0 ? LaunchResult::finished
                                                                                   : LaunchResult::timedOut;
}

} // namespace quillmend
