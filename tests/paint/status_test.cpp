// Status bars, common progress bars and group boxes: their looks at 96 and
// 144 DPI against one golden; then each beside an unskinned twin driven by the
// same messages and real input: what a progress bar shows, the text of a
// status bar's parts and a drag on its grip, a group box's mnemonic and the
// control inside it.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/images/skin_images.h"
#include "skin/paint/common_progress.h"
#include "skin/paint/group_box.h"
#include "skin/paint/status_bar.h"
#include "support/pixels.h"

#include <list>

using namespace qmtest;

namespace {

WNDPROC g_progressProc = nullptr;

// Wine 8 takes PBM_SETSTATE but keeps no state (PBM_GETSTATE answers PBST_NORMAL): the bar keeps it, as Windows' do.
HWND keepingState(HWND bar)
{
    return g_progressProc = WNDPROC(SetWindowLongPtrW(bar, GWLP_WNDPROC, LONG_PTR(+[](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const bool kept = msg == PBM_SETSTATE ? SetPropW(hwnd, L"TESTSTATE", HANDLE(wParam)) : msg == PBM_GETSTATE && GetPropW(hwnd, L"TESTSTATE");
        return kept ? LRESULT(GetPropW(hwnd, L"TESTSTATE")) : CallWindowProcW(g_progressProc, hwnd, msg, wParam, lParam);
    }))), bar;
}

// A window that can be sized, drawing owner-drawn parts light green; on top at (x, 40), its style added to.
UniqueWindow makeHost(const wchar_t* cls, int width, int height, DWORD more = WS_THICKFRAME, int x = 40)
{
    registerPlainClass(L"StatusTestHost", [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        const skin::UniqueBrush green(msg == WM_DRAWITEM ? CreateSolidBrush(RGB(96, 224, 96)) : nullptr);
        return green ? FillRect(item->hDC, &item->rcItem, green.get()) : DefWindowProcW(hwnd, msg, wParam, lParam);
    });
    UniqueWindow host = makeTopLevel(cls, width, height, L"bars test");
    SetWindowLongPtrW(host.get(), GWL_STYLE, (GetWindowLongPtrW(host.get(), GWL_STYLE) & ~WS_CLIPCHILDREN) | more);
    return SetWindowPos(host.get(), HWND_TOPMOST, x, 40, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED), std::move(host);
}

Dib client(HWND hwnd) { RECT r{}; return GetClientRect(hwnd, &r), captureDc(skin::ClientDc(hwnd).get(), 0, 0, r.right, r.bottom); }

// In the system's classic look (Wine 8 themes controls by default); a progress bar then gives itself a static edge,
// in effect at once as when it is made so.
HWND unthemed(HWND hwnd)
{
    return reinterpret_cast<HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR)>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"uxtheme.dll"), "SetWindowTheme")))(hwnd, L" ", L" "),
           SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER), hwnd;
}

// A real drag: pressed at `from`, then, once the press has been taken up, moved to `to` and released (a sizing loop
// that starts on the press sees only what comes after it).
void drag(POINT from, POINT to)
{
    std::vector<INPUT> steps;
    for (auto [p, flags] : {std::pair{from, 0}, {from, MOUSEEVENTF_LEFTDOWN}, {to, 0}, {to, MOUSEEVENTF_LEFTUP}})
        steps.push_back({INPUT_MOUSE, {.mi = {MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1), MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1),
                                              0, DWORD(flags) | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}}});
    SendInput(2, steps.data(), sizeof(INPUT));
    const HANDLE rest = CreateThread(nullptr, 0, [](void* later) -> DWORD { return Sleep(300), SendInput(2, static_cast<INPUT*>(later), sizeof(INPUT)); }, &steps[2], 0, nullptr);
    pumpUntil([rest] { return WaitForSingleObject(rest, 0) == WAIT_OBJECT_0; }), pumpUntil([] { return false; }, 300), CloseHandle(rest);
}

// The pixels of the window's client area inside `r` that `ink` picks: how many, and their mean distance from the left.
std::pair<int, double> inked(HWND hwnd, RECT r, auto ink)
{
    double count = 0, sum = 0;
    const Dib d = client(hwnd);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += ink(d.pixel(x, y)) ? (sum += x - r.left, 1) : 0;
    return {int(count), count ? sum / count : 0};
}

} // namespace

// Group boxes (disabled, centred, without a caption; inside, the sentinel stays), progress bars (in blocks, smooth in
// error and paused, upright, a marquee three ticks on, the program's colours) and status bars (sunken, pop-out and
// borderless parts with left, centred and right text, an owner-drawn part, an icon, simple mode, grips).
TEST(BarsAndGroups, LookAt96And144Dpi)
{
    UniqueWindow host = makeHost(L"StatusTestHost", 500, 300, 0);
    skin::startSkinEngine(host.get());
    std::list<Dib> shots;
    std::vector<const Dib*> sheet;
    for (int dpi : {96, 144}) {
        const skin::UniqueFont font(CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        const int three[] = {MulDiv(90, dpi, 96), MulDiv(180, dpi, 96), -1}, two[] = {MulDiv(120, dpi, 96), -1};
        const DWORD bar = CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP, group = BS_GROUPBOX, tick = WM_TIMER;
        const struct { const wchar_t* cls; DWORD style; int w, h; const wchar_t* text; std::vector<std::tuple<UINT, WPARAM, LPARAM>> sends; } rows[] = {
            {L"Button", group, 160, 50, L"&Group", {}}, {L"Button", group | WS_DISABLED, 160, 50, L"Disabled", {}},
            {L"Button", group | BS_CENTER, 160, 50, L"Centred", {}}, {L"Button", group, 160, 30, L"", {}}, {PROGRESS_CLASSW, 0, 200, 14, L"", {{PBM_SETPOS, 60, 0}}},
            {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", {{PBM_SETPOS, 70, 0}, {PBM_SETSTATE, PBST_ERROR, 0}}}, {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", {{PBM_SETPOS, 70, 0}, {PBM_SETSTATE, PBST_PAUSED, 0}}},
            {PROGRESS_CLASSW, PBS_VERTICAL, 14, 60, L"", {{PBM_SETPOS, 50, 0}}}, {PROGRESS_CLASSW, PBS_MARQUEE, 200, 14, L"", {{tick, 1, 0}, {tick, 1, 0}, {tick, 1, 0}}},
            {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", {{PBM_SETPOS, 50, 0}, {PBM_SETBARCOLOR, 0, RGB(200, 40, 120)}, {PBM_SETBKCOLOR, 0, RGB(250, 250, 200)}}},
            {STATUSCLASSNAMEW, bar, 320, 22, L"", {{SB_SETPARTS, 3, LPARAM(three)}, {SB_SETTEXTW, 0, LPARAM(L"Ready")},
                {SB_SETTEXTW, 1 | SBT_POPOUT, LPARAM(L"\tMiddle")}, {SB_SETTEXTW, 2 | SBT_NOBORDERS, LPARAM(L"\t\tRight")}}},
            {STATUSCLASSNAMEW, bar, 320, 22, L"", {{SB_SETPARTS, 2, LPARAM(two)}, {SB_SETTEXTW, 0 | SBT_OWNERDRAW, 7},
                {SB_SETTEXTW, 1, LPARAM(L"With an icon")}, {SB_SETICON, 1, LPARAM(LoadIconW(nullptr, IDI_INFORMATION))}}},
            {STATUSCLASSNAMEW, bar & ~SBARS_SIZEGRIP, 320, 22, L"", {{SB_SIMPLE, TRUE, 0}, {SB_SETTEXTW, SB_SIMPLEID, LPARAM(L"Simple mode")}}}};
        for (const auto& row : rows) {
            HWND h = makeChild(host.get(), row.cls, row.text, row.style, 10, 10, MulDiv(row.w, dpi, 96), MulDiv(row.h, dpi, 96));
            const bool progress = row.cls == std::wstring_view(PROGRESS_CLASSW), status = row.cls == std::wstring_view(STATUSCLASSNAMEW);
            SendMessageW(progress ? keepingState(h) : h, WM_SETFONT, WPARAM(font.get()), FALSE);
            for (auto [msg, w, l] : row.sends) SendMessageW(h, msg, w, l);
            RECT r{};
            (progress ? skin::paintCommonProgressAtDpi : status ? skin::paintStatusBarAtDpi : skin::paintGroupBoxAtDpi)(h, (GetClientRect(h, &r), shots.emplace_back(r.right, r.bottom)).dc(), dpi);
            DestroyWindow(h), sheet.push_back(&shots.back());
        }
    }
    EXPECT_TRUE(matchesGolden(stack(sheet), L"bars-groups"));
}

// A smooth bar and its twin under the same messages both show the share filled that the position in the range gives,
// whatever the state. Unthemed, both have a static edge of their own (a themed bar has none, under Windows' visual styles as under Wine's default theme):
// the skinned one's is flat, in the frame colour. A marquee's block moves while it runs and stays once stopped; at
// detach its position goes.
TEST(BarsAndGroups, ProgressBarsShowWhatTheirTwinsShow)
{
    const struct { UINT msg; WPARAM w; LPARAM l; double shown; } steps[] = {{PBM_SETPOS, 30, 0, 0.3}, {PBM_SETRANGE32, 0, 200, 0.15},
        {PBM_SETPOS, 150, 0, 0.75}, {PBM_SETRANGE32, 100, 300, 0.25}, {PBM_DELTAPOS, 50, 0, 0.5}, {PBM_SETPOS, 400, 0, 1},
        {PBM_SETSTATE, PBST_ERROR, 0, 1}, {PBM_SETSTATE, PBST_PAUSED, 0, 1}, {PBM_SETSTATE, PBST_NORMAL, 0, 1}, {PBM_SETPOS, 120, 0, 0.1}};
    for (DWORD style : {PBS_SMOOTH, PBS_MARQUEE})
        for (int skinned : {0, 1}) {
            UniqueWindow host = makeHost(L"StatusTestHost", 300, 200, 0);
            HWND bar = keepingState(unthemed(makeChild(host.get(), PROGRESS_CLASSW, L"", style, 10, 10, 122, 16)));
            ASSERT_EQ(skin::startSkinEngine(skinned ? bar : nullptr), skinned);
            for (size_t i = 0; i < (style & PBS_MARQUEE ? 0 : std::size(steps)); ++i) {
                SendMessageW(bar, steps[i].msg, steps[i].w, steps[i].l), paintNow(host.get());
                const auto filled = [&](COLORREF c) { return c != (skinned ? skin::kWhite : GetSysColor(COLOR_3DFACE)); }; // the system's starts a pixel in
                EXPECT_NEAR(inked(bar, {1 - skinned, 7, 119 + skinned, 8}, filled).first / (118.0 + 2 * skinned), steps[i].shown, 0.02) << i;
            }
            EXPECT_TRUE((GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE) && (GetPixel(skin::WindowDc(bar).get(), 0, 0) == skin::kSkinFrameColour) == bool(skinned));
            const Dib before = (SendMessageW(bar, PBM_SETMARQUEE, TRUE, 20), paintNow(host.get()), client(bar));
            EXPECT_EQ(pumpUntil([&] { return !samePixels(client(bar), before); }, 500), bool(style & PBS_MARQUEE));
            const Dib stopped = (SendMessageW(bar, PBM_SETMARQUEE, FALSE, 0), pumpMessages(), client(bar));
            EXPECT_FALSE(pumpUntil([&] { return !samePixels(client(bar), stopped); }, 200));
            EXPECT_TRUE(skin::stopSkinEngine(skinned ? bar : nullptr) == skinned && skinProperties(bar).empty() && !GetPropW(bar, L"MARQUEE"));
        }
}

// Skinned and as their twins: a status bar along the bottom of a window that can be sized, and in a dialog a group box
// around a check box, after an edit box. Each text the bar gets shows in its part, where its tabs put it, in simple
// mode too; a real drag on its grip sizes the window alike. Alt and the group's mnemonic move the focus to the check
// box through the dialog manager, and a real click checks it.
TEST(BarsAndGroups, StatusBarsAndGroupBoxesAnswerRealInputAsTheirTwins)
{
    const int parts[] = {100, 200, 300, -1};
    const struct { UINT msg; WPARAM w; LPARAM l; int part, place; } rows[] = {{SB_SETPARTS, 4, LPARAM(parts), 3, 0}, {SB_SETTEXTW, 0, LPARAM(L"Left"), 0, 1},
        {SB_SETTEXTW, 1 | SBT_POPOUT, LPARAM(L"\tMiddle"), 1, 2}, {SB_SETTEXTW, 2 | SBT_NOBORDERS, LPARAM(L"\t\tRight"), 2, 3}, {SB_SETTEXTW, 0, LPARAM(L""), 0, 0},
        {SB_SIMPLE, TRUE, 0, 0, 0}, {SB_SETTEXTW, SB_SIMPLEID, LPARAM(L"Simple"), 0, 1}}; // place: 0 nowhere, 1 left, 2 centre, 3 right
    for (int skinned : {0, 1}) {
        UniqueWindow host = makeHost(L"#32770", 420, 200, 0), sized = makeHost(L"StatusTestHost", 420, 100, WS_THICKFRAME, 500); // the dialog manager moves the focus in a dialog
        HWND before = makeChild(host.get(), L"Edit", L"", WS_TABSTOP | WS_BORDER, 10, 10, 100, 22);
        makeChild(host.get(), L"Button", L"&Group", BS_GROUPBOX, 10, 40, 200, 100);
        HWND inside = makeChild(host.get(), L"Button", L"Inside", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 64, 100, 20);
        HWND bar = unthemed(makeChild(sized.get(), STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0, 0, 0, 0));
        ASSERT_EQ(skin::startSkinEngine(skinned ? host.get() : nullptr) + skin::startSkinEngine(skinned ? sized.get() : nullptr), 2 * skinned);
        RECT r{}, was{}, is{};
        for (const auto& row : rows) {
            SendMessageW(bar, row.msg, row.w, row.l), paintNow(bar), SendMessageW(bar, SB_GETRECT, row.part, LPARAM(&r));
            const auto [count, mean] = inked(bar, r, [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; });
            EXPECT_EQ(count ? 1 + int(3 * mean / (r.right - r.left)) : 0, row.place) << &row - rows << " skinned " << skinned;
        }
        GetWindowRect(bar, &r), GetWindowRect(sized.get(), &was), drag({r.right - 4, r.bottom - 4}, {r.right + 26, r.bottom + 16}), GetWindowRect(sized.get(), &is);
        EXPECT_TRUE(is.right - was.right == 30 && is.bottom - was.bottom == 20 && is.left == was.left) << skinned;
        paintNow(host.get()), SetForegroundWindow(host.get()), SetFocus(before);
        keybd_event(VK_MENU, 0, 0, 0), keybd_event('G', 0, 0, 0), keybd_event('G', 0, KEYEVENTF_KEYUP, 0), keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        const auto dialogLoop = [&] { for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) IsDialogMessageW(host.get(), &m) || (TranslateMessage(&m), DispatchMessageW(&m)); return false; };
        EXPECT_EQ((pumpUntil(dialogLoop, 300), GetFocus()), inside) << skinned;
        GetWindowRect(inside, &r), clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_EQ(SendMessageW(inside, BM_GETCHECK, 0, 0), BST_CHECKED) << skinned;
    }
}
