// quillmend.exe from a script: exit codes, its one line and no window, with
// the real registry; the cause and the direct write when policy disables the
// registry editor.
#include "app_support.h"

#include "app/menu_policy.h"

namespace {

using namespace quillmend;
namespace fs = std::filesystem;

int windowsCreated = 0;

TEST(CommandLine, ExitCodesAndOneLineWithTheRealRegistryAndNoWindow)
{
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path program = fs::path(self).parent_path().parent_path() / L"app" / L"quillmend.exe";
    qmapp::setPolicy(0);
    struct Row { const wchar_t* arguments; DWORD code; const char* says; };
    const Row rows[] = {
        {L"/disable", 0, "The right-click menu has been disabled"}, {L"/status", 1, "The right-click menu is disabled"},
        {L"-ENABLE", 0, "The right-click menu has been enabled"}, {L"-Status", 0, "The right-click menu is enabled"},
        {L"/?", 0, "Usage: quillmend /enable"}, {L"/禁止", 87, "Unknown argument \"/\xE7\xA6\x81\xE6\xAD\xA2\". Usage"},
        {L"/status /enable", 87, "Only one argument is taken. Usage"}, {L"enable", 87, "Unknown argument \"enable\". Usage"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << fs::path(row.arguments).string());
        SECURITY_ATTRIBUTES inherit{.nLength = sizeof inherit, .bInheritHandle = TRUE};
        HANDLE read = nullptr, write = nullptr;
        CreatePipe(&read, &write, &inherit, 0);
        SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        std::wstring command = L"\"" + program.wstring() + L"\" " + row.arguments;
        STARTUPINFOW startup{.cb = sizeof startup, .dwFlags = STARTF_USESTDHANDLES, .hStdOutput = write, .hStdError = write};
        PROCESS_INFORMATION child{};
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &child);
        windowsCreated = 0; // by the child, told through an out-of-context hook
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr,
            [](HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD) { windowsCreated += object == OBJID_WINDOW; },
            child.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
        ResumeThread(child.hThread);
        CloseHandle(write);
        std::string output; char buffer[512];
        for (DWORD got = 0; ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got;)
            output.append(buffer, got);
        qmapp::pumpUntil(nullptr, [&] { return WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0; }, 30'000);
        UnhookWinEvent(hook);
        DWORD code = 0;
        GetExitCodeProcess(child.hProcess, &code);
        for (HANDLE h : {read, child.hProcess, child.hThread}) CloseHandle(h);
        EXPECT_EQ(code, row.code);
        EXPECT_TRUE(output.starts_with(row.says)) << output;
        EXPECT_EQ(output.find("\r\n"), output.size() - 2) << "not one line";
        EXPECT_EQ(windowsCreated, 0);
    }
}

TEST(RegistryEditorDisabled, TheValueIsWrittenDirectlyAndTheCauseNamed)
{
    struct Row { HKEY root; DWORD tools; ScriptOutcome outcome; };
    for (const Row& row : {Row{HKEY_LOCAL_MACHINE, 1, ScriptOutcome::changedDirectly},
                           Row{HKEY_CURRENT_USER, 1, ScriptOutcome::changedDirectly},
                           Row{HKEY_LOCAL_MACHINE, 2, ScriptOutcome::valueUnchanged}}) { // 2 still lets silent imports run
        SCOPED_TRACE(testing::Message() << row.tools << (row.root == HKEY_CURRENT_USER ? " user" : " machine"));
        qmapp::setPolicy(0);
        RegSetKeyValueW(row.root, kSystemPolicyKey, kRegistryToolsValue, REG_DWORD, &row.tools, sizeof(DWORD));
        qmapp::RecordingLauncher refusing; // Wine's editor ignores the policy; this one imports nothing, as a disabled one
        qmapp::BoxWatcher watcher({IDOK});
        Actions actions(refusing, qmapp::freshTempDirectory(L"qm-tools").wstring());
        EXPECT_EQ(actions.runScript(nullptr, kDisableMenu), row.outcome);
        RegDeleteKeyValueW(row.root, kSystemPolicyKey, kRegistryToolsValue);
        const bool direct = row.outcome == ScriptOutcome::changedDirectly;
        EXPECT_EQ(readContextMenuPolicy(), std::optional<DWORD>(direct ? 1 : 0));
        ASSERT_EQ(watcher.boxes.size(), 1u);
        const std::wstring& told = watcher.boxes[0].text;
        EXPECT_EQ(told.find(L"DisableRegistryTools") != told.npos && told.ends_with(kDisableMenu.successMessage), direct) << told;
    }
}

} // namespace
