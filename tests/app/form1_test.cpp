// Form1 as built at 96 DPI: places, captions, fonts that have every glyph,
// keyboard order, and a screenshot.
#include "app_support.h"

#include "app/form1.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace quillmend;

class Form1Test : public testing::Test {
protected:
    void SetUp() override
    {
        form1.show();
        SetForegroundWindow(form1.hwnd());
        qmapp::pumpPending(form1.hwnd());
    }
    HWND control(const wchar_t* name) { return form1.form().window(name); }

    qmapp::RecordingLauncher launcher;
    Form1 form1{launcher, qmapp::freshTempDirectory(L"qm-form1")};
};

RECT placeInContainer(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(Form1Test, ClientAreaAndCaption)
{
    RECT client{};
    GetClientRect(form1.hwnd(), &client);
    EXPECT_EQ(client.right, 457);
    EXPECT_EQ(client.bottom, 147);
    wchar_t text[64]{};
    GetWindowTextW(form1.hwnd(), text, 64);
    EXPECT_STREQ(text, L"Quillmend");
    wchar_t cls[64]{};
    GetClassNameW(form1.hwnd(), cls, 64);
    EXPECT_STREQ(cls, L"Form");
    EXPECT_NE(SendMessageW(form1.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
}

struct Place {
    const wchar_t* name;
    const wchar_t* container;
    const wchar_t* className;
    int x, y, width, height; // width 0: sized to its text
};

TEST_F(Form1Test, ControlsSitWhereTheirTwipsSay)
{
    const Place places[] = {
        {L"Frame1", L"", L"Frame", 184, 8, 265, 113},
        {L"Label1", L"Frame1", L"Label", 16, 16, 233, 89},
        {L"Frame2", L"", L"Frame", 8, 8, 177, 113},
        {L"Command2", L"Frame2", L"Button", 8, 16, 161, 25},
        {L"Command3", L"Frame2", L"Button", 8, 48, 161, 25},
        {L"Command1", L"Frame2", L"Button", 8, 80, 161, 25},
        {L"Label2", L"", L"Label", 16, 128, 0, 0},
        {L"Label3", L"", L"Label", 112, 128, 0, 0},
        {L"Label4", L"", L"Label", 344, 128, 0, 0},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(testing::Message() << p.name);
        HWND hwnd = control(p.name);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetParent(hwnd), *p.container ? control(p.container) : form1.hwnd());
        wchar_t cls[64]{};
        GetClassNameW(hwnd, cls, 64);
        EXPECT_STREQ(cls, p.className);
        const RECT r = placeInContainer(hwnd);
        EXPECT_EQ(r.left, p.x);
        EXPECT_EQ(r.top, p.y);
        if (p.width) {
            EXPECT_EQ(r.right - r.left, p.width);
            EXPECT_EQ(r.bottom - r.top, p.height);
            continue;
        }
        // An auto-size label is exactly as large as its text.
        wchar_t text[256]{};
        const int length = GetWindowTextW(hwnd, text, 256);
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, length, &extent);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        EXPECT_EQ(r.right - r.left, extent.cx);
        EXPECT_EQ(r.bottom - r.top, extent.cy);
    }
}

struct Look {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* face;
    int height;
    int weight;
    bool underline;
};

TEST_F(Form1Test, CaptionsAndFontsHaveEveryGlyph)
{
    const Look looks[] = {
        {L"Frame1", L"使用说明", L"宋体", -12, FW_NORMAL, false},
        {L"Label1", nullptr, L"宋体", -12, FW_NORMAL, false},
        {L"Frame2", L"操作功能", L"宋体", -12, FW_NORMAL, false},
        {L"Command2", L"修复鼠标右键", L"宋体", -12, FW_NORMAL, false},
        {L"Command3", L"禁止鼠标右键", L"宋体", -12, FW_NORMAL, false},
        {L"Command1", L"刷新后马上生效", L"宋体", -12, FW_NORMAL, false},
        {L"Label2", L"Lurnhaven", L"黑体", -16, FW_BOLD, false},
        {L"Label3", L"https://forum.example.com", L"宋体", -16, FW_NORMAL, true},
        {L"Label4", L"制作:Veldmoor", L"宋体", -14, FW_BOLD, false},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(testing::Message() << look.name);
        HWND hwnd = control(look.name);
        wchar_t text[512]{};
        const int length = GetWindowTextW(hwnd, text, 512);
        if (look.caption) {
            EXPECT_STREQ(text, look.caption);
        }
        auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW lf{};
        ASSERT_EQ(GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
        EXPECT_STREQ(lf.lfFaceName, look.face);
        EXPECT_EQ(lf.lfHeight, look.height);
        EXPECT_EQ(lf.lfWeight, look.weight);
        EXPECT_EQ(lf.lfUnderline != 0, look.underline);
        EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);

        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, font);
        std::vector<WORD> glyphs(static_cast<size_t>(length));
        GetGlyphIndicesW(dc, text, length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        for (int i = 0; i < length; ++i)
            EXPECT_NE(glyphs[static_cast<size_t>(i)], 0xFFFF) << "no glyph for U+" << std::hex << int(text[i]);
    }
}

TEST_F(Form1Test, InstructionsStartWithFourSpaces)
{
    wchar_t text[512]{};
    GetWindowTextW(control(L"Label1"), text, 512);
    const std::wstring s = text;
    EXPECT_EQ(s.find_first_not_of(L' '), 4u);
    EXPECT_TRUE(s.starts_with(L"    在使用系统时，"));
    EXPECT_TRUE(s.ends_with(L"那么，你不试用一下“Quillmend”看看，还等着什么！"));
}

TEST_F(Form1Test, TabWalksTheButtonsTopToBottomAndSpaceClicks)
{
    HWND form = form1.hwnd();
    const HWND order[] = {control(L"Command2"), control(L"Command3"), control(L"Command1")};
    ASSERT_TRUE(qmapp::pumpUntil(form, [&] { return GetFocus() == order[0]; }));
    for (int step = 1; step <= 3; ++step) {
        qmapp::pressKey(VK_TAB);
        EXPECT_TRUE(qmapp::pumpUntil(form, [&] { return GetFocus() == order[step % 3]; })) << "Tab " << step;
    }
    qmapp::pressKey(VK_TAB, true);
    EXPECT_TRUE(qmapp::pumpUntil(form, [&] { return GetFocus() == order[2]; })) << "Shift+Tab";

    // Space on the focused Command1 asks the restart question.
    qmapp::BoxWatcher watcher({qmapp::BoxAnswer::no});
    qmapp::pressKey(VK_SPACE);
    EXPECT_TRUE(qmapp::pumpUntil(form, [&] { return !watcher.boxes.empty(); }));
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].text, kRestartPrompt);
    EXPECT_TRUE(launcher.launches.empty());
}

TEST_F(Form1Test, Screenshot)
{
    HWND form = form1.hwnd();
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    qmapp::pumpPending(form);
    const qmtest::Dib shot = qmtest::captureWindow(form);
    EXPECT_FALSE(qmtest::savePng(shot, L"quillmend-form1").empty());

    // Each coloured caption shows in its own colour.
    struct Ink { const wchar_t* name; COLORREF colour; };
    for (const Ink& ink : {Ink{L"Frame1", 0x00FF0000}, Ink{L"Frame2", 0x00FF00FF}, Ink{L"Label2", 0x00404000},
                           Ink{L"Label3", 0x00FF0000}, Ink{L"Label4", 0x00008000}}) {
        HWND hwnd = control(ink.name);
        const qmtest::Dib pixels = qmtest::captureWindow(hwnd);
        int inked = 0;
        for (int y = 0; y < std::min(pixels.height(), 20); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                inked += qmtest::colourNear(pixels.pixel(x, y), ink.colour, 8);
        EXPECT_GT(inked, 3) << ink.name;
    }
}

} // namespace
