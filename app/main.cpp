#include "app/command_line.h"
#include "app/form1.h"
#include "app/launcher.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // First of all: libraries load from the system directory only, never
    // from our own folder or the current one, where anything may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");

    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; argv && i < count; ++i)
        arguments.emplace_back(argv[i]);
    LocalFree(argv);

    quillmend::ProcessLauncher launcher;
    if (!arguments.empty())
        return quillmend::runCommandLine(arguments, launcher);

    quillmend::Form1 form1(launcher);
    if (!form1.hwnd())
        return 1;
    form1.form().quitOnDestroy(true);
    form1.show(showCommand);
    return quillmend::runMessageLoop(form1.hwnd());
}
