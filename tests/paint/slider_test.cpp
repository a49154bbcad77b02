// Sliders and toolbars: a skinned window and its unskinned twin get the same
// real pointer and key input, and their parents must hear the same scroll
// codes, commands and notifications, the controls end in the same positions
// and states, and tooltips still show. Then their looks at 96 and 144 DPI.
//
// Seen under Wine 8: the slider works out its thumb's place only while it
// paints, so TBM_GETTHUMBRECT lags TBM_SETPOS until then (Windows is said to
// update it at once); the skin's painter has it painted off-screen first.
#include "core/core_fixture.h"
#include "skin/paint/slider.h"
#include "skin/paint/toolbar.h"
#include "support/pixels.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

using namespace qmtest;

namespace {

using Notes = std::vector<std::pair<int, int>>; // scroll code and position, command id, notification code
std::map<HWND, Notes> g_notes;

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const auto* n = reinterpret_cast<NMHDR*>(lParam);
    if (msg == WM_HSCROLL || msg == WM_VSCROLL)
        g_notes[HWND(lParam)].push_back({LOWORD(wParam), int(SendMessageW(HWND(lParam), TBM_GETPOS, 0, 0))});
    else if (msg == WM_COMMAND)
        g_notes[HWND(lParam)].push_back({-1, LOWORD(wParam)});
    else if (msg == WM_NOTIFY && n->code == TTN_GETDISPINFOW)
        reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = const_cast<wchar_t*>(L"tip");
    else if (msg == WM_NOTIFY && n->code != NM_CUSTOMDRAW && n->code != TBN_GETINFOTIPW && n->code != TBN_HOTITEMCHANGE)
        g_notes[n->hwndFrom].push_back({-2, int(n->code)});
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Real input: the pointer to screen points, pressing or releasing there; a key pressed and released.
void pointer(std::initializer_list<std::pair<POINT, DWORD>> steps)
{
    for (auto [p, flags] : steps) {
        INPUT in{INPUT_MOUSE};
        in.mi = {MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1), MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1), 0,
                 MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags};
        SendInput(1, &in, sizeof(in)), Sleep(30), pumpMessages();
    }
    pumpUntil([] { return false; }, 100);
}
void key(WORD vk)
{
    INPUT in[2]{{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
    in[0].ki.wVk = in[1].ki.wVk = vk, in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT)), pumpUntil([] { return false; }, 100);
}
POINT onScreen(HWND hwnd, int x, int y) { POINT p{x, y}; return ClientToScreen(hwnd, &p), p; }
RECT itemRect(HWND hwnd, UINT msg, WPARAM i = 0) { RECT r{}; return SendMessageW(hwnd, msg, i, LPARAM(&r)), r; }

// The skinned window [0] and its twin [1], side by side; the twin is driven first: once a skinned window is
// active, the next window activated is skinned too.
struct Twins {
    bool registered = (registerPlainClass(L"SliderTestHost", hostProc), true);
    UniqueWindow host[2] = {makeTopLevel(L"SliderTestHost", 480, 330, L"skinned"), makeTopLevel(L"SliderTestHost", 480, 330, L"twin")};
    template <class Drive> void drive(Drive each)
    {
        SetWindowPos(host[1].get(), nullptr, 520, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (int h : {1, 0}) {
            EXPECT_TRUE(h == 1 || skin::startSkinEngine(host[0].get()) == 1);
            SetForegroundWindow(host[h].get()), paintNow(host[h].get()), each(h);
        }
    }
};

const TBBUTTON kButtons[] = {{STD_FILEOPEN, 101, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, INT_PTR(L"Open")},
                             {STD_PROPERTIES, 102, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, INT_PTR(L"Bold")},
                             {0, 0, 0, BTNS_SEP, {}, 0, 0},
                             {STD_PASTE, 103, TBSTATE_ENABLED, BTNS_DROPDOWN, {}, 0, INT_PTR(L"Paste")},
                             {STD_FIND, 104, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {}, 0, INT_PTR(L"View")},
                             {STD_DELETE, 105, 0, BTNS_BUTTON, {}, 0, INT_PTR(L"Off")}};

HWND makeToolbar(HWND host, DWORD style, int y, int dpi)
{
    HWND t = makeChild(host, TOOLBARCLASSNAMEW, L"", style | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN, 5, y,
                       MulDiv(440, dpi, 96), MulDiv(style & TBSTYLE_LIST ? 34 : 48, dpi, 96));
    SendMessageW(t, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0), SendMessageW(t, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(t, TB_LOADIMAGES, dpi > 96 ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR, LPARAM(HINST_COMMCTRL));
    SendMessageW(t, TB_ADDBUTTONSW, std::size(kButtons), LPARAM(kButtons));
    return t;
}

} // namespace

TEST(SlidersToolbars, SlidersAnswerRealDragsClicksAndKeysAsTheirUnskinnedTwins)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    const struct { DWORD style; RECT at; } rows[] = {{TBS_AUTOTICKS, {10, 10, 220, 45}}, {TBS_BOTH | TBS_ENABLESELRANGE, {10, 90, 220, 140}},
                                                     {TBS_VERT | TBS_LEFT | TBS_AUTOTICKS, {250, 10, 295, 220}}, {TBS_VERT | TBS_NOTICKS, {340, 10, 370, 220}}};
    Twins twins;
    HWND sliders[2][std::size(rows)]{};
    std::vector<std::vector<int>> states[2];
    for (int h = 0; h < 2; ++h)
        for (size_t i = 0; i < std::size(rows); ++i) {
            const RECT& r = rows[i].at;
            sliders[h][i] = makeChild(twins.host[h].get(), TRACKBAR_CLASSW, L"", rows[i].style | WS_TABSTOP, r.left, r.top, r.right - r.left, r.bottom - r.top);
            SendMessageW(sliders[h][i], TBM_SETRANGE, FALSE, MAKELONG(0, 40)), SendMessageW(sliders[h][i], TBM_SETPOS, TRUE, 10);
        }
    // Wine moves the thumb at TBM_SETPOS, a drag, a key or a page at once, but at TBM_SETRANGE only when it paints.
    const RECT before = itemRect(sliders[1][0], TBM_GETTHUMBRECT);
    SendMessageW(sliders[1][0], TBM_SETRANGE, TRUE, MAKELONG(0, 80));
    const RECT unpainted = itemRect(sliders[1][0], TBM_GETTHUMBRECT), painted = (paintNow(sliders[1][0]), itemRect(sliders[1][0], TBM_GETTHUMBRECT));
    EXPECT_TRUE(EqualRect(&before, &unpainted) && !EqualRect(&before, &painted)) << "Wine's slider no longer waits for a paint";
    SendMessageW(sliders[1][0], TBM_SETRANGE, TRUE, MAKELONG(0, 40));
    twins.drive([&](int h) {
        for (size_t i = 0; i < std::size(rows); ++i) {
            HWND s = sliders[h][i];
            const bool v = (rows[i].style & TBS_VERT) != 0;
            const auto record = [&] {
                const RECT t = (paintNow(s), itemRect(s, TBM_GETTHUMBRECT));
                states[h].push_back({int(SendMessageW(s, TBM_GETPOS, 0, 0)), int(t.left), int(t.top), int(t.right), int(t.bottom)});
            };
            // Points along the channel's middle, from its start; the thumb's middle.
            const RECT c = itemRect(s, TBM_GETCHANNELRECT);
            const auto along = [&](int d) { return onScreen(s, v ? (c.left + c.right) / 2 : c.left + d, v ? c.top + d : (c.top + c.bottom) / 2); };
            const RECT t = itemRect(s, TBM_GETTHUMBRECT);
            const int thumb = v ? (t.top + t.bottom) / 2 - c.top : (t.left + t.right) / 2 - c.left, end = v ? c.bottom - c.top : c.right - c.left;
            pointer({{along(thumb), MOUSEEVENTF_LEFTDOWN}, {along(thumb + 12), 0}, {along(thumb + 40), 0}, {along(thumb + 40), MOUSEEVENTF_LEFTUP}});
            record();
            for (int d : {end - 3, 3, 3})
                pointer({{along(d), MOUSEEVENTF_LEFTDOWN}, {along(d), MOUSEEVENTF_LEFTUP}}), record();
            for (WORD vk : {VK_RIGHT, VK_NEXT, VK_END, VK_LEFT, VK_PRIOR, VK_HOME, VK_DOWN, VK_UP})
                key(vk), record();
            SetWindowPos(s, nullptr, 0, 0, rows[i].at.right - rows[i].at.left + 30, rows[i].at.bottom - rows[i].at.top + 30, SWP_NOMOVE | SWP_NOZORDER);
            SendMessageW(s, TBM_SETPOS, TRUE, 25), SendMessageW(s, TBM_SETRANGE, TRUE, MAKELONG(0, 60)), record();
        }
    });
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(g_notes[sliders[0][i]], g_notes[sliders[1][i]]) << "row " << i;
        EXPECT_GE(g_notes[sliders[1][i]].size(), 12u) << "row " << i;
    }
    EXPECT_EQ(states[0], states[1]);
    ASSERT_EQ(skin::stopSkinEngine(twins.host[0].get()), 1);
    EXPECT_TRUE(skinProperties(sliders[0][0]).empty());
    g_notes.clear();
}

TEST(SlidersToolbars, ToolbarsAnswerRealClicksAsTheirUnskinnedTwinsAndShowTooltips)
{
    const DWORD rows[] = {TBSTYLE_FLAT, TBSTYLE_FLAT | TBSTYLE_LIST, 0};
    Twins twins;
    HWND bars[2][std::size(rows)]{};
    std::vector<LRESULT> states[2];
    for (int h = 0; h < 2; ++h)
        for (size_t i = 0; i < std::size(rows); ++i)
            bars[h][i] = makeToolbar(twins.host[h].get(), rows[i], 10 + 60 * int(i), 96);
    twins.drive([&](int h) {
        for (HWND t : bars[h]) {
            const auto click = [&](int i, int fromRight = 0) {
                const RECT r = itemRect(t, TB_GETITEMRECT, i);
                const POINT p = onScreen(t, fromRight ? r.right - fromRight : (r.left + r.right) / 2 - 6, (r.top + r.bottom) / 2);
                pointer({{p, 0}, {p, MOUSEEVENTF_LEFTDOWN}, {p, MOUSEEVENTF_LEFTUP}});
                for (int id = 101; id <= 105; ++id)
                    states[h].push_back(SendMessageW(t, TB_GETSTATE, id, 0));
            };
            for (int i : {0, 1, 3, 4, 5, 1, 1})
                click(i);
            click(3, 4);
            const RECT r = itemRect(t, TB_GETITEMRECT, 0);
            pointer({{onScreen(t, r.left + 4, r.top + 4), 0}, {onScreen(t, r.left + 8, r.top + 8), 0}});
            states[h].push_back(pumpUntil([t] { return IsWindowVisible(HWND(SendMessageW(t, TB_GETTOOLTIPS, 0, 0))) != FALSE; }));
            pointer({{{1020, 760}, 0}});
        }
    });
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(g_notes[bars[0][i]], g_notes[bars[1][i]]) << "row " << i;
        const Notes& n = g_notes[bars[1][i]];
        EXPECT_EQ(std::count(n.begin(), n.end(), std::pair(-2, int(TBN_DROPDOWN))), 2) << "row " << i;
        EXPECT_EQ(std::count(n.begin(), n.end(), std::pair(-1, 102)), 3) << "row " << i;
    }
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(states[1].back(), 1) << "no tooltip showed";
    g_notes.clear();
}
