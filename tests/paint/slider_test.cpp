// Sliders and toolbars: a skinned window and its unskinned twin get the same
// real pointer and key input, and their parents must hear the same scroll
// codes, commands and notifications, the controls end in the same positions
// and states, and tooltips still show. Then their looks at 96 and 144 DPI.
//
// Seen under Wine 8: the slider moves its thumb at once for TBM_SETPOS with
// a redraw, a drag, a key or a page, but for TBM_SETRANGE only when it next
// paints (for TBM_SETPOS without a redraw not even then), and
// TBM_GETTHUMBRECT, its drags and its paging go by the thumb it last placed;
// the skin's painter has it paint off-screen first. Its toolbar does not know
// TB_GETITEMDROPDOWNRECT.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/paint/slider.h"
#include "skin/paint/toolbar.h"
#include "support/pixels.h"

#include <algorithm>
#include <map>

using namespace qmtest;

namespace {

std::map<HWND, std::vector<std::pair<int, int>>> g_notes; // scroll code and position, -1 and command, -2 and notification

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const auto* n = reinterpret_cast<NMHDR*>(lParam);
    if (msg == WM_HSCROLL || msg == WM_VSCROLL || msg == WM_COMMAND)
        g_notes[HWND(lParam)].push_back({msg == WM_COMMAND ? -1 : LOWORD(wParam), msg == WM_COMMAND ? LOWORD(wParam) : int(SendMessageW(HWND(lParam), TBM_GETPOS, 0, 0))});
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
        INPUT in{INPUT_MOUSE, {.mi = {MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1), MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1), 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags}}};
        SendInput(1, &in, sizeof(in)), Sleep(30), pumpMessages();
    }
    pumpUntil([] { return false; }, 100);
}
void key(WORD vk) { INPUT in[2]{{INPUT_KEYBOARD, {.ki = {vk}}}, {INPUT_KEYBOARD, {.ki = {vk, 0, KEYEVENTF_KEYUP}}}}; SendInput(2, in, sizeof(INPUT)), pumpUntil([] { return false; }, 100); }
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

const TBBUTTON kButtons[] = {{STD_FILEOPEN, 101, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, INT_PTR(L"Open")}, {STD_PROPERTIES, 102, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, INT_PTR(L"Bold")},
    {0, 0, 0, BTNS_SEP, {}, 0, 0}, {STD_PASTE, 103, TBSTATE_ENABLED, BTNS_DROPDOWN, {}, 0, INT_PTR(L"Paste")},
    {STD_FIND, 104, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {}, 0, INT_PTR(L"View")}, {STD_DELETE, 105, 0, BTNS_BUTTON, {}, 0, INT_PTR(L"Off")}};

HWND makeToolbar(HWND host, DWORD style, int y, int dpi)
{
    HWND t = makeChild(host, TOOLBARCLASSNAMEW, L"", style | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN, 5, y,
                       MulDiv(440, dpi, 96), MulDiv(style & TBSTYLE_LIST ? 34 : 48, dpi, 96));
    SendMessageW(t, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0), SendMessageW(t, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(t, TB_LOADIMAGES, dpi > 96 ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR, LPARAM(HINST_COMMCTRL));
    return SendMessageW(t, TB_ADDBUTTONSW, std::size(kButtons), LPARAM(kButtons)), t;
}

} // namespace

TEST(SlidersToolbars, SlidersAnswerRealDragsClicksAndKeysAsTheirUnskinnedTwins)
{
    InitCommonControls();
    const struct { DWORD style; RECT at; } rows[] = {{TBS_AUTOTICKS, {10, 10, 220, 45}}, {TBS_BOTH | TBS_ENABLESELRANGE, {10, 90, 220, 140}},
                                                     {TBS_VERT | TBS_LEFT | TBS_AUTOTICKS, {250, 10, 295, 220}}, {TBS_VERT | TBS_NOTICKS, {340, 10, 370, 220}}};
    Twins twins;
    HWND sliders[2][std::size(rows)]{};
    std::vector<std::vector<int>> states[2];
    for (int h = 0; h < 2; ++h)
        for (size_t i = 0; const auto& [style, r] : rows) {
            HWND s = sliders[h][i++] = makeChild(twins.host[h].get(), TRACKBAR_CLASSW, L"", style | WS_TABSTOP, r.left, r.top, r.right - r.left, r.bottom - r.top);
            SendMessageW(s, TBM_SETRANGE, FALSE, MAKELONG(0, 40)), SendMessageW(s, TBM_SETPOS, TRUE, 10);
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
            const auto record = [&] { const RECT t = (paintNow(s), itemRect(s, TBM_GETTHUMBRECT));
                                      states[h].push_back({int(SendMessageW(s, TBM_GETPOS, 0, 0)), int(t.left), int(t.top), int(t.right), int(t.bottom)}); };
            // Points along the channel's middle, from its start; the thumb's middle.
            const RECT c = itemRect(s, TBM_GETCHANNELRECT);
            const auto along = [&](int d) { return onScreen(s, v ? (c.left + c.right) / 2 : c.left + d, v ? c.top + d : (c.top + c.bottom) / 2); };
            const RECT t = itemRect(s, TBM_GETTHUMBRECT);
            const int thumb = v ? (t.top + t.bottom) / 2 - c.top : (t.left + t.right) / 2 - c.left, end = v ? c.bottom - c.top : c.right - c.left;
            pointer({{along(thumb), MOUSEEVENTF_LEFTDOWN}, {along(thumb + 12), 0}, {along(thumb + 40), 0}, {along(thumb + 40), MOUSEEVENTF_LEFTUP}}), record();
            for (int d : {end - 3, 3, 3})
                pointer({{along(d), MOUSEEVENTF_LEFTDOWN}, {along(d), MOUSEEVENTF_LEFTUP}}), record();
            for (WORD vk : {VK_RIGHT, VK_NEXT, VK_END, VK_LEFT, VK_PRIOR, VK_HOME, VK_DOWN, VK_UP})
                key(vk), record();
            SetWindowPos(s, nullptr, 0, 0, rows[i].at.right - rows[i].at.left + 30, rows[i].at.bottom - rows[i].at.top + 30, SWP_NOMOVE | SWP_NOZORDER);
            SendMessageW(s, TBM_SETPOS, TRUE, 25), SendMessageW(s, TBM_SETRANGE, TRUE, MAKELONG(0, 60)), record();
        }
    });
    EXPECT_EQ(states[0], states[1]);
    ASSERT_EQ(skin::stopSkinEngine(twins.host[0].get()), 1);
    for (size_t i = 0; i < std::size(rows); ++i) { // the same notes, and given back whole
        EXPECT_TRUE(g_notes[sliders[0][i]] == g_notes[sliders[1][i]] && g_notes[sliders[1][i]].size() >= 12u) << "row " << i;
        EXPECT_TRUE(skinProperties(sliders[0][i]).empty() && !GetPropW(sliders[0][i], L"PARTHOT")
                    && GetWindowLongPtrW(sliders[0][i], GWLP_WNDPROC) == GetWindowLongPtrW(sliders[1][i], GWLP_WNDPROC));
    }
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
                for (int id : {101, 102, 103, 104, 105}) states[h].push_back(SendMessageW(t, TB_GETSTATE, id, 0));
            };
            for (int i : {0, 1, 3, 4, 5, 1, 1, -3})
                click(i < 0 ? -i : i, i < 0 ? 4 : 0);
            const RECT r = itemRect(t, TB_GETITEMRECT, 0);
            pointer({{onScreen(t, r.left + 4, r.top + 4), 0}, {onScreen(t, r.left + 8, r.top + 8), 0}});
            states[h].push_back(pumpUntil([t] { return IsWindowVisible(HWND(SendMessageW(t, TB_GETTOOLTIPS, 0, 0))) != FALSE; }));
            pointer({{{1020, 760}, 0}});
        }
    });
    for (size_t i = 0; i < std::size(rows); ++i) // the same notes; a drop-down twice, the check button three times
        EXPECT_TRUE(g_notes[bars[0][i]] == g_notes[bars[1][i]] && std::ranges::count(g_notes[bars[1][i]], std::pair(-2, int(TBN_DROPDOWN))) == 2
                    && std::ranges::count(g_notes[bars[1][i]], std::pair(-1, 102)) == 3) << "row " << i;
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(states[1].back(), 1) << "no tooltip showed";
    g_notes.clear();
}

// Sliders pointed down, up and right, plain, with a selection and vertical, each with its thumb normal, hot, pressed,
// focused and disabled; toolbars flat, listed and plain with a hot, a checked, a pressed and a disabled button.
TEST(SlidersToolbars, LooksInEveryStateAt96And144DpiMatchTheirGolden)
{
    Twins twins; HWND host = twins.host[0].get();
    SetWindowPos(host, HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE), SetForegroundWindow(host), SetCursorPos(1020, 760);
    ASSERT_EQ(skin::startSkinEngine(host), 1);
    const DWORD styles[] = {TBS_AUTOTICKS | TBS_ENABLESELRANGE, TBS_TOP | TBS_AUTOTICKS, TBS_BOTH | TBS_AUTOTICKS, TBS_NOTICKS,
                            TBS_VERT | TBS_AUTOTICKS, TBS_VERT | TBS_LEFT | TBS_AUTOTICKS};
    LOGFONTW font{}; SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0);
    std::vector<Dib> shots;
    for (int dpi : {96, 144}) {
        const auto px = [dpi](int n) { return MulDiv(n, dpi, 96); };
        for (DWORD style : styles) {
            const int w = px(style & TBS_VERT ? 46 : 150), h = px(style & TBS_VERT ? 150 : 46);
            HWND s = makeChild(host, TRACKBAR_CLASSW, L"", style | TBS_FIXEDLENGTH, 10, 10, w, h);
            SendMessageW(s, TBM_SETTHUMBLENGTH, px(21), 0), SendMessageW(s, TBM_SETRANGE, TRUE, MAKELONG(0, 10));
            SendMessageW(s, TBM_SETPOS, TRUE, 4), SendMessageW(s, TBM_SETSEL, TRUE, MAKELONG(2, 7)), paintNow(s);
            Dib& row = shots.emplace_back(5 * (w + 2), h);
            for (int state = 0; state < 5; ++state) {
                const RECT t = itemRect(s, TBM_GETTHUMBRECT);
                const POINT middle = onScreen(s, (t.left + t.right) / 2, (t.top + t.bottom) / 2);
                state == 1 ? void(SetCursorPos(middle.x, middle.y)) : state == 2 ? void((SetCapture(s), skin::setProp(s, skin::prop::kPartHot, 0)))
                    : state == 3 ? void(SetFocus(s)) : state == 4 ? void(EnableWindow(s, FALSE)) : void();
                SetViewportOrgEx(row.dc(), state * (w + 2), 0, nullptr), skin::paintSliderAtDpi(s, row.dc(), dpi);
                SetCursorPos(1020, 760), ReleaseCapture(), SetFocus(host), SetViewportOrgEx(row.dc(), 0, 0, nullptr);
            }
            DestroyWindow(s);
        }
        font.lfHeight = -px(12);
        const skin::UniqueFont face(CreateFontIndirectW(&font));
        for (DWORD style : {DWORD(TBSTYLE_FLAT), DWORD(TBSTYLE_FLAT | TBSTYLE_LIST), DWORD(0)}) {
            HWND t = makeToolbar(host, style, 10, dpi);
            SendMessageW(t, WM_SETFONT, WPARAM(face.get()), TRUE), SendMessageW(t, TB_SETHOTITEM, 0, 0);
            SendMessageW(t, TB_CHECKBUTTON, 102, TRUE), SendMessageW(t, TB_PRESSBUTTON, 103, TRUE), paintNow(t);
            RECT c{}; GetClientRect(t, &c);
            skin::paintToolbarAtDpi(t, shots.emplace_back(c.right, c.bottom).dc(), dpi), DestroyWindow(t);
        }
    }
    std::vector<const Dib*> parts;
    std::ranges::for_each(shots, [&](const Dib& shot) { parts.push_back(&shot); });
    EXPECT_TRUE(matchesGolden(stack(parts), L"sliders-toolbars"));
}
