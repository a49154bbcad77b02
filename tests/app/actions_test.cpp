// The three actions through Form1's buttons: the registry script written
// fresh and imported, the result read back and told truthfully, the script
// removed; the shell restart question; launch failures. The real registry
// editor runs in the language scenarios.
#include "app_support.h"

#include "app/menu_policy.h"
#include "app/registry_script.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

extern "C" __declspec(dllimport) BOOL WINAPI SetShellWindow(HWND window);

namespace {

using namespace quillmend;
namespace fs = std::filesystem;

void click(Form1& form1, const wchar_t* name) { SendMessageW(form1.form().window(name), BM_CLICK, 0, 0); qmtest::pumpMessages(); }

void expectBox(const qmapp::BoxSeen& box, HWND owner, std::wstring_view text, const wchar_t* icon, std::vector<int> buttons)
{
    EXPECT_EQ(std::tie(box.owner, box.title, box.text, box.icon, box.buttons),
              std::tuple(owner, std::wstring(L"提示"), std::wstring(text), LoadIconW(nullptr, icon), buttons));
}

const wchar_t* buttonOf(const ScriptAction& action) { return &action == &kEnableMenu ? L"Command2" : L"Command3"; }

TEST(RegistryAction, WritesTheScriptFreshImportsItTellsTheTruthAndRemovesIt)
{
    using enum ScriptOutcome;
    // DisableRegistryTools, for the machine or the user, keeps the editor from
    // importing (Wine's ignores it; the launcher here imports nothing then): the
    // value is written directly and the cause named. 2 still lets silent imports run.
    // Without administrator rights the program runs itself elevated, and this process writes nothing.
    struct Row { const char* name; const ScriptAction* action; LaunchResult launch; ScriptOutcome outcome; HKEY toolsRoot = nullptr; DWORD tools = 1; std::optional<ElevatedRun> run = {}; };
    const Row rows[] = {
        {"enable", &kEnableMenu, LaunchResult::finished, changed},
        {"disable", &kDisableMenu, LaunchResult::finished, changed},
        {"unwritable script location", &kDisableMenu, LaunchResult::finished, notWritten},
        {"registry editor cannot start", &kDisableMenu, LaunchResult::notStarted, editorNotStarted},
        {"registry editor does not finish", &kDisableMenu, LaunchResult::timedOut, editorUnfinished},
        {"value unchanged", &kDisableMenu, LaunchResult::finished, valueUnchanged},
        {"value unchanged by the enable script", &kEnableMenu, LaunchResult::finished, valueUnchanged},
        {"editor disabled for the machine", &kDisableMenu, LaunchResult::finished, changedDirectly, HKEY_LOCAL_MACHINE},
        {"editor disabled for the user", &kEnableMenu, LaunchResult::finished, changedDirectly, HKEY_CURRENT_USER},
        {"editor tools value 2", &kDisableMenu, LaunchResult::finished, valueUnchanged, HKEY_LOCAL_MACHINE, 2},
        {"not elevated", &kEnableMenu, LaunchResult::finished, changed, nullptr, 1, ElevatedRun{ElevatedResult::finished, 0}},
        {"declined", &kDisableMenu, LaunchResult::finished, declined, nullptr, 1, ElevatedRun{ElevatedResult::declined}},
        {"elevated run fails", &kDisableMenu, LaunchResult::finished, elevatedRunFailed, nullptr, 1, ElevatedRun{ElevatedResult::finished, 2}},
        {"elevated run says done, value unchanged", &kEnableMenu, LaunchResult::finished, elevatedRunFailed, nullptr, 1, ElevatedRun{ElevatedResult::finished, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScriptAction& action = *row.action;
        const bool ok = succeeded(row.outcome), here = !row.run, written = here && row.outcome != notWritten;
        const fs::path fresh = qmapp::freshTempDirectory(L"qm-actions"), dir = row.outcome != notWritten ? fresh : fresh / L"missing", path = dir / action.fileName;
        if (here)
            std::ofstream(path) << "stale";
        qmapp::setPolicy(1 - action.intendedValue);
        qmapp::RecordingLauncher launcher;
        launcher.result = row.launch;
        launcher.run = row.run;
        std::string imported;
        launcher.onLaunch = [&] {
            std::ifstream file(path, std::ios::binary);
            imported.assign(std::istreambuf_iterator<char>(file), {});
            if (row.outcome == changed)
                qmapp::setPolicy(action.intendedValue); // what the registry editor would do
        };
        Form1 form1(launcher, dir, launcher);
        qmapp::BoxWatcher watcher({IDOK});
        if (row.toolsRoot)
            RegSetKeyValueW(row.toolsRoot, kSystemPolicyKey, kRegistryToolsValue, REG_DWORD, &row.tools, sizeof(DWORD));
        click(form1, buttonOf(action));
        if (row.toolsRoot)
            RegDeleteKeyValueW(row.toolsRoot, kSystemPolicyKey, kRegistryToolsValue);

        const std::vector<qmapp::Launch> import{{L"\"" + windowsDirectory() + L"\\regedit.exe\" /s \"" + path.wstring() + L"\"", WindowMode::hidden, 30'000}};
        EXPECT_EQ(launcher.launches, (written ? import : here ? std::vector<qmapp::Launch>{} : std::vector<qmapp::Launch>{{L"runas " + std::wstring(action.argument), WindowMode::hidden, kElevatedRunWait}}));
        const auto bytes = customResource(action.resourceId);
        EXPECT_EQ(imported, written ? std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()) : "");
        ASSERT_EQ(watcher.boxes.size(), 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), outcomeMessage(row.outcome, action), ok ? IDI_INFORMATION : IDI_ERROR, {IDOK});
        EXPECT_TRUE(ok || watcher.boxes[0].text != action.successMessage) << "a failure told as success";
        EXPECT_EQ(watcher.boxes[0].text.find(L"DisableRegistryTools") != std::wstring::npos, row.outcome == changedDirectly);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_EQ(readContextMenuPolicy(), std::optional<DWORD>(ok ? action.intendedValue : 1 - action.intendedValue));
        EXPECT_EQ(qmapp::textOf(form1.hwnd()), Form1::stateTitle()) << "the title after the click";
    }
}

std::vector<HWND> shielded;

// The restart ends this session's shell only, by its process; it and the
// link start as the desktop's user, never with our rights, when we have them.
// Without them the two buttons that write carry the shield
// (build/screens/quillmend-form1-shields.png).
TEST(ShellRestartAndLink, OnlyYesRestartsThisSessionsShellAndAnElevatedProcessStartsNothingAsItself)
{
    // Where no shell runs, as under Wine, a window of this test stands for it.
    const HWND shell = CreateWindowExW(0, L"Static", L"shell", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetShellWindow(shell);
    const DWORD owner = [] { DWORD process = 0; GetWindowThreadProcessId(GetShellWindow(), &process); return process; }();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, [](int code, WPARAM wParam, LPARAM lParam) {
        if (const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam); sent->message == BCM_SETSHIELD && sent->lParam)
            shielded.push_back(sent->hwnd);
        return CallNextHookEx(nullptr, code, wParam, lParam); }, nullptr, GetCurrentThreadId());
    struct Row { int answer; LaunchResult result; bool elevated; };
    for (const Row& row : {Row{IDYES, LaunchResult::started, false}, Row{IDNO, LaunchResult::started, false}, Row{IDYES, LaunchResult::notStarted, false},
                           Row{IDYES, LaunchResult::started, true}, Row{IDYES, LaunchResult::noUserContext, true}}) {
        SCOPED_TRACE(testing::Message() << row.answer << " result " << int(row.result) << (row.elevated ? " elevated" : ""));
        qmapp::RecordingLauncher launcher;
        launcher.result = row.result;
        launcher.run = row.elevated ? std::nullopt : std::optional(ElevatedRun{ElevatedResult::finished});
        Form1 form1(launcher, qmapp::freshTempDirectory(L"qm-actions"), launcher);
        form1.show();
        EXPECT_EQ(std::exchange(shielded, {}), (row.elevated ? std::vector<HWND>{} : std::vector{form1.form().window(L"Command2"), form1.form().window(L"Command3")}));
        qmapp::settledPicture(form1.hwnd(), row.elevated ? L"quillmend-form1-elevated" : L"quillmend-form1-shields");
        qmapp::BoxWatcher watcher({row.answer, IDOK});
        qmapp::setPolicy(readContextMenuPolicy() == 1u ? 0 : 1); // unannounced: the title follows it after the click
        click(form1, L"Command1");
        SendMessageW(form1.hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(form1.form().window(L"Label3")));
        qmtest::pumpMessages();

        const bool failed = row.result != LaunchResult::started, noUser = row.result == LaunchResult::noUserContext;
        ASSERT_EQ(watcher.boxes.size(), failed ? 3u : 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), kRestartPrompt, IDI_INFORMATION, {IDYES, IDNO});
        EXPECT_EQ(watcher.boxes[0].focused, IDNO);
        for (size_t i = 1; i < watcher.boxes.size(); ++i) // the restart's, then the link's
            expectBox(watcher.boxes[i], form1.hwnd(), noUser ? kNoUserContext : i == 1 ? kRestartFailed : kOpenAddressFailed, IDI_ERROR, {IDOK});
        const std::wstring as = row.elevated ? L"as the desktop's user: " : L"";
        std::vector<qmapp::Launch> expected{{as + L"\"" + systemDirectory() + L"\\cmd.exe\" /s /c \"\"" + systemDirectory() + L"\\taskkill.exe\" /f /pid " + std::to_wstring(owner) + L" & \"" + windowsDirectory() + L"\\explorer.exe\"\"", WindowMode::hidden, std::nullopt},
                                            {as + L"\"" + systemDirectory() + L"\\rundll32.exe\" url.dll,FileProtocolHandler \"https://forum.example.com/\"", WindowMode::normalFocus, std::nullopt}};
        if (row.answer == IDNO)
            expected.erase(expected.begin());
        EXPECT_EQ(launcher.launches, expected);
        EXPECT_EQ(qmapp::textOf(form1.hwnd()), Form1::stateTitle()) << "the title after the click";
    }
    UnhookWindowsHookEx(hook);
    DestroyWindow(shell);
}

} // namespace
