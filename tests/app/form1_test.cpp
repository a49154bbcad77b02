// The program's resources, and Form1 as built at 96 DPI: places, captions,
// fonts with every glyph, colours, a screenshot, and the link label under
// real mouse moves.
#include "app_support.h"

#include <cstring>
#include <tuple>

namespace {

using namespace quillmend;

TEST(Resources, RegistryScriptsAreExactUtf16TextAndTheIconHasFourSizes)
{
    struct Row { int id; wchar_t digit; const ScriptAction* action; };
    for (const Row& row : {Row{101, L'0', &kEnableMenu}, Row{102, L'1', &kDisableMenu}}) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.action->resourceId, row.id);
        EXPECT_EQ(row.action->intendedValue, static_cast<DWORD>(row.digit - L'0'));
        const auto bytes = customResource(row.id);
        ASSERT_EQ(bytes.size(), 322u);
        std::wstring text(161, L'\0'); // UTF-16 little-endian: the BOM bytes FF FE read as U+FEFF
        std::memcpy(text.data(), bytes.data(), 322);
        EXPECT_EQ(text, L"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
                        L"CurrentVersion\\Policies\\Explorer]\r\n\"NoViewContextMenu\"=dword:0000000"
                            + std::wstring(1, row.digit) + L"\r\n\r\n");
    }
    // The icon's group directory: reserved, type, count, then 14-byte entries.
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::vector<int> sizes;
    for (const BYTE* entry = dir + 6; entry < dir + 6 + 14 * (dir[4] | (dir[5] << 8)); entry += 14) {
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
        EXPECT_EQ(entry[6] | (entry[7] << 8), 32) << "bits of a " << sizes.back() << " image";
    }
    std::ranges::sort(sizes);
    EXPECT_EQ(sizes, (std::vector<int>{24, 32, 48, 128}));
}

class Form1Test : public qmapp::ShownForm1 {};

// What the window shows (its client area, every control settled) against a
// golden; what pixels cannot tell (fonts and their character set, texts,
// containers) from the controls themselves.
TEST_F(Form1Test, LooksAsDescribedWithEveryFontAndText)
{
    HWND form = form1.hwnd();
    const auto settled = [&] {
        for (const wchar_t* name : {L"Command1", L"Command2", L"Command3"})
            if (GetPropW(control(name), L"TIMERID"))
                return false;
        return true;
    };
    ASSERT_TRUE(until(settled, 6000));
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    qmapp::pumpPending(form);
    const qmtest::Dib shot = qmtest::captureWindow(form);
    qmtest::savePng(shot, L"quillmend-form1");
    RECT client{0, 0, 0, 0};
    GetClientRect(form, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(457L, 147L));
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_TRUE(qmtest::matchesGolden(qmtest::captureScreen(client), L"form1"));
    EXPECT_TRUE(qmapp::textOf(form).starts_with(L"Quillmend — 右键菜单："));
    EXPECT_NE(SendMessageW(form, WM_GETICON, ICON_BIG, 0), 0);

    const wchar_t *song = L"宋体", *hei = L"黑体";
    const struct { const wchar_t *name, *container, *className, *caption, *face; int fontHeight, weight; bool underline; } looks[] = {
        {L"Frame1", L"", L"Frame", L"使用说明", song, -12, FW_NORMAL, false},
        {L"Label1", L"Frame1", L"Label", L"    在使用系统时，", song, -12, FW_NORMAL, false},
        {L"Frame2", L"", L"Frame", L"操作功能", song, -12, FW_NORMAL, false},
        {L"Command2", L"Frame2", L"Button", L"修复鼠标右键", song, -12, FW_NORMAL, false},
        {L"Command3", L"Frame2", L"Button", L"禁止鼠标右键", song, -12, FW_NORMAL, false},
        {L"Command1", L"Frame2", L"Button", L"刷新后马上生效", song, -12, FW_NORMAL, false},
        {L"Label2", L"", L"Label", L"Lurnhaven", hei, -16, FW_BOLD, false},
        {L"Label3", L"", L"Label", L"https://forum.example.com", song, -16, FW_NORMAL, true},
        {L"Label4", L"", L"Label", L"制作:Veldmoor", song, -14, FW_BOLD, false}};
    for (const auto& look : looks) {
        SCOPED_TRACE(testing::Message() << look.name);
        HWND hwnd = control(look.name);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetParent(hwnd), *look.container ? control(look.container) : form);
        EXPECT_EQ(qmapp::textOf(hwnd, true), look.className);
        EXPECT_TRUE(qmapp::textOf(hwnd).starts_with(look.caption));
        const LOGFONTW lf = qmapp::fontOf(hwnd);
        EXPECT_EQ(std::tuple(std::wstring(lf.lfFaceName), lf.lfHeight, lf.lfWeight, lf.lfUnderline != 0, lf.lfCharSet),
                  std::tuple(std::wstring(look.face), LONG(look.fontHeight), LONG(look.weight), look.underline, BYTE(GB2312_CHARSET)));
    }
    EXPECT_TRUE(qmapp::textOf(control(L"Label1")).ends_with(L"那么，你不试用一下“Quillmend”看看，还等着什么！"));
}

TEST_F(Form1Test, LinkIsPlainWithAHandOverItUnderlinedOverTheBareFormAndAClickOpensTheForum)
{
    HWND link = control(L"Label3");
    auto underlined = [&] { return qmapp::fontOf(link).lfUnderline != 0; };
    // Rows mostly in the link colour: only an underline makes them.
    auto underlineRows = [&] { return qmapp::rowsInked(link, kLinkColour, 0.8); };
    EXPECT_TRUE(underlined());
    EXPECT_GE(underlineRows(), 1);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND), arrow = LoadCursorW(nullptr, IDC_ARROW);
    struct Step { const wchar_t* over; std::optional<POINT> at; bool underline; HCURSOR cursor; };
    const Step steps[] = {
        {L"Label3", {}, false, hand}, {L"", POINT{3, 60}, true, arrow}, {L"Label3", {}, false, hand},
        {L"Command3", {}, false, arrow}, // straight onto another control: stays plain
        {L"Label3", {}, false, hand},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "over '" << step.over << "' underline " << step.underline);
        qmapp::moveCursorTo(*step.over ? control(step.over) : form1.hwnd(), step.at);
        ASSERT_TRUE(until([&] { return underlined() == step.underline && GetCursor() == step.cursor; }));
        EXPECT_EQ(form1.form().control(L"Label3")->foreColour, kLinkColour);
        EXPECT_EQ(underlineRows() > 0, step.underline) << "underline pixels wrong";
    }
    launcher.result = LaunchResult::notStarted; // and the user hears of it
    qmapp::BoxWatcher watcher({IDOK});
    qmapp::mouse(MOUSEEVENTF_LEFTDOWN);
    qmapp::mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(until([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, kOpenAddressFailed);
    EXPECT_EQ(watcher.boxes[0].icon, LoadIconW(nullptr, IDI_ERROR));
    EXPECT_EQ(launcher.launches, (std::vector<qmapp::Launch>{{L"\"" + systemDirectory() + L"\\rundll32.exe\" url.dll,FileProtocolHandler \"https://forum.example.com/\"",
                                                              WindowMode::normalFocus, std::nullopt}}));
}

} // namespace
