// The program's actions: switch the shell's right-click menu on or off
// through a registry script, restart the shell, open an address.
#pragma once

#include "app/elevation.h"
#include "app/launcher.h"
#include "app/texts.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace quillmend {

struct ScriptAction {
    int resourceId;
    std::wstring_view fileName;    // in the system directory
    DWORD intendedValue;           // NoViewContextMenu once the script is in
    UINT successText;              // string resource
    std::wstring_view successMessage; // that text in the user's language
    std::wstring_view argument;       // the command line's name for the action
};

inline const ScriptAction kEnableMenu{101, L"Yqor.reg", 0, IDS_ENABLED_DONE, uiText(IDS_ENABLED_DONE), L"/enable"};
inline const ScriptAction kDisableMenu{102, L"Nqor.reg", 1, IDS_DISABLED_DONE, uiText(IDS_DISABLED_DONE), L"/disable"};

inline const std::wstring_view kRestartPrompt = uiText(IDS_RESTART_PROMPT);
inline const std::wstring_view kRestartFailed = uiText(IDS_RESTART_FAILED);
inline const std::wstring_view kOpenAddressFailed = uiText(IDS_OPEN_FAILED);
inline const std::wstring_view kNoUserContext = uiText(IDS_NO_USER_CONTEXT);
inline constexpr UINT kRestartPromptStyle = MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2;
inline constexpr DWORD kRegistryEditorWait = 30'000; // milliseconds
// The elevated run imports with that bound, then tells every window.
inline constexpr DWORD kElevatedRunWait = kRegistryEditorWait + 15'000;

enum class ScriptOutcome {
    changed,
    changedDirectly,  // the registry editor was disabled; the value was written through the API
    notWritten,       // the script file could not be written
    editorNotStarted, // the registry editor could not be started
    editorUnfinished, // the registry editor did not end within the bound
    valueUnchanged,   // the value does not read as intended afterwards, for no cause found
    noWriteAccess,    // ... because this process may not write the policy key
    editorDisabled,   // ... because policy disables the registry editor, and the direct write failed
    declined,         // the user declined administrator rights; nothing was written
    notElevated,      // this program could not be started with administrator rights
    elevatedRunFailed, // it ran elevated, but the value does not read as intended afterwards
};

inline bool succeeded(ScriptOutcome outcome) noexcept
{
    return outcome == ScriptOutcome::changed || outcome == ScriptOutcome::changedDirectly;
}

// The sentence the user is shown for an outcome.
std::wstring outcomeMessage(ScriptOutcome outcome, const ScriptAction& action, Language language = uiLanguage());

// Where the system's own programs live, without a trailing '\'.
struct SystemFolders {
    std::wstring windows;
    std::wstring system;
};
SystemFolders systemFolders();

class Actions {
public:
    // Scripts are written into `scriptDirectory`: the system directory,
    // unless a test asks for another place. Child programs are started by
    // their full paths in `folders`.
    Actions(Launcher& launcher, std::wstring scriptDirectory, SystemFolders folders = systemFolders(),
            Elevation& elevation = systemElevation());
    explicit Actions(Launcher& launcher);

    // With administrator rights: writes the script, imports it, reads the
    // value back, finds the cause if it did not change, tells running
    // programs of a change, and removes the script. Without them: runs this
    // program elevated with the action's argument, the prompt owned by
    // `owner`, and reads the value back here. Asks and tells nothing more.
    ScriptOutcome applyScript(const ScriptAction& action, HWND owner = nullptr);
    // The same, then reports to the user with a message box owned by `owner`;
    // the script is removed once the box is closed.
    ScriptOutcome runScript(HWND owner, const ScriptAction& action);
    // Starts the shell restart without asking: this session's shell ends and
    // a new one starts, as the desktop's user when we are elevated.
    LaunchResult startShellRestart();
    // Asks first; Yes restarts the shell.
    void restartShell(HWND owner);
    // Opens the address in the user's browser.
    void openAddress(HWND owner, std::wstring_view address);

    std::wstring scriptPath(const ScriptAction& action) const;

private:
    ScriptOutcome importScript(const std::wstring& path, const ScriptAction& action);
    ScriptOutcome causeOfNoChange(const ScriptAction& action);
    ScriptOutcome runElevated(HWND owner, const ScriptAction& action);
    // Not waited for; never with our administrator rights.
    LaunchResult launchAsUser(const std::wstring& commandLine, WindowMode mode);
    void tellLaunchFailure(HWND owner, LaunchResult result, std::wstring_view notStarted);

    Launcher& m_launcher;
    Elevation& m_elevation;
    std::wstring m_scriptDirectory;
    SystemFolders m_folders;
};

} // namespace quillmend
