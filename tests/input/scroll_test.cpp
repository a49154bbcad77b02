// Scroll bars under the real pointer. A list box and an edit box, each with an
// unskinned twin, get the same clicks on an arrow and the track, a thumb drag
// and the wheel, then the same messages that change its content: the
// notifications reaching each control and its final position must be the
// same. Before each notification or change reaches a control its bar is
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

std::tuple<LONG_PTR, int, int, UINT, int> barState(HWND h)
{
    SCROLLINFO i{sizeof(i), SIF_ALL};
    return GetScrollInfo(h, SB_VERT, &i), std::tuple{GetWindowLongPtrW(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), i.nMin, i.nMax, i.nPage, i.nPos};
}

// Sits under the skin, just above the control's own procedure.
struct Recorder {
    WNDPROC own = nullptr;
    std::vector<std::pair<int, int>> notes; // code, position; repeated thumb tracks once
    int drawnBySystem = 0;                  // notifications and changes after which the bar was no longer all magenta
    std::vector<decltype(barState(nullptr))> states; // bars shown and the vertical one's scroll information after each change
    int ncPaints = 0;
};
std::map<HWND, Recorder> g_recorders;
bool g_changing = false; // every message the test sends is checked, not only notifications

// Where the bar lies, worked out from the client area: the skin keeps the system from knowing for a moment. Empty: none.
RECT barInWindow(HWND hwnd)
{
    RECT window{}, client{};
    GetWindowRect(hwnd, &window), GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    const RECT bar{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    return bar.right <= window.right - window.left ? bar : RECT{};
}

LRESULT CALLBACK record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder& r = g_recorders[hwnd];
    r.ncPaints += msg == WM_NCPAINT;
    const bool notification = msg == WM_VSCROLL || msg == WM_MOUSEWHEEL;
    if (!notification && !g_changing)
        return CallWindowProcW(r.own, hwnd, msg, wParam, lParam);
    const RECT bar = barInWindow(hwnd);
    HDC dc = GetWindowDC(hwnd);
    // Mid-drag the bar shows what was drawn since the last notification: the skin's track or the system's tracking.
    const int w = bar.right - bar.left, h = bar.bottom - bar.top;
    if (msg == WM_VSCROLL && (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION))
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
    ReleaseDC(hwnd, dc);
    if (!notification)
        return result;
    const std::pair<int, int> note{msg == WM_MOUSEWHEEL ? -1 : LOWORD(wParam), HIWORD(wParam)};
    const bool again = !r.notes.empty() && note.first == SB_THUMBTRACK && r.notes.back().first == SB_THUMBTRACK;
    again ? void(r.notes.back() = note) : r.notes.push_back(note);
    return result;
}

// Real pointer input: each step moves to a screen point, then presses, releases or turns the wheel there.
void pointer(std::initializer_list<std::pair<POINT, DWORD>> steps)
{
    std::vector<INPUT> inputs;
    for (auto [p, flags] : steps) {
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
    std::wstring lines;
    for (int n = 1; n <= 60; ++n)
        lines += L"line " + std::to_wstring(n) + L"\r\n", SendMessageW(hwnd, LB_ADDSTRING, 0, LPARAM(L"item")),
            SendMessageW(hwnd, TVM_INSERTITEMW, 0, LPARAM(&g_rows[0]));
    SetWindowTextW(hwnd, lines.c_str()), SendMessageW(hwnd, LVM_SETITEMCOUNT, 60, 0);
}

// The list view asks the system for a dragged thumb's position, so the system tracks its thumb.
// Each kind's changes of content and view take the bar away, bring it back and end with it shown.
const struct { const wchar_t* cls; DWORD style; std::vector<Send> changes; } kTwins[] = {
    {L"ListBox", LBS_NOINTEGRALHEIGHT, {{LB_INSERTSTRING, 3, LPARAM(L"x")}, {LB_DELETESTRING, 0, 0}, {LB_SETTOPINDEX, 7, 0},
                                        {LB_SETCURSEL, 58, 0}, {LB_RESETCONTENT, 0, 0}, {}, {LB_SETCURSEL, 30, 0}}},
    {L"Edit", ES_MULTILINE, {{EM_REPLACESEL, 0, LPARAM(L"1\r\n2\r\n")}, {EM_LINESCROLL, 0, 9}, {EM_SCROLL, SB_PAGEDOWN, 0},
                             {WM_SETTEXT, 0, LPARAM(L"")}, {}, {EM_LINESCROLL, 0, 20}}},
    {WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA, {{LVM_SETITEMCOUNT, 70, 0}, {WM_KEYDOWN, VK_END, 0}, {LVM_DELETEALLITEMS, 0, 0}, {}, {LVM_ENSUREVISIBLE, 50, 0}}},
    {WC_TREEVIEWW, TVS_HASBUTTONS, {{WM_CHAR, 'i', 0}, {WM_KEYDOWN, VK_END, 0}, {TVM_INSERTITEMW, 0, LPARAM(&g_rows[1])},
                                    {WM_KEYDOWN, VK_PRIOR, 0}, {TVM_DELETEITEM, 0, LPARAM(TVI_ROOT)}, {}, {WM_VSCROLL, SB_BOTTOM, 0}}},
};

TEST(ScrollBars, RealPointerOnSkinnedControlsEndsAsOnTheirTwinsAndNoSystemBarShows)
{
    InitCommonControls();
    for (const auto& kind : kTwins) {
        SCOPED_TRACE(testing::Message() << "class " << kind.cls);
        UniqueWindow host = makeTopLevel(L"ScrollTestHost", 420, 200, L"scroll test");
        HWND pair[2]{};
        for (int i = 0; i < 2; ++i) {
            pair[i] = makeChild(host.get(), kind.cls, L"", kind.style | WS_VSCROLL, 10 + 200 * i, 10, 180, 150, WS_EX_CLIENTEDGE);
            send(pair[i], {});
            g_recorders[pair[i]] = {reinterpret_cast<WNDPROC>(SetWindowLongPtrW(pair[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)))};
        }
        ASSERT_EQ(skin::startSkinEngine(pair[0]), 1);
        paintNow(host.get());

        for (HWND hwnd : pair) {
            SetFocus(hwnd);
            const auto thumb = [hwnd] {
                SCROLLBARINFO info{sizeof(info)};
                GetScrollBarInfo(hwnd, OBJID_VSCROLL, &info);
                return std::tuple{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top,
                                  info.rcScrollBar.bottom, info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
            };
            auto [x, top, bottom, middle] = thumb();
            pointer({{{x, bottom - 4}, MOUSEEVENTF_LEFTDOWN}, {{x, bottom - 4}, MOUSEEVENTF_LEFTUP}});
            std::tie(x, top, bottom, middle) = thumb();
            pointer({{{x, middle + 30}, MOUSEEVENTF_LEFTDOWN}, {{x, middle + 30}, MOUSEEVENTF_LEFTUP}});
            std::tie(x, top, bottom, middle) = thumb();
            pointer({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, middle + 7}, 0}, {{x, middle + 23}, 0}, {{x, middle + 23}, MOUSEEVENTF_LEFTUP}});
            std::tie(x, top, bottom, middle) = thumb();
            pointer({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, bottom + 10}, 0}, {{x, bottom + 10}, MOUSEEVENTF_LEFTUP}});
            pointer({{{x - 60, top + 40}, MOUSEEVENTF_WHEEL}});
            g_changing = true;
            for (const Send& change : kind.changes)
                send(hwnd, change), g_recorders[hwnd].states.push_back(barState(hwnd));
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
        EXPECT_EQ(barState(pair[0]), barState(pair[1]));
        EXPECT_TRUE(skinProperties(pair[0]).empty());
        g_recorders.clear();
    }
}

} // namespace
