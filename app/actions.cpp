#include "app/actions.h"

#include "app/menu_policy.h"
#include "app/registry_script.h"

#include <string>

namespace quillmend {

namespace {

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

} // namespace

std::wstring outcomeMessage(ScriptOutcome outcome, const ScriptAction& action, Language language)
{
    auto says = [language](UINT id) { return std::wstring(text(id, language)); };
    switch (outcome) {
    case ScriptOutcome::changed:
        return says(action.successText);
    case ScriptOutcome::changedDirectly:
        return says(IDS_WRITTEN_DIRECTLY) + says(action.successText);
    case ScriptOutcome::notWritten:
        return says(IDS_FAILED_NOT_WRITTEN);
    case ScriptOutcome::editorNotStarted:
        return says(IDS_FAILED_EDITOR_NOT_STARTED);
    case ScriptOutcome::editorUnfinished:
        return says(IDS_FAILED_EDITOR_UNFINISHED);
    case ScriptOutcome::valueUnchanged:
        return says(IDS_FAILED_UNCHANGED);
    case ScriptOutcome::noWriteAccess:
        return says(IDS_FAILED_NO_WRITE_ACCESS);
    case ScriptOutcome::editorDisabled:
        return says(IDS_FAILED_EDITOR_DISABLED);
    case ScriptOutcome::declined:
        return says(IDS_DECLINED);
    case ScriptOutcome::notElevated:
        return says(IDS_FAILED_NOT_ELEVATED);
    case ScriptOutcome::elevatedRunFailed:
        return says(IDS_FAILED_ELEVATED_RUN);
    }
    return {};
}

SystemFolders systemFolders()
{
    return {windowsDirectory(), systemDirectory()};
}

Actions::Actions(Launcher& launcher, std::wstring scriptDirectory, SystemFolders folders, Elevation& elevation)
    : m_launcher(launcher), m_elevation(elevation), m_scriptDirectory(std::move(scriptDirectory)),
      m_folders(std::move(folders))
{
}

Actions::Actions(Launcher& launcher) : Actions(launcher, systemDirectory())
{
}

std::wstring Actions::scriptPath(const ScriptAction& action) const
{
    return m_scriptDirectory + L"\\" + std::wstring(action.fileName);
}

ScriptOutcome Actions::importScript(const std::wstring& path, const ScriptAction& action)
{
    if (!writeFreshFile(path, customResource(action.resourceId)))
        return ScriptOutcome::notWritten;
    // The registry editor reads the file while it runs; it must have ended
    // before the value is read back and the file removed. A bare program name
    // would be looked for in our own folder and the current one first.
    const std::wstring command = quoted(m_folders.windows + L"\\regedit.exe") + L" /s " + quoted(path);
    switch (m_launcher.launch(command, WindowMode::hidden, kRegistryEditorWait)) {
    case LaunchResult::notStarted:
    case LaunchResult::noUserContext:
        return ScriptOutcome::editorNotStarted;
    case LaunchResult::timedOut:
        return ScriptOutcome::editorUnfinished;
    case LaunchResult::started:
    case LaunchResult::finished:
        break;
    }
    const auto value = readContextMenuPolicy();
    const ScriptOutcome outcome = value && *value == action.intendedValue ? ScriptOutcome::changed : causeOfNoChange(action);
    if (succeeded(outcome))
        broadcastPolicyChange();
    return outcome;
}

// The value did not change: name what stopped it. A registry editor that
// policy has disabled imports nothing, so the value is written directly.
ScriptOutcome Actions::causeOfNoChange(const ScriptAction& action)
{
    if (registryEditorDisabled()) {
        writeMachinePolicy(action.intendedValue);
        if (readContextMenuPolicy() == action.intendedValue)
            return ScriptOutcome::changedDirectly;
        return canWriteMachinePolicy() ? ScriptOutcome::editorDisabled : ScriptOutcome::noWriteAccess;
    }
    return canWriteMachinePolicy() ? ScriptOutcome::valueUnchanged : ScriptOutcome::noWriteAccess;
}

ScriptOutcome Actions::runElevated(HWND owner, const ScriptAction& action)
{
    const ElevatedRun run = m_elevation.runElevated(owner, std::wstring(action.argument), kElevatedRunWait);
    switch (run.result) {
    case ElevatedResult::declined:
        return ScriptOutcome::declined;
    case ElevatedResult::notStarted:
        return ScriptOutcome::notElevated;
    case ElevatedResult::timedOut:
        return ScriptOutcome::elevatedRunFailed;
    case ElevatedResult::finished:
        break;
    }
    // What counts is the value as this process reads it now.
    return run.exitCode == 0 && readContextMenuPolicy() == action.intendedValue ? ScriptOutcome::changed
                                                                               : ScriptOutcome::elevatedRunFailed;
}

ScriptOutcome Actions::applyScript(const ScriptAction& action, HWND owner)
{
    if (!m_elevation.elevated())
        return runElevated(owner, action);
    const std::wstring path = scriptPath(action);
    const ScriptOutcome outcome = importScript(path, action);
    DeleteFileW(path.c_str());
    return outcome;
}

ScriptOutcome Actions::runScript(HWND owner, const ScriptAction& action)
{
    const bool here = m_elevation.elevated();
    const std::wstring path = scriptPath(action);
    const ScriptOutcome outcome = here ? importScript(path, action) : runElevated(owner, action);
    const std::wstring message = outcomeMessage(outcome, action);
    const std::wstring title(uiText(IDS_MESSAGE_TITLE));
    MessageBoxW(owner, message.c_str(), title.c_str(), MB_OK | (succeeded(outcome) ? MB_ICONINFORMATION : MB_ICONERROR));
    if (here)
        DeleteFileW(path.c_str());
    return outcome;
}

LaunchResult Actions::launchAsUser(const std::wstring& commandLine, WindowMode mode)
{
    return m_elevation.elevated() ? m_launcher.launchAsDesktopUser(commandLine, mode)
                                  : m_launcher.launch(commandLine, mode, std::nullopt);
}

void Actions::tellLaunchFailure(HWND owner, LaunchResult result, std::wstring_view notStarted)
{
    if (result != LaunchResult::notStarted && result != LaunchResult::noUserContext)
        return;
    const std::wstring message(result == LaunchResult::notStarted ? notStarted : kNoUserContext);
    const std::wstring title(uiText(IDS_MESSAGE_TITLE));
    MessageBoxW(owner, message.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

LaunchResult Actions::startShellRestart()
{
    // This session's shell only, by its process: another user signed in to
    // the machine keeps theirs. Ended, then started anew, in one command
    // interpreter; /s takes the outer quotes off and leaves the quoted paths
    // inside as they are.
    std::wstring shells;
    for (DWORD process : sessionShellProcesses())
        shells += L" /pid " + std::to_wstring(process);
    const std::wstring explorer = quoted(m_folders.windows + L"\\explorer.exe");
    const std::wstring inner = shells.empty() ? explorer
                                              : quoted(m_folders.system + L"\\taskkill.exe") + L" /f" + shells + L" & " + explorer;
    const std::wstring command = quoted(m_folders.system + L"\\cmd.exe") + L" /s /c " + quoted(inner);
    return launchAsUser(command, WindowMode::hidden);
}

void Actions::restartShell(HWND owner)
{
    const std::wstring prompt(kRestartPrompt), title(uiText(IDS_MESSAGE_TITLE));
    if (MessageBoxW(owner, prompt.c_str(), title.c_str(), kRestartPromptStyle) == IDYES)
        tellLaunchFailure(owner, startShellRestart(), kRestartFailed);
}

void Actions::openAddress(HWND owner, std::wstring_view address)
{
    const std::wstring command = quoted(m_folders.system + L"\\rundll32.exe") + L" url.dll,FileProtocolHandler \""
        + std::wstring(address) + L"/\"";
    tellLaunchFailure(owner, launchAsUser(command, WindowMode::normalFocus), kOpenAddressFailed);
}

} // namespace quillmend
