#include "app/actions.h"

#include "app/registry_script.h"

#include <string>

namespace quillmend {

std::wstring_view outcomeMessage(ScriptOutcome outcome, const ScriptAction& action) noexcept
{
    switch (outcome) {
    case ScriptOutcome::changed:
        return action.successMessage;
    case ScriptOutcome::notWritten:
        return L"鼠标右键设置更改失败，因为无法写入注册表脚本文件。";
    case ScriptOutcome::editorNotStarted:
        return L"鼠标右键设置更改失败，因为无法启动注册表编辑器。";
    case ScriptOutcome::editorUnfinished:
        return L"鼠标右键设置更改失败，因为注册表编辑器没有按时完成导入。";
    case ScriptOutcome::valueUnchanged:
        return L"鼠标右键设置更改失败，因为注册表中的值没有改变，很可能是缺少管理员权限。";
    }
    return {};
}

Actions::Actions(Launcher& launcher, std::wstring scriptDirectory)
    : m_launcher(launcher), m_scriptDirectory(std::move(scriptDirectory))
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
    // before the value is read back and the file removed.
    switch (m_launcher.launch(L"regedit /s \"" + path + L"\"", WindowMode::hidden, kRegistryEditorWait)) {
    case LaunchResult::notStarted:
        return ScriptOutcome::editorNotStarted;
    case LaunchResult::timedOut:
        return ScriptOutcome::editorUnfinished;
    case LaunchResult::started:
    case LaunchResult::finished:
        break;
    }
    const auto value = readContextMenuPolicy();
    return value && *value == action.intendedValue ? ScriptOutcome::changed : ScriptOutcome::valueUnchanged;
}

ScriptOutcome Actions::runScript(HWND owner, const ScriptAction& action)
{
    const std::wstring path = scriptPath(action);
    const ScriptOutcome outcome = importScript(path, action);
    const std::wstring message(outcomeMessage(outcome, action));
    const UINT icon = outcome == ScriptOutcome::changed ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxW(owner, message.c_str(), kMessageTitle, MB_OK | icon);
    DeleteFileW(path.c_str());
    return outcome;
}

void Actions::restartShell(HWND owner)
{
    const std::wstring prompt(kRestartPrompt);
    if (MessageBoxW(owner, prompt.c_str(), kMessageTitle, kRestartPromptStyle) != IDYES)
        return;
    if (m_launcher.launch(std::wstring(kRestartCommand), WindowMode::hidden, std::nullopt) == LaunchResult::notStarted) {
        const std::wstring message(kRestartFailed);
        MessageBoxW(owner, message.c_str(), kMessageTitle, MB_OK | MB_ICONERROR);
    }
}

void Actions::openAddress(HWND owner, std::wstring_view address)
{
    const std::wstring command = L"rundll32.exe url.dll,FileProtocolHandler \"" + std::wstring(address) + L"/\"";
    if (m_launcher.launch(command, WindowMode::normalFocus, std::nullopt) == LaunchResult::notStarted) {
        const std::wstring message(kOpenAddressFailed);
        MessageBoxW(owner, message.c_str(), kMessageTitle, MB_OK | MB_ICONERROR);
    }
}

} // namespace quillmend
