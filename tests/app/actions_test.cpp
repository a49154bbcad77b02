// The three actions through Form1's buttons: the registry script written
// fresh and imported, the result read back and told truthfully, the script
// removed; the shell restart question; launch failures. The real registry
// editor runs in the language scenarios.
#include "app_support.h"

#include "app/menu_policy.h"
#include "app/registry_script.h"

#include <fstream>
#include <iterator>

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
    struct Row { const char* name; const ScriptAction* action; LaunchResult launch; ScriptOutcome outcome; HKEY toolsRoot = nullptr; DWORD tools = 1; };
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScriptAction& action = *row.action;
        const bool ok = succeeded(row.outcome), written = row.outcome != notWritten;
        const fs::path fresh = qmapp::freshTempDirectory(L"qm-actions"), dir = written ? fresh : fresh / L"missing", path = dir / action.fileName;
        std::ofstream(path) << "stale";
        qmapp::setPolicy(1 - action.intendedValue);
        qmapp::RecordingLauncher launcher;
        launcher.result = row.launch;
        std::string imported;
        launcher.onLaunch = [&] {
            std::ifstream file(path, std::ios::binary);
            imported.assign(std::istreambuf_iterator<char>(file), {});
            if (row.outcome == changed)
                qmapp::setPolicy(action.intendedValue); // what the registry editor would do
        };
        Form1 form1(launcher, dir);
        qmapp::BoxWatcher watcher({IDOK});
        if (row.toolsRoot)
            RegSetKeyValueW(row.toolsRoot, kSystemPolicyKey, kRegistryToolsValue, REG_DWORD, &row.tools, sizeof(DWORD));
        click(form1, buttonOf(action));
        if (row.toolsRoot)
            RegDeleteKeyValueW(row.toolsRoot, kSystemPolicyKey, kRegistryToolsValue);

        const std::vector<qmapp::Launch> import{{L"\"" + windowsDirectory() + L"\\regedit.exe\" /s \"" + path.wstring() + L"\"", WindowMode::hidden, 30'000}};
        EXPECT_EQ(launcher.launches, written ? import : std::vector<qmapp::Launch>{});
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

TEST(ShellRestart, OnlyYesRestartsTheShellAndAFailedStartIsTold)
{
    struct Row { int answer; LaunchResult result; };
    for (const Row& row : {Row{IDYES, LaunchResult::started}, Row{IDNO, LaunchResult::started}, Row{IDYES, LaunchResult::notStarted}}) {
        SCOPED_TRACE(testing::Message() << row.answer << (row.result == LaunchResult::started ? "" : " cannot start"));
        qmapp::RecordingLauncher launcher;
        launcher.result = row.result;
        Form1 form1(launcher, qmapp::freshTempDirectory(L"qm-actions"));
        qmapp::BoxWatcher watcher({row.answer, IDOK});
        click(form1, L"Command1");

        const bool failed = row.result == LaunchResult::notStarted;
        ASSERT_EQ(watcher.boxes.size(), failed ? 2u : 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), kRestartPrompt, IDI_INFORMATION, {IDYES, IDNO});
        EXPECT_EQ(watcher.boxes[0].focused, IDNO);
        if (failed)
            expectBox(watcher.boxes[1], form1.hwnd(), kRestartFailed, IDI_ERROR, {IDOK});
        const std::vector<qmapp::Launch> restart{{L"\"" + systemDirectory() + L"\\cmd.exe\" /s /c \"\"" + systemDirectory() + L"\\taskkill.exe\" /f /im explorer.exe & \"" + windowsDirectory() + L"\\explorer.exe\"\"", WindowMode::hidden, std::nullopt}};
        EXPECT_EQ(launcher.launches, row.answer == IDYES ? restart : std::vector<qmapp::Launch>{});
        EXPECT_EQ(qmapp::textOf(form1.hwnd()), Form1::stateTitle()) << "the title after the click";
    }
}

} // namespace
