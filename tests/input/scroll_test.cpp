// Scroll bars under the real pointer. A list box and an edit box, each with an
// unskinned twin, get the same clicks on an arrow and the track, a thumb drag
// and the wheel: the notifications reaching each control and its final
// position must be the same. Before each notification reaches a control its
// bar is filled with magenta: in the twin the system has drawn over it when the
// control returns (it draws bars outside WM_NCPAINT, its tracking included);
// in the skinned control nothing has, so no system bar ever shows there.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/router/start.h"
#include "support/gdi_count.h"
#include "support/pixels.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace qmtest;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Sits under the skin, just above the control's own procedure.
struct Recorder {
    WNDPROC own = nullptr;
    std::vector<std::pair<int, int>> notes; // code, position; repeated thumb tracks once
    int drawnBySystem = 0;                  // notifications after which the bar was no longer all magenta
    int ncPaints = 0;
};
std::map<HWND, Recorder> g_recorders;

// Where the bar lies, worked out from the client area: the skin keeps the system from knowing for a moment.
RECT barInWindow(HWND hwnd)
{
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
}

LRESULT CALLBACK record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder& r = g_recorders[hwnd];
    r.ncPaints += msg == WM_NCPAINT;
    if (msg != WM_VSCROLL && msg != WM_MOUSEWHEEL)
        return CallWindowProcW(r.own, hwnd, msg, wParam, lParam);
    const RECT bar = barInWindow(hwnd);
    HDC dc = GetWindowDC(hwnd);
    const skin::UniqueBrush magenta(CreateSolidBrush(kMagenta));
    FillRect(dc, &bar, magenta.get());
    const LRESULT result = CallWindowProcW(r.own, hwnd, msg, wParam, lParam);
    GdiFlush();
    r.drawnBySystem += captureDc(dc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top).countNot(kMagenta) > 0;
    ReleaseDC(hwnd, dc);
    const std::pair<int, int> note{msg == WM_MOUSEWHEEL ? -1 : LOWORD(wParam), HIWORD(wParam)};
    if (r.notes.empty() || note.first != SB_THUMBTRACK || r.notes.back().first != SB_THUMBTRACK)
        r.notes.push_back(note);
    else
        r.notes.back() = note;
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

struct Twins {
    const wchar_t* cls;
    DWORD style;
};

TEST(ScrollBars, RealPointerOnSkinnedControlsEndsAsOnTheirTwinsAndNoSystemBarShows)
{
    for (const Twins& kind : {Twins{L"ListBox", LBS_NOINTEGRALHEIGHT}, Twins{L"Edit", ES_MULTILINE}}) {
        SCOPED_TRACE(testing::Message() << "class " << kind.cls);
        UniqueWindow host = makeTopLevel(L"ScrollTestHost", 420, 200, L"scroll test");
        HWND pair[2]{};
        std::wstring text;
        for (int i = 1; i <= 60; ++i)
            text += L"line " + std::to_wstring(i) + L"\r\n";
        for (int i = 0; i < 2; ++i) {
            pair[i] = makeChild(host.get(), kind.cls, L"", kind.style | WS_VSCROLL, 10 + 200 * i, 10, 180, 150, WS_EX_CLIENTEDGE);
            if (kind.cls[0] == L'L')
                for (int n = 1; n <= 60; ++n)
                    SendMessageW(pair[i], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"item " + std::to_wstring(n)).c_str()));
            else
                SetWindowTextW(pair[i], text.c_str());
            g_recorders[pair[i]] = {reinterpret_cast<WNDPROC>(SetWindowLongPtrW(pair[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)))};
        }
        const LONG_PTR style = GetWindowLongPtrW(pair[0], GWL_STYLE);
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
            g_recorders[hwnd].ncPaints = 0;
            std::tie(x, top, bottom, middle) = thumb();
            pointer({{{x, middle}, MOUSEEVENTF_LEFTDOWN}, {{x, bottom + 10}, 0}, {{x, bottom + 10}, MOUSEEVENTF_LEFTUP}});
            EXPECT_TRUE(hwnd == pair[0] || g_recorders[hwnd].ncPaints == 0) << "the system's tracking drew without WM_NCPAINT";
            pointer({{{x - 60, top + 40}, MOUSEEVENTF_WHEEL}});
        }
        const Recorder& skinned = g_recorders[pair[0]];
        const Recorder& plain = g_recorders[pair[1]];
        EXPECT_EQ(skinned.notes, plain.notes);
        EXPECT_GE(skinned.notes.size(), 9u);
        EXPECT_EQ(GetScrollPos(pair[0], SB_VERT), GetScrollPos(pair[1], SB_VERT));
        EXPECT_GT(GetScrollPos(pair[0], SB_VERT), 0);
        EXPECT_EQ(skinned.drawnBySystem, 0) << "a system-drawn bar showed through";
        EXPECT_GE(plain.drawnBySystem, 3) << "the system no longer draws its bars outside WM_NCPAINT";

        // Given back whole: style and scroll information as the control left them, nothing of the skin left.
        SCROLLINFO before{sizeof(before), SIF_ALL}, after{sizeof(after), SIF_ALL};
        GetScrollInfo(pair[0], SB_VERT, &before);
        ASSERT_EQ(skin::stopSkinEngine(pair[0]), 1);
        GetScrollInfo(pair[0], SB_VERT, &after);
        EXPECT_EQ(GetWindowLongPtrW(pair[0], GWL_STYLE), style);
        EXPECT_EQ(std::tuple(before.nMin, before.nMax, before.nPage, before.nPos), std::tuple(after.nMin, after.nMax, after.nPage, after.nPos));
        EXPECT_TRUE(skinProperties(pair[0]).empty());
        g_recorders.clear();
    }
}

} // namespace
