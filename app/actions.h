// The program's actions: switch the shell's right-click menu on or off
// through a registry script, restart the shell, open an address.
#pragma once

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
};

inline const ScriptAction kEnableMenu{101, L"Yqor.reg", 0, IDS_ENABLED_DONE, uiText(IDS_ENABLED_DONE)};
inline const ScriptAction kDisableMenu{102, L"Nqor.reg", 1, IDS_DISABLED_DONE, uiText(IDS_DISABLED_DONE)};

inline const std::wstring_view kRestartPrompt = uiText(IDS_RESTART_PROMPT);
inline const std::wstring_view kRestartFailed = uiText(IDS_RESTART_FAILED);
inline const std::wstring_view kOpenAddressFailed = uiText(IDS_OPEN_FAILED);
inline constexpr UINT kRestartPromptStyle = MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2;
inline constexpr DWORD kRegistryEditorWait = 30'000; // milliseconds

enum class ScriptOutcome {
    changed,
    changedDirectly,  // the registry editor was disabled; the value was written through the API
    notWritten,       // the script file could not be written
    editorNotStarted, // the registry editor could not be started
    editorUnfinished, // the registry editor did not end within the bound
    valueUnchanged,   // the value does not read as intended afterwards, for no cause found
    noWriteAccess,    // ... because this process may not write the policy key
    editorDisabled,   // ... because policy disables the registry editor, and the direct write failed
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
    Actions(Launcher& launcher, std::wstring scriptDirectory, SystemFolders folders = systemFolders());
    explicit Actions(Launcher& launcher);

    // Writes the script, imports it, reads the value back, finds the cause
    // if it did not change, tells running programs of a change, and removes
    // the script. Asks and tells nothing.
    ScriptOutcome applyScript(const ScriptAction& action);
    // The same, then reports to the user with a message box owned by `owner`;
    // the script is removed once the box is closed.
    ScriptOutcome runScript(HWND owner, const ScriptAction& action);
    // Starts the shell restart without asking; false if it could not start.
    bool startShellRestart();
    // Asks first; Yes restarts the shell.
    void restartShell(HWND owner);
    // Opens the address in the user's browser.
    void openAddress(HWND owner, std::wstring_view address);

    std::wstring scriptPath(const ScriptAction& action) const;

private:
    ScriptOutcome importScript(const std::wstring& path, const ScriptAction& action);
    ScriptOutcome causeOfNoChange(const ScriptAction& action);

    Launcher& m_launcher;
    std::wstring m_scriptDirectory;
    SystemFolders m_folders;
};

} // namespace quillmend
