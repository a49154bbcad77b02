// quillmend.exe from a script: exit codes, its one line and no window, with
// the real registry, and the state in force as the shell reads it; what the
// built programs import and the rights they ask for.
#include "app_support.h"

#include "app/command_line.h"

#include <set>

namespace {

using namespace quillmend;
namespace fs = std::filesystem;

int windowsCreated = 0;

// The state rows come first, each with its values set: the shell obeys the
// machine's value whenever there is one, 0 included, and the user's only
// without it, and the line and the title name the one in force (their
// `says`: the value and its source).
TEST(CommandLine, ExitCodesAndOneLineWithTheRealRegistryAndNoWindow)
{
    struct Row { const wchar_t* arguments; DWORD code; const char* says; const wchar_t* title = nullptr; std::optional<DWORD> machine = {}, user = {}; };
    const Row rows[] = {
        {L"/status", 0, "not set", L"已启用（未设置）"}, {L"/status", 0, "0, set for this user", L"已启用（本用户策略）", {}, 0}, {L"/status", 1, "1, set for this user", L"已禁用（本用户策略）", {}, 1},
        {L"/status", 0, "0, set for this machine", L"已启用（本机策略）", 0, {}}, {L"/status", 0, "0, set for this machine", L"已启用（本机策略）", 0, 0}, {L"/status", 0, "0, set for this machine", L"已启用（本机策略）", 0, 1},
        {L"/status", 1, "1, set for this machine", L"已禁用（本机策略）", 1, {}}, {L"/status", 1, "1, set for this machine", L"已禁用（本机策略）", 1, 0}, {L"/status", 1, "1, set for this machine", L"已禁用（本机策略）", 1, 1},
        {L"/enable", 0, "The right-click menu has been enabled"}, {L"/status", 0, "The right-click menu is enabled (NoViewContextMenu 0, set for this machine)"},
        {L"-DISABLE", 0, "The right-click menu has been disabled"}, {L"-Status", 1, "The right-click menu is disabled"},
        {L"/?", 0, "Usage: quillmend /enable"}, {L"/禁止", 87, "Unknown argument \"/\xE7\xA6\x81\xE6\xAD\xA2\". Usage"},
        {L"/status /enable", 87, "Only one argument is taken. Usage"}, {L"enable", 87, "Unknown argument \"enable\". Usage"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << fs::path(row.arguments).string() << " machine " << row.machine.value_or(9) << " user " << row.user.value_or(9));
        if (row.title) {
            qmapp::setPolicy(row.machine);
            qmapp::setPolicy(row.user, HKEY_CURRENT_USER);
            EXPECT_EQ(Form1::stateTitle(), L"Quillmend — 右键菜单：" + std::wstring(row.title));
        }
        SECURITY_ATTRIBUTES inherit{.nLength = sizeof inherit, .bInheritHandle = TRUE};
        HANDLE read = nullptr, write = nullptr;
        CreatePipe(&read, &write, &inherit, 0);
        SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        std::wstring command = L"\"" + qmapp::built(L"app/quillmend.exe").wstring() + L"\" " + row.arguments;
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
        qmtest::pumpUntil([&] { return WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0; }, 30'000);
        UnhookWinEvent(hook);
        DWORD code = 0;
        GetExitCodeProcess(child.hProcess, &code);
        for (HANDLE h : {read, child.hProcess, child.hThread}) CloseHandle(h);
        EXPECT_EQ(code, row.code);
        const std::string says = row.title ? "The right-click menu is " + std::string(row.code ? "disabled" : "enabled") + " (NoViewContextMenu " + row.says + ")." : row.says;
        EXPECT_TRUE(output.starts_with(says) && output.find("\r\n") == output.size() - 2) << "not this one line: " << output;
        EXPECT_EQ(windowsCreated, 0);
    }
    qmapp::setPolicy({}, HKEY_CURRENT_USER);
}

// Only libraries the system always loads from its own folder (comctl32
// through the manifest), so a file beside a program is never loaded; and no
// more than the invoker's rights. The package's test checks the example host.
TEST(BuiltPrograms, ImportOnlyTheSystemsOwnLibrariesAndAskForNoRights)
{
    const std::set<std::string> known{"advapi32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "user32.dll"};
    for (const wchar_t* path : {L"app/quillmend.exe", L"gallery/skin-gallery.exe"}) {
        SCOPED_TRACE(fs::path(path).string());
        HMODULE module = LoadLibraryExW(qmapp::built(path).c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_TRUE(module) << "not built";
        const auto* base = reinterpret_cast<const char*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR(3));
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
        const std::string manifest = found ? std::string(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)) : "";
        const DWORD imports = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && entry->Name; ++entry) {
            const std::string name = CharLowerA(std::string(base + entry->Name).data());
            EXPECT_TRUE(known.contains(name) || (name == "comctl32.dll" && manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos)) << name;
        }
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
        FreeLibrary(module);
    }
}

} // namespace

// Run without administrator rights, /enable and /disable ask for them once;
// a declined prompt runs nothing else, ends with exit code 2 and says so.
TEST(CommandLine, DeclinedElevationFailsWithExitCode2AndSaysSo)
{
    for (const std::wstring argument : {L"/enable", L"/disable"}) {
        qmapp::RecordingLauncher elevation;
        elevation.run = ElevatedRun{ElevatedResult::declined};
        HANDLE read = nullptr, write = nullptr, out = GetStdHandle(STD_OUTPUT_HANDLE);
        CreatePipe(&read, &write, nullptr, 0);
        SetStdHandle(STD_OUTPUT_HANDLE, write);
        EXPECT_EQ(runCommandLine({&argument, 1}, elevation, elevation), kExitFailed);
        SetStdHandle(STD_OUTPUT_HANDLE, out);
        CloseHandle(write);
        char line[256]{};
        DWORD got = 0;
        ReadFile(read, line, sizeof line - 1, &got, nullptr);
        CloseHandle(read);
        EXPECT_STREQ(line, "Nothing was changed: administrator rights were declined.\r\n");
        EXPECT_EQ(elevation.launches.size(), 1u) << "one prompt, nothing else started";
    }
}
