// quillmend.exe from a script: exit codes, its one line and no window, with
// the real registry.
#include "app_support.h"

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
        EXPECT_TRUE(output.starts_with(row.says) && output.find("\r\n") == output.size() - 2) << "not this one line: " << output;
        EXPECT_EQ(windowsCreated, 0);
    }
}

} // namespace
