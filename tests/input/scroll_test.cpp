// Scroll bars under the real pointer. A list box, an edit box, a list view and
// a "ScrollBar" window, each with an unskinned twin and with a vertical or a
// horizontal bar, get the same clicks on both arrows and on the track either
// side of the thumb, thumb drags and the wheel, then the same messages that
// change its content: the notifications (for the "ScrollBar" window, as its
// parent sees them, with the track position it reads) and the final position
// must be the same. Before each notification or change reaches a control its bar is
// filled with magenta: in the twin the system has drawn over it when the
// control returns (it draws bars outside WM_NCPAINT, its tracking included);
// in the skinned control nothing has, so no system bar ever shows there.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/router/start.h"
#include "support/gdi_count.h"
#include "support/pixels.h"
#include "support/windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

using namespace qmtest;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kSkinTrack = RGB(235, 243, 250);

std::tuple<LONG_PTR, int, int, UINT, int> barState(HWND h, int bar)
{
    SCROLLINFO i{sizeof(i), SIF_ALL};
    return GetScrollInfo(h, bar, &i), std::tuple{GetWindowLongPtrW(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), i.nMin, i.nMax, i.nPage, i.nPos};
}

// Sits under the skin, just above the control's own procedure.
struct Recorder {
    WNDPROC own = nullptr;
    std::vector<std::pair<int, int>> notes; // code, position; repeated thumb tracks once
    int drawnBySystem = 0;                  // notifications and changes after which the bar was no longer all magenta
    std::vector<decltype(barState(nullptr, 0))> states; // frame bars shown and the bar's scroll information after each change
    int ncPaints = 0;
};
std::map<HWND, Recorder> g_recorders;
bool g_changing = false; // every message the test sends is checked, not only notifications
bool g_across = false;   // the bars under test are horizontal: points are given across the bar, then along it

void addNote(std::vector<std::pair<int, int>>& notes, std::pair<int, int> note)
{
    const bool again = !notes.empty() && note.first == SB_THUMBTRACK && notes.back().first == SB_THUMBTRACK;
    again ? void(notes.back() = note) : notes.push_back(note);
}

bool isBarWindow(HWND hwnd)
{
    wchar_t name[16]{};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpiW(name, L"ScrollBar") == 0;
}

// Where the bar lies, in its parent's frame context, worked out from the client area: the skin keeps the system from
// knowing for a moment, and may keep the window itself invisible meanwhile. Empty while a frame shows no bar.
RECT barIn(HWND hwnd, HWND& frame)
{
    frame = GetParent(hwnd);
    RECT window{}, own{}, bar{};
    GetWindowRect(frame, &window), GetWindowRect(hwnd, &own), GetClientRect(hwnd, &bar);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&bar), 2);
    if (const int t = GetSystemMetrics(SM_CXVSCROLL); !isBarWindow(hwnd))
        bar = g_across ? RECT{bar.left, bar.bottom, bar.right, bar.bottom + t} : RECT{bar.right, bar.top, bar.right + t, bar.bottom};
    OffsetRect(&bar, -window.left, -window.top);
    return bar.right <= own.right - window.left && bar.bottom <= own.bottom - window.top ? bar : RECT{};
}

LRESULT CALLBACK record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder& r = g_recorders[hwnd];
    r.ncPaints += msg == WM_NCPAINT;
    const bool scroll = msg == WM_VSCROLL || msg == WM_HSCROLL, notification = scroll || msg == WM_MOUSEWHEEL;
    // A "ScrollBar" window's parent moves it while the system or the skin tracks it.
    if (!notification && !g_changing && msg != SBM_SETPOS)
        return CallWindowProcW(r.own, hwnd, msg, wParam, lParam);
    HWND frame = nullptr;
    const RECT bar = barIn(hwnd, frame);
    HDC dc = GetWindowDC(frame);
    // Mid-drag the bar shows what was drawn since the last notification: the skin's track or the system's tracking.
    const int w = bar.right - bar.left, h = bar.bottom - bar.top;
    if (scroll && (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION))
        r.drawnBySystem += captureDc(dc, bar.left, bar.top, w, h).countNot(kSkinTrack) == w * h;
    const skin::UniqueBrush magenta(CreateSolidBrush(kMagenta));
    FillRect(dc, &bar, magenta.get());
    const bool changing = std::exchange(g_changing, false);
    const int ncPaints = r.ncPaints;
    const LRESULT result = CallWindowProcW(r.own, hwnd, msg, wParam, lParam);
    g_changing = changing;
    GdiFlush();
    // A frame repainted meanwhile had the skin draw its bar in WM_NCPAINT.
    r.drawnBySystem += r.ncPaints == ncPaints && w > 0 && captureDc(dc, bar.left, bar.top, w, h).countNot(kMagenta) > 0;
    ReleaseDC(frame, dc);
    if (!notification)
        return result;
    addNote(r.notes, {msg == WM_MOUSEWHEEL ? -1 : LOWORD(wParam), HIWORD(wParam)});
    return result;
}

// The host of a "ScrollBar" window as programs write it: it moves the bar as told, the thumb to the track
// position it asks the bar for.
WNDPROC g_hostOwn = nullptr;
LRESULT CALLBACK hostRecord(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const HWND bar = reinterpret_cast<HWND>(lParam);
    if ((msg != WM_VSCROLL && msg != WM_HSCROLL) || !bar)
        return CallWindowProcW(g_hostOwn, hwnd, msg, wParam, lParam);
    SCROLLINFO i{sizeof(i), SIF_ALL | SIF_TRACKPOS};
    GetScrollInfo(bar, SB_CTL, &i);
    const int code = LOWORD(wParam), pos = code == SB_THUMBTRACK ? i.nTrackPos : HIWORD(wParam);
    const int moves[] = {-1, 1, -static_cast<int>(i.nPage), static_cast<int>(i.nPage), pos - i.nPos, pos - i.nPos};
    if (code <= SB_THUMBTRACK)
        SetScrollPos(bar, SB_CTL, i.nPos + moves[code], TRUE);
    addNote(g_recorders[bar].notes, {code, pos});
    return 0;
}

// Real pointer input: each step moves to a screen point, then presses, releases or turns the wheel there.
void pointer(std::initializer_list<std::pair<POINT, DWORD>> steps)
{
    std::vector<INPUT> inputs;
    for (auto [p, flags] : steps) {
        g_across ? std::swap(p.x, p.y) : void();
        INPUT in{INPUT_MOUSE};
        in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
        in.mi.mouseData = flags & MOUSEEVENTF_WHEEL ? static_cast<DWORD>(-WHEEL_DELTA) : 0;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (int i = 0; i < 5; ++i)
        Sleep(20), pumpMessages();
}

// A tree view's row, and one wider than the tree, which brings its horizontal bar.
TVINSERTSTRUCTW g_rows[] = {{TVI_ROOT, TVI_LAST, {{TVIF_TEXT, {}, 0, 0, const_cast<wchar_t*>(L"item")}}},
                            {TVI_ROOT, TVI_FIRST, {{TVIF_TEXT, {}, 0, 0, const_cast<wchar_t*>(L"a row far wider than the tree view it sits in")}}}};

// A message to a control; 0 fills it with 60 lines (a list or tree view with 60 rows).
using Send = std::tuple<UINT, WPARAM, LPARAM>;

void send(HWND hwnd, const Send& s)
{
    if (auto [msg, wParam, lParam] = s; msg)
        return void(SendMessageW(hwnd, msg, wParam, lParam));
    SCROLLINFO range{sizeof(range), SIF_RANGE | SIF_PAGE, 0, 59, 10};
    if (isBarWindow(hwnd))
        SetScrollInfo(hwnd, SB_CTL, &range, FALSE);
    std::wstring lines;
    // Beside a horizontal bar, a line, the list and a column far wider than the control.
    if (LVCOLUMNW column{LVCF_WIDTH, 0, 900}; g_across)
        lines = std::wstring(150, L'w') + L"\r\n", SendMessageW(hwnd, LB_SETHORIZONTALEXTENT, 900, 0), SendMessageW(hwnd, LVM_INSERTCOLUMNW, 0, LPARAM(&column));
    for (int n = 1; n <= 60; ++n)
        lines += L"line " + std::to_wstring(n) + L"\r\n", SendMessageW(hwnd, LB_ADDSTRING, 0, LPARAM(L"item")),
            SendMessageW(hwnd, TVM_INSERTITEMW, 0, LPARAM(&g_rows[0]));
    SetWindowTextW(hwnd, lines.c_str()), SendMessageW(hwnd, LVM_SETITEMCOUNT, 60, 0);
}

// The list view asks the system for a dragged thumb's position, so the system tracks its thumb.
// Each kind's changes of content and view take the bar away, bring it back and end with it shown; a "ScrollBar"
// window draws itself when enabled or disabled.
const struct { const wchar_t* cls; DWORD style; std::vector<Send> changes; } kTwins[] = {
    {L"ListBox", LBS_NOINTEGRALHEIGHT, {{LB_INSERTSTRING, 3, LPARAM(L"x")}, {LB_DELETESTRING, 0, 0}, {LB_SETTOPINDEX, 7, 0},
                                        {LB_SETCURSEL, 58, 0}, {LB_RESETCONTENT, 0, 0}, {}, {LB_SETCURSEL, 30, 0}}},
    {L"Edit", ES_MULTILINE, {{EM_REPLACESEL, 0, LPARAM(L"1\r\n2\r\n")}, {EM_LINESCROLL, 0, 9}, {EM_SCROLL, SB_PAGEDOWN, 0},
                             {WM_SETTEXT, 0, LPARAM(L"")}, {}, {EM_LINESCROLL, 0, 20}}},
    {WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA, {{LVM_SETITEMCOUNT, 70, 0}, {WM_KEYDOWN, VK_END, 0}, {LVM_DELETEALLITEMS, 0, 0}, {}, {LVM_ENSUREVISIBLE, 50, 0}}},
    {WC_TREEVIEWW, TVS_HASBUTTONS, {{WM_CHAR, 'i', 0}, {WM_KEYDOWN, VK_END, 0}, {TVM_INSERTITEMW, 0, LPARAM(&g_rows[1])},
                                    {WM_KEYDOWN, VK_PRIOR, 0}, {TVM_DELETEITEM, 0, LPARAM(TVI_ROOT)}, {}, {WM_VSCROLL, SB_BOTTOM, 0}}},
    {L"ScrollBar", SBS_VERT, {{WM_ENABLE, FALSE, 0}, {WM_ENABLE, TRUE, 0}, {SBM_ENABLE_ARROWS, ESB_DISABLE_UP, 0},
                              {SBM_ENABLE_ARROWS, ESB_ENABLE_BOTH, 0}}},
    {L"ListBox", LBS_NOINTEGRALHEIGHT | WS_HSCROLL, {}}, {L"Edit", ES_MULTILINE | WS_HSCROLL, {}},
    {WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | WS_HSCROLL, {}},
    {L"ScrollBar", SBS_HORZ, {{WM_ENABLE, FALSE, 0}, {WM_ENABLE, TRUE, 0}, {SBM_ENABLE_ARROWS, ESB_DISABLE_LTUP, 0}}},
};

TEST(ScrollBars, RealPointerOnSkinnedControlsEndsAsOnTheirTwinsAndNoSystemBarShows)
{
    InitCommonControls();
    for (const auto& kind : kTwins) {
        SCOPED_TRACE(testing::Message() << "class " << kind.cls << " style " << kind.style);
        UniqueWindow host = makeTopLevel(L"ScrollTestHost", 420, 340, L"scroll test");
        g_hostOwn = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(host.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hostRecord)));
        const bool control = lstrcmpW(kind.cls, L"ScrollBar") == 0;
        g_across = control ? !(kind.style & SBS_VERT) : (kind.style & WS_HSCROLL) != 0;
        const int bar = control ? SB_CTL : g_across ? SB_HORZ : SB_VERT, t = GetSystemMetrics(SM_CXVSCROLL);
        HWND pair[2]{};
        for (int i = 0; i < 2; ++i) {
            const RECT at = g_across ? RECT{10, 150, 180, t} : RECT{150, 10, t, 150}; // a "ScrollBar" window's place and size
            pair[i] = control ? makeChild(host.get(), kind.cls, L"", kind.style, at.left + 200 * i, at.top, at.right, at.bottom)
                              : makeChild(host.get(), kind.cls, L"", kind.style | (g_across ? 0 : WS_VSCROLL), 10 + 200 * i, 10, 180, 150, WS_EX_CLIENTEDGE);
            send(pair[i], {});
            g_recorders[pair[i]] = {reinterpret_cast<WNDPROC>(SetWindowLongPtrW(pair[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)))};
        }
        ASSERT_EQ(skin::startSkinEngine(pair[0]), 1);
        paintNow(host.get());

        for (HWND hwnd : pair) {
            SetFocus(hwnd);
            // Across the bar's middle, where it starts and ends, and the thumb's middle, along it.
            const auto thumb = [hwnd, control] {
                SCROLLBARINFO info{sizeof(info)};
                RECT& r = (GetScrollBarInfo(hwnd, control ? OBJID_CLIENT : g_across ? OBJID_HSCROLL : OBJID_VSCROLL, &info), info.rcScrollBar);
                g_across ? (std::swap(r.left, r.top), std::swap(r.right, r.bottom)) : void();
                return std::tuple{(r.left + r.right) / 2, r.top, r.bottom, r.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
            };
            auto [x, top, bottom, middle] = thumb();
            const auto act = [&](std::initializer_list<std::pair<POINT, DWORD>> steps) { pointer(steps), std::tie(x, top, bottom, middle) = thumb(); };
            const auto click = [&](int along) { act({{{x, along}, MOUSEEVENTF_LEFTDOWN}, {{x, along}, MOUSEEVENTF_LEFTUP}}); };
            click(bottom - 4), click(middle + 30);
            act({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, middle + 7}, 0}, {{x, middle + 23}, 0}, {{x, middle + 23}, MOUSEEVENTF_LEFTUP}});
            act({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, bottom + 10}, 0}, {{x, bottom + 10}, MOUSEEVENTF_LEFTUP}});
            // Dragged far from the bar (still over the host), the thumb goes back where it started.
            const int away = hwnd == pair[0] ? 150 : -150;
            pointer({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, top + 40}, 0}, {{x + away, top + 40}, 0}, {{x + away, top + 40}, MOUSEEVENTF_LEFTUP}});
            click(middle - 30), click(top + 4);
            pointer({{{x - 60, top + 40}, MOUSEEVENTF_WHEEL}});
            // The focus caret blinks in the skin's thumb (Wine's own bar leaves it where the thumb was at focus).
            SCROLLBARINFO shown{sizeof(shown)};
            if (POINT caret{}; control && hwnd == pair[0] && GetScrollBarInfo(hwnd, OBJID_CLIENT, &shown) && GetCaretPos(&caret))
                EXPECT_EQ(g_across ? caret.x : caret.y, shown.xyThumbTop + 1) << "the focus caret left the thumb";
            g_changing = true;
            for (const Send& change : kind.changes)
                send(hwnd, change), g_recorders[hwnd].states.push_back(barState(hwnd, bar));
            g_changing = false;
        }
        const Recorder &skinned = g_recorders[pair[0]], &plain = g_recorders[pair[1]];
        EXPECT_EQ(skinned.notes, plain.notes);
        EXPECT_EQ(skinned.states, plain.states);
        EXPECT_GE(skinned.notes.size(), 9u);
        EXPECT_EQ(skinned.drawnBySystem, 0) << "a system-drawn bar showed through";
        EXPECT_GE(plain.drawnBySystem, 3) << "the system no longer draws its bars outside WM_NCPAINT, its tracking included";

        // Given back whole: style and scroll information as the twin's, nothing of the skin left.
        ASSERT_EQ(skin::stopSkinEngine(pair[0]), 1);
        EXPECT_EQ(GetWindowLongPtrW(pair[0], GWL_STYLE), GetWindowLongPtrW(pair[1], GWL_STYLE));
        EXPECT_EQ(barState(pair[0], bar), barState(pair[1], bar));
        EXPECT_TRUE(skinProperties(pair[0]).empty());
        g_recorders.clear();
    }
}

// The grip shows in the box where two bars meet only at the bottom-right of the client area of a window that can be
// sized and is not maximized, bars on the right. Hit-testing there stays the system's: as the control answered unskinned.
TEST(ScrollBars, SizeGripOnlyWhereAWindowCanBeSizedAndHitTestedAsUnskinned)
{
    const struct { DWORD frame; int show, inset; DWORD ex; int gripPixels; } rows[] = {
        {WS_THICKFRAME, SW_SHOWNORMAL, 0, 0, 24}, {WS_THICKFRAME, SW_MAXIMIZE, 0, 0, 0}, {WS_THICKFRAME, SW_SHOWNORMAL, 9, 0, 0},
        {0, SW_SHOWNORMAL, 0, 0, 0}, {WS_THICKFRAME, SW_SHOWNORMAL, 0, WS_EX_LEFTSCROLLBAR, 0}};
    for (const auto& row : rows) {
        UniqueWindow host = makeTopLevel(L"ScrollTestHost", 300, 200);
        RECT c{}, w{};
        SetWindowLongPtrW(host.get(), GWL_STYLE, GetWindowLongPtrW(host.get(), GWL_STYLE) | row.frame), ShowWindow(host.get(), row.show);
        GetClientRect(host.get(), &c);
        HWND list = makeChild(host.get(), L"ListBox", L"", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, c.right - 150 - row.inset,
                              c.bottom - 100 - row.inset, 150, 100, WS_EX_CLIENTEDGE | row.ex);
        send(list, {}), SendMessageW(list, LB_SETHORIZONTALEXTENT, 400, 0), GetWindowRect(list, &w);
        const int t = GetSystemMetrics(SM_CXVSCROLL), x = row.ex ? 2 : w.right - w.left - 2 - t, y = w.bottom - w.top - 2 - t;
        const auto hit = [&] { return SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(w.left + x + t / 2, w.top + y + t / 2)); };
        const LRESULT unskinned = hit();
        ASSERT_EQ(skin::startSkinEngine(list), 1);
        paintNow(host.get());
        EXPECT_EQ(hit(), unskinned) << &row - rows;
        EXPECT_EQ(t * t - captureDc(skin::WindowDc(list).get(), x, y, t, t).countNot(RGB(0x4E, 0xA0, 0xD1)), row.gripPixels) << &row - rows;
    }
}

// A program's own calls that change a bar: on the twin the system draws its bar at once; on the skinned window the
// skin's shows the change straight away, pixel for pixel what the skin draws when it paints the frame anew. The calls
// sit in functions of their own: a function that read an import before the skin started may keep calling what it read.
extern "C" void* __imp_SetScrollPos;
TEST(ScrollBars, ProgramsOwnScrollCallsShowTheSkinsBarAtOnce)
{
    const std::pair<const char*, void (*)(HWND, int)> calls[] = {
        {"SetScrollInfo", [](HWND h, int bar) { SCROLLINFO i{sizeof(i), SIF_POS, 0, 0, 0, 5}; SetScrollInfo(h, bar, &i, TRUE); }},
        {"SetScrollPos", [](HWND h, int bar) { SetScrollPos(h, bar, 9, TRUE); }},
        {"SetScrollRange", [](HWND h, int bar) { SetScrollRange(h, bar, 0, 70, TRUE); }},
        {"EnableScrollBar off", [](HWND h, int bar) { EnableScrollBar(h, bar, ESB_DISABLE_BOTH); }},
        {"EnableScrollBar on", [](HWND h, int bar) { EnableScrollBar(h, bar, ESB_ENABLE_BOTH); }}};
    const void* system = reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetScrollPos"));
    g_across = false;
    for (const wchar_t* cls : {L"ListBox", L"ScrollBar"}) {
        UniqueWindow host = makeTopLevel(L"ScrollTestHost", 420, 200);
        const bool control = lstrcmpW(cls, L"ScrollBar") == 0;
        const int bar = control ? SB_CTL : SB_VERT;
        HWND pair[2]{};
        for (int i = 0; i < 2; ++i)
            send(pair[i] = control ? makeChild(host.get(), cls, L"", SBS_VERT, 150 + 200 * i, 10, GetSystemMetrics(SM_CXVSCROLL), 150)
                                   : makeChild(host.get(), cls, L"", LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 10 + 200 * i, 10, 180, 150, WS_EX_CLIENTEDGE), {});
        ASSERT_EQ(skin::startSkinEngine(pair[0]), 1);
        paintNow(host.get());
        for (const auto& [name, call] : calls) {
            int drawn[2]{}, unlikeSkin = 0;
            for (int i = 0; i < 2; ++i) {
                HWND frame = nullptr;
                const RECT r = barIn(pair[i], frame);
                skin::WindowDc dc(frame);
                FillRect(dc.get(), &r, skin::UniqueBrush(CreateSolidBrush(kMagenta)).get());
                call(pair[i], bar), GdiFlush();
                const auto shot = [&] { return captureDc(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top); };
                const Dib shown = shot();
                drawn[i] = shown.countNot(kMagenta);
                if (i == 0)
                    RedrawWindow(pair[0], nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW), unlikeSkin = countDifferences(shown, shot());
            }
            EXPECT_EQ(barState(pair[0], bar), barState(pair[1], bar)) << name;
            EXPECT_EQ(unlikeSkin, 0) << name << ": the system's bar showed, or the skin's did not show the change";
            EXPECT_GT(drawn[0] * drawn[1], 0) << name << ": a bar was not drawn at once";
        }
        ASSERT_EQ(skin::stopSkinEngine(pair[0]), 1);
        EXPECT_EQ(__imp_SetScrollPos, system) << "the program's import was not given back";
    }
}

} // namespace
