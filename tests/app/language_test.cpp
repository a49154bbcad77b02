// Quillmend in the user's language: started under a Simplified Chinese, a
// Traditional Chinese and an English locale, its window and its message box
// speak that language only.
// Its title tells the menu's state, the current user's beside the machine's,
// after an action and after a change another process broadcasts.
#include "app_support.h"

#include "app/registry_script.h"

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

TEST(Language, TheWindowAndItsMessagesInTheUsersLanguageOnly)
{
    // The current user's own value is shown beside the machine's; 2 here: none.
    struct Row { const wchar_t *locale, *screen, *enabled, *disabled, *boxTitle; DWORD user; Language language; };
    for (const Row& row : {Row{L"zh_CN.UTF-8", L"quillmend-zh", L"Quillmend — 右键菜单：已启用（本用户：已启用）",
                               L"Quillmend — 右键菜单：已禁用（本用户：已启用）", L"提示", 0, Language::chinese},
                           Row{L"zh_TW.UTF-8", L"quillmend-zh-tw", L"Quillmend — 右鍵選單：已啟用",
                               L"Quillmend — 右鍵選單：已停用", L"提示", 2, Language::traditionalChinese},
                           Row{L"en_US.UTF-8", L"quillmend-en", L"Quillmend — right-click menu: enabled",
                               L"Quillmend — right-click menu: disabled", L"Quillmend", 2, Language::english}}) {
        SCOPED_TRACE(testing::Message() << row.screen);
        qmapp::setPolicy(0);
        row.user == 2 ? RegDeleteKeyValueW(HKEY_CURRENT_USER, kPolicyKey, kPolicyValue)
                      : RegSetKeyValueW(HKEY_CURRENT_USER, kPolicyKey, kPolicyValue, REG_DWORD, &row.user, sizeof(DWORD));
        HWND form = qmapp::startProgram(L"app\\quillmend.exe", row.locale), box = nullptr;
        ASSERT_NE(form, nullptr);
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
                  row.language != Language::english) << texts;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return qmapp::textOf(form) == row.disabled; }));
        ProcessLauncher launcher; // a change made here reaches that window through the broadcast
        EXPECT_EQ(Actions(launcher).applyScript(kEnableMenu), ScriptOutcome::changed);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return qmapp::textOf(form) == row.enabled; }));
        PostMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return !IsWindow(form); }));
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kPolicyKey, kPolicyValue);
}

} // namespace
