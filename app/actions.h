// The program's actions: switch the shell's right-click menu on or off
// through a registry script, restart the shell, open an address.
#pragma once

#include "app/launcher.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace quillmend {

inline constexpr wchar_t kMessageTitle[] = L"提示";

struct ScriptAction {
    int resourceId;
    std::wstring_view fileName;    // in the system directory
    DWORD intendedValue;           // NoViewContextMenu once the script is in
    std::wstring_view successMessage;
};

inline constexpr ScriptAction kEnableMenu{101, L"Yqor.reg", 0, L"鼠标右键修复成功，刷新后即可生效！"};
inline constexpr ScriptAction kDisableMenu{102, L"Nqor.reg", 1, L"禁止使用鼠标右键成功，刷新后即可生效！"};

inline constexpr std::wstring_view kRestartPrompt =
    L"      刷新前请先保存好数据或者关闭其他已打开的程序后再进行,以免造成不必要的损失！";
inline constexpr std::wstring_view kRestartCommand = L"cmd /c taskkill /f /im explorer.exe & explorer.exe";
inline constexpr UINT kRestartPromptStyle = MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2;
inline constexpr DWORD kRegistryEditorWait = 30'000; // milliseconds

enum class ScriptOutcome {
    changed,
    notWritten,       // the script file could not be written
    editorNotStarted, // the registry editor could not be started
    editorUnfinished, // the registry editor did not end within the bound
    valueUnchanged,   // the value does not read as intended afterwards
};

// The sentence the user is shown for an outcome.
std::wstring_view outcomeMessage(ScriptOutcome outcome, const ScriptAction& action) noexcept;

inline constexpr std::wstring_view kRestartFailed = L"桌面刷新失败，因为无法启动命令解释器（cmd）。";
inline constexpr std::wstring_view kOpenAddressFailed = L"论坛网页打开失败，因为无法启动打开网址的程序（rundll32）。";

class Actions {
public:
    // Scripts are written into `scriptDirectory`: the system directory,
    // unless a test asks for another place.
    explicit Actions(Launcher& launcher, std::wstring scriptDirectory);
    explicit Actions(Launcher& launcher);

    // Writes the script, imports it, reports to the user with a message box
    // owned by `owner`, and removes the script once the box is closed.
    ScriptOutcome runScript(HWND owner, const ScriptAction& action);
    // Asks first; Yes restarts the shell.
    void restartShell(HWND owner);
    // Opens the address in the user's browser.
    void openAddress(HWND owner, std::wstring_view address);

    std::wstring scriptPath(const ScriptAction& action) const;

private:
    ScriptOutcome importScript(const std::wstring& path, const ScriptAction& action);

    Launcher& m_launcher;
    std::wstring m_scriptDirectory;
};

} // namespace quillmend
