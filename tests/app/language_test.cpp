// Quillmend in the user's language: started under a Chinese and under an
// English locale, its window and its message box speak that language only.
// Its title tells the menu's state and its source after an action and after a
// change an elevated run of the program broadcasts (Wine starts "runas"
// children without a prompt).
#include "app_support.h"

namespace {

using namespace quillmend;

// `all` with a window and everything below it added.
std::vector<HWND> windowsOf(HWND window, std::vector<HWND> all = {})
{
    all.push_back(window);
    EnumChildWindows(window, [](HWND child, LPARAM to) { reinterpret_cast<std::vector<HWND>*>(to)->push_back(child); return TRUE; },
                     reinterpret_cast<LPARAM>(&all));
    return all;
}

TEST(Language, TheWindowAndItsMessagesInChineseOrInEnglishOnly)
{
    // Wine takes the language from the Unix locale, so the program starts through the Wine loader.
    std::wstring command = L"Z:\\usr\\bin\\wine \"" + qmapp::built(L"app/quillmend.exe").wstring() + L"\"";
    struct Unelevated final : Elevation {
        SystemElevation real{qmapp::built(L"app/quillmend.exe").wstring()};
        bool elevated() override { return false; }
        ElevatedRun runElevated(HWND owner, const std::wstring& argument, DWORD wait) override { return real.runElevated(owner, argument, wait); }
    } unelevated;
    SetTimer(nullptr, 0, 20, nullptr); // wakes the waits below, which watch another process
    struct Row { const wchar_t *locale, *screen, *enabled, *disabled, *boxTitle; Language language; };
    for (const Row& row : {Row{L"zh_CN.UTF-8", L"quillmend-zh", L"Quillmend — 右键菜单：已启用（本机策略）",
                               L"Quillmend — 右键菜单：已禁用（本机策略）", L"提示", Language::chinese},
                           Row{L"en_US.UTF-8", L"quillmend-en", L"Quillmend — right-click menu: enabled (this machine's policy)",
                               L"Quillmend — right-click menu: disabled (this machine's policy)", L"Quillmend", Language::english}}) {
        SCOPED_TRACE(testing::Message() << row.screen);
        qmapp::setPolicy(0);
        SetEnvironmentVariableW(L"LC_ALL", row.locale);
        STARTUPINFOW startup{.cb = sizeof startup}; PROCESS_INFORMATION child{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
        SetEnvironmentVariableW(L"LC_ALL", nullptr);
        HWND form = nullptr, box = nullptr;
        ASSERT_TRUE(qmapp::pumpUntil(nullptr, [&] { return IsWindowVisible(form = FindWindowW(L"Form", nullptr)); }, 20'000));
        RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        qmtest::savePng(qmtest::captureWindow(form), row.screen);
        EXPECT_EQ(qmapp::textOf(form), row.enabled);
        std::vector<HWND> windows = windowsOf(form);
        const auto disable = std::ranges::find(windows, text(IDS_BUTTON_DISABLE, row.language), [](HWND h) { return qmapp::textOf(h); });
        ASSERT_NE(disable, windows.end());
        PostMessageW(*disable, BM_CLICK, 0, 0); // with the real registry editor, in that process
        ASSERT_TRUE(qmapp::pumpUntil(nullptr, [&] { box = FindWindowW(L"#32770", nullptr);
            return GetWindow(box, GW_OWNER) == form && IsWindowVisible(box); }, 10'000));
        EXPECT_EQ(qmapp::textOf(box), row.boxTitle);
        std::wstring texts; // with CJK characters or punctuation, or not
        for (HWND window : windowsOf(box, windows))
            texts += qmapp::textOf(window) + L" | ";
        EXPECT_EQ(std::ranges::any_of(texts, [](wchar_t c) { return (c >= 0x3000 && c < 0xA000) || c >= 0xFF00; }),
                  row.language == Language::chinese) << texts;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return qmapp::textOf(form) == row.disabled; }));
        qmapp::RecordingLauncher nothingHere;
        EXPECT_EQ(Actions(nothingHere, qmapp::freshTempDirectory(L"qm-elevated"), systemFolders(), unelevated).applyScript(kEnableMenu), ScriptOutcome::changed);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return qmapp::textOf(form) == row.enabled; }));
        PostMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return !IsWindow(form); }));
        for (HANDLE h : {child.hProcess, child.hThread}) CloseHandle(h);
    }
}

} // namespace
