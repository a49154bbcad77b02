// The three actions through Form1's buttons: the registry script written
// fresh and imported, the result read back and told truthfully, the script
// removed; the shell restart question; launch failures.
#include "app_support.h"

#include "app/form1.h"
#include "app/registry_script.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace quillmend;
using qmapp::BoxAnswer;
using qmapp::BoxIcon;

std::string resourceBytes(int id)
{
    const auto bytes = customResource(id);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void click(Form1& form1, const wchar_t* name)
{
    SendMessageW(form1.form().window(name), BM_CLICK, 0, 0);
    qmapp::pumpPending(form1.hwnd());
}

void expectBox(const qmapp::BoxSeen& box, HWND owner, std::wstring_view text, BoxIcon icon)
{
    EXPECT_EQ(box.className, L"#32770");
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.title, L"提示");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, icon);
}

struct ActionRow {
    const wchar_t* button;
    const ScriptAction* action;
};

const ActionRow kActionRows[] = {{L"Command2", &kEnableMenu}, {L"Command3", &kDisableMenu}};

TEST(RegistryAction, WritesTheScriptFreshOverAStaleFileImportsItAndRemovesIt)
{
    for (const ActionRow& row : kActionRows) {
        SCOPED_TRACE(testing::Message() << row.button);
        const ScriptAction& action = *row.action;
        const std::wstring dir = qmapp::freshTempDirectory(L"qm-actions");
        const std::wstring path = dir + L"\\" + std::wstring(action.fileName);
        {
            HANDLE stale = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(stale, "stale", 5, &written, nullptr);
            CloseHandle(stale);
        }
        qmapp::setPolicy(1 - action.intendedValue);

        qmapp::RecordingLauncher launcher;
        std::string imported;
        launcher.onLaunch = [&](const std::wstring&) {
            imported = qmapp::readFile(path);
            qmapp::setPolicy(action.intendedValue); // what the registry editor would do
        };
        Form1 form1(launcher, dir);
        qmapp::BoxWatcher watcher({BoxAnswer::ok});
        bool scriptWhileBoxUp = false;
        watcher.onBox = [&](const qmapp::BoxSeen&) { scriptWhileBoxUp = qmapp::fileExists(path); };
        click(form1, row.button);

        ASSERT_EQ(launcher.launches.size(), 1u);
        EXPECT_EQ(launcher.launches[0].commandLine, L"regedit /s \"" + path + L"\"");
        EXPECT_EQ(launcher.launches[0].mode, WindowMode::hidden);
        EXPECT_EQ(launcher.launches[0].wait, std::optional<DWORD>(30'000));
        EXPECT_EQ(imported, resourceBytes(action.resourceId));
        ASSERT_EQ(watcher.boxes.size(), 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), action.successMessage, BoxIcon::information);
        EXPECT_TRUE(watcher.boxes[0].hasOk);
        EXPECT_FALSE(watcher.boxes[0].hasYes);
        EXPECT_TRUE(scriptWhileBoxUp);
        EXPECT_FALSE(qmapp::fileExists(path));
    }
}

struct FailureRow {
    const char* name;
    bool unwritableDirectory;
    LaunchResult launchResult;
    ScriptOutcome outcome;
};

TEST(RegistryAction, FailuresAreToldAsFailuresAndLeaveNoScript)
{
    const FailureRow rows[] = {
        {"unwritable script location", true, LaunchResult::finished, ScriptOutcome::notWritten},
        {"registry editor cannot start", false, LaunchResult::notStarted, ScriptOutcome::editorNotStarted},
        {"registry editor does not finish", false, LaunchResult::timedOut, ScriptOutcome::editorUnfinished},
        {"value unchanged", false, LaunchResult::finished, ScriptOutcome::valueUnchanged},
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        qmapp::setPolicy(0);
        const std::wstring dir = row.unwritableDirectory ? qmapp::freshTempDirectory(L"qm-actions") + L"\\missing"
                                                         : qmapp::freshTempDirectory(L"qm-actions");
        qmapp::RecordingLauncher launcher;
        launcher.result = row.launchResult;
        Form1 form1(launcher, dir);
        qmapp::BoxWatcher watcher({BoxAnswer::ok});
        click(form1, L"Command3");

        EXPECT_EQ(launcher.launches.size(), row.unwritableDirectory ? 0u : 1u);
        ASSERT_EQ(watcher.boxes.size(), 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), outcomeMessage(row.outcome, kDisableMenu), BoxIcon::error);
        EXPECT_NE(watcher.boxes[0].text, kDisableMenu.successMessage);
        EXPECT_FALSE(qmapp::fileExists(dir + L"\\Nqor.reg"));
        EXPECT_EQ(readContextMenuPolicy(), std::optional<DWORD>(0));
    }
}

TEST(RegistryAction, EndToEndWithTheRealRegistryEditor)
{
    ProcessLauncher launcher;
    Form1 form1(launcher);
    qmapp::setPolicy(std::nullopt);
    const ActionRow rows[] = {{L"Command3", &kDisableMenu}, {L"Command2", &kEnableMenu}};
    for (const ActionRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.button);
        qmapp::BoxWatcher watcher({BoxAnswer::ok});
        click(form1, row.button);
        ASSERT_EQ(watcher.boxes.size(), 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), row.action->successMessage, BoxIcon::information);
        EXPECT_EQ(readContextMenuPolicy(), std::optional<DWORD>(row.action->intendedValue));
        EXPECT_FALSE(qmapp::fileExists(systemDirectory() + L"\\" + std::wstring(row.action->fileName)));
    }
}

struct RestartRow {
    const char* name;
    BoxAnswer answer;
    size_t launches;
};

TEST(ShellRestart, OnlyYesRestartsTheShell)
{
    const RestartRow rows[] = {{"Yes", BoxAnswer::yes, 1}, {"No", BoxAnswer::no, 0}, {"closed", BoxAnswer::close, 0}};
    for (const RestartRow& row : rows) {
        SCOPED_TRACE(row.name);
        qmapp::RecordingLauncher launcher;
        Form1 form1(launcher, qmapp::freshTempDirectory(L"qm-actions"));
        qmapp::BoxWatcher watcher({row.answer});
        click(form1, L"Command1");

        ASSERT_EQ(watcher.boxes.size(), 1u);
        const qmapp::BoxSeen& box = watcher.boxes[0];
        expectBox(box, form1.hwnd(), L"      刷新前请先保存好数据或者关闭其他已打开的程序后再进行,以免造成不必要的损失！",
                  BoxIcon::information);
        EXPECT_TRUE(box.hasYes && box.hasNo);
        EXPECT_EQ(box.defaultButton, IDNO);
        ASSERT_EQ(launcher.launches.size(), row.launches);
        if (row.launches) {
            EXPECT_EQ(launcher.launches[0].commandLine, L"cmd /c taskkill /f /im explorer.exe & explorer.exe");
            EXPECT_EQ(launcher.launches[0].mode, WindowMode::hidden);
            EXPECT_FALSE(launcher.launches[0].wait.has_value());
        }
    }
}

TEST(LaunchFailure, RestartAndLinkTellTheUser)
{
    qmapp::RecordingLauncher launcher;
    launcher.result = LaunchResult::notStarted;
    Form1 form1(launcher, qmapp::freshTempDirectory(L"qm-actions"));
    {
        qmapp::BoxWatcher watcher({BoxAnswer::yes, BoxAnswer::ok});
        click(form1, L"Command1");
        ASSERT_EQ(watcher.boxes.size(), 2u);
        expectBox(watcher.boxes[1], form1.hwnd(), kRestartFailed, BoxIcon::error);
    }
    {
        qmapp::BoxWatcher watcher({BoxAnswer::ok});
        HWND link = form1.form().window(L"Label3");
        SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        ASSERT_EQ(watcher.boxes.size(), 1u);
        expectBox(watcher.boxes[0], form1.hwnd(), kOpenAddressFailed, BoxIcon::error);
    }
    EXPECT_EQ(launcher.launches.size(), 2u);
}

} // namespace
