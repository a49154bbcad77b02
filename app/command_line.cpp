#include "app/command_line.h"

#include "app/actions.h"
#include "app/menu_policy.h"
#include "app/registry_script.h"
#include "win32/handles.h"

#include <windows.h>

#include <algorithm>
#include <optional>

namespace quillmend {

namespace {

constexpr std::wstring_view kUsage =
    L"Usage: quillmend /enable | /disable | /status | /restart-shell | /?  "
    L"(exit code 0 done or menu enabled, 1 menu disabled, 2 failed, 87 bad argument)";

// The value in force and where it comes from, as the shell reads them.
std::wstring describe(const MenuPolicy& policy)
{
    switch (policy.source()) {
    case PolicySource::machine:
        return L"NoViewContextMenu " + std::to_wstring(*policy.machine) + L", set for this machine";
    case PolicySource::user:
        return L"NoViewContextMenu " + std::to_wstring(*policy.user) + L", set for this user";
    case PolicySource::notSet:
        break;
    }
    return L"NoViewContextMenu not set";
}

int status()
{
    const MenuPolicy policy = readMenuPolicy();
    const bool disabled = policy.menuDisabled();
    writeLine(std::wstring(L"The right-click menu is ") + (disabled ? L"disabled" : L"enabled") + L" ("
              + describe(policy) + L").");
    return disabled ? kExitDisabled : kExitDone;
}

int applyScript(Launcher& launcher, Elevation& elevation, const ScriptAction& action)
{
    Actions actions(launcher, systemDirectory(), systemFolders(), elevation);
    const ScriptOutcome outcome = actions.applyScript(action);
    writeLine(outcomeMessage(outcome, action, Language::english));
    return succeeded(outcome) ? kExitDone : kExitFailed;
}

int restartShell(Launcher& launcher)
{
    Actions actions(launcher);
    switch (actions.startShellRestart()) {
    case LaunchResult::notStarted:
        writeLine(text(IDS_RESTART_FAILED, Language::english));
        return kExitFailed;
    case LaunchResult::noUserContext:
        writeLine(text(IDS_NO_USER_CONTEXT, Language::english));
        return kExitFailed;
    case LaunchResult::started:
    case LaunchResult::finished:
    case LaunchResult::timedOut:
        break;
    }
    writeLine(L"The shell is restarting.");
    return kExitDone;
}

} // namespace

Command parseArgument(std::wstring_view argument)
{
    if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-'))
        return Command::invalid;
    std::wstring name(argument.substr(1));
    std::ranges::transform(name, name.begin(), [](wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; });
    if (name == L"enable")
        return Command::enable;
    if (name == L"disable")
        return Command::disable;
    if (name == L"status")
        return Command::status;
    if (name == L"restart-shell")
        return Command::restartShell;
    if (name == L"?")
        return Command::help;
    return Command::invalid;
}

int runCommandLine(std::span<const std::wstring> arguments, Launcher& launcher, Elevation& elevation)
{
    switch (arguments.size() == 1 ? parseArgument(arguments[0]) : Command::invalid) {
    case Command::enable:
        return applyScript(launcher, elevation, kEnableMenu);
    case Command::disable:
        return applyScript(launcher, elevation, kDisableMenu);
    case Command::status:
        return status();
    case Command::restartShell:
        return restartShell(launcher);
    case Command::help:
        writeLine(kUsage);
        return kExitDone;
    case Command::invalid:
        break;
    }
    const std::wstring problem = arguments.size() == 1 ? L"Unknown argument \"" + arguments[0] + L"\". " : L"Only one argument is taken. ";
    writeLine(problem + std::wstring(kUsage));
    return kExitBadArgument;
}

void writeLine(std::wstring_view line)
{
    const std::wstring text = std::wstring(line) + L"\r\n";
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    win32::UniqueHandle console;
    if (!out || out == INVALID_HANDLE_VALUE) {
        // Started from a console without redirection: a windowed program has
        // no output of its own, so it writes into its parent's console.
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        console.reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
        if (console.get() == INVALID_HANDLE_VALUE) {
            (void)console.release();
            return;
        }
        out = console.get();
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

} // namespace quillmend
