// Status bars, common progress bars and group boxes: their looks at 96 and
// 144 DPI against one golden; then each beside an unskinned twin driven by the
// same messages and real input: what a progress bar shows, the text of a
// status bar's parts, its owner-drawn part and a drag on its grip, a group
// box's mnemonic and the control inside it.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/common_progress.h"
#include "skin/paint/group_box.h"
#include "skin/paint/status_bar.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <list>
#include <span>
#include <vector>

using namespace qmtest;

namespace {

std::vector<DRAWITEMSTRUCT> g_drawn;

// Draws owner-drawn parts light green and keeps its status bars along its bottom, as their parents do.
LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam); msg == WM_DRAWITEM) {
        const skin::UniqueBrush green(CreateSolidBrush(RGB(96, 224, 96)));
        return g_drawn.push_back(*item), FillRect(item->hDC, &item->rcItem, green.get()), TRUE;
    }
    if (msg == WM_SIZE)
        for (HWND child : descendants(hwnd))
            SendMessageW(child, WM_SIZE, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Wine 8 takes PBM_SETSTATE but keeps no state: PBM_GETSTATE always answers PBST_NORMAL. Bars under this procedure
// keep it, as Windows' do.
WNDPROC g_progressProc = nullptr;
LRESULT CALLBACK keepsState(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == PBM_SETSTATE)
        SetPropW(hwnd, L"TESTSTATE", HANDLE(wParam));
    if (HANDLE state = GetPropW(hwnd, L"TESTSTATE"); msg == PBM_GETSTATE && state)
        return LRESULT(state);
    return CallWindowProcW(g_progressProc, hwnd, msg, wParam, lParam);
}

HWND keepingState(HWND bar)
{
    g_progressProc = WNDPROC(SetWindowLongPtrW(bar, GWLP_WNDPROC, LONG_PTR(&keepsState)));
    return bar;
}

UniqueWindow makeHost(int width, int height, DWORD more = 0)
{
    registerPlainClass(L"StatusTestHost", hostProc);
    UniqueWindow host = makeTopLevel(L"StatusTestHost", width, height, L"bars test");
    SetWindowLongPtrW(host.get(), GWL_STYLE, (GetWindowLongPtrW(host.get(), GWL_STYLE) & ~WS_CLIPCHILDREN) | more);
    SetWindowPos(host.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    return host;
}

Dib client(HWND hwnd)
{
    RECT r{};
    return GetClientRect(hwnd, &r), captureDc(skin::ClientDc(hwnd).get(), 0, 0, r.right, r.bottom);
}

// The twins are drawn without a theme, in the system's classic look (Wine 8 themes controls by default); a bar then
// gives itself a static edge, in effect at once as when it is made unthemed.
HWND unthemed(HWND hwnd)
{
    static const auto setTheme = reinterpret_cast<HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR)>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"uxtheme.dll"), "SetWindowTheme")));
    setTheme(hwnd, L" ", L" ");
    return SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER), hwnd;
}

// Of a bar inset by `inset`, the share along its middle line that is not `empty`, and the colour where the fill begins.
std::pair<double, COLORREF> shown(HWND bar, COLORREF empty, int inset)
{
    const Dib d = client(bar);
    const bool up = GetWindowLongPtrW(bar, GWL_STYLE) & PBS_VERTICAL;
    const int length = (up ? d.height() : d.width()) - 2 * inset;
    int filled = 0;
    for (int i = inset; i < inset + length; ++i)
        filled += (up ? d.pixel(d.width() / 2, i) : d.pixel(i, d.height() / 2)) != empty;
    return {double(filled) / length, up ? d.pixel(d.width() / 2, d.height() - 1 - inset) : d.pixel(inset, d.height() / 2)};
}

// A real drag: pressed at `from`, then, once the press has been taken up, moved to `to` and released (a sizing loop
// that starts on the press sees only what comes after it).
void drag(POINT from, POINT to)
{
    static std::vector<INPUT> later;
    const auto at = [](POINT p, DWORD flags) {
        return INPUT{INPUT_MOUSE, {.mi = {MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1), MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1),
                                          0, flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}}};
    };
    INPUT press[] = {at(from, 0), at(from, MOUSEEVENTF_LEFTDOWN)};
    later = {at({(from.x + to.x) / 2, (from.y + to.y) / 2}, 0), at(to, 0), at(to, MOUSEEVENTF_LEFTUP)};
    SendInput(2, press, sizeof(INPUT));
    const HANDLE rest = CreateThread(nullptr, 0, [](void*) -> DWORD { return Sleep(300), SendInput(UINT(later.size()), later.data(), sizeof(INPUT)); }, nullptr, 0, nullptr);
    pumpUntil([rest] { return WaitForSingleObject(rest, 0) == WAIT_OBJECT_0; }), pumpUntil([] { return false; }, 300), CloseHandle(rest);
}

} // namespace

// Group boxes (disabled, centred, mirrored, without a caption: inside, the sentinel shows), progress bars (in blocks,
// smooth, in error, paused, vertical, a marquee three steps on, colours of the program's) and status bars (sunken,
// pop-out and borderless parts with left, centred and right text, an owner-drawn part, an icon, simple mode, grips).
TEST(BarsAndGroups, LookAt96And144Dpi)
{
    using Setup = std::function<void(HWND, int)>;
    const auto send = [](std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages) {
        return [messages](HWND h, int) { for (auto [m, w, l] : messages) SendMessageW(h, m, w, l); };
    };
    const auto parts = [](std::vector<int> at, std::vector<std::pair<WPARAM, LPARAM>> texts) {
        return [at, texts](HWND h, int dpi) mutable {
            for (int& x : at)
                x = x < 0 ? x : MulDiv(x, dpi, 96);
            SendMessageW(h, SB_SETPARTS, at.size(), LPARAM(at.data()));
            for (auto [part, text] : texts)
                SendMessageW(h, SB_SETTEXTW, part, text);
        };
    };
    const auto text = [](const wchar_t* t) { return LPARAM(t); };
    const DWORD bar = CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP;
    const Setup marquee = [](HWND h, int) { for (int i = 0; i < 3; ++i) skin::advanceMarquee(h); };
    const struct { const wchar_t* cls; DWORD style; int w, h; const wchar_t* text; void (*paint)(HWND, HDC, int); Setup setup; DWORD ex = 0; } rows[] = {
        {L"Button", BS_GROUPBOX, 160, 50, L"&Group", skin::paintGroupBoxAtDpi, {}},
        {L"Button", BS_GROUPBOX | WS_DISABLED, 160, 50, L"Disabled", skin::paintGroupBoxAtDpi, {}},
        {L"Button", BS_GROUPBOX | BS_CENTER, 160, 50, L"Centred", skin::paintGroupBoxAtDpi, {}},
        {L"Button", BS_GROUPBOX, 160, 50, L"&Mirrored", skin::paintGroupBoxAtDpi, {}, WS_EX_LAYOUTRTL},
        {L"Button", BS_GROUPBOX, 160, 30, L"", skin::paintGroupBoxAtDpi, {}},
        {PROGRESS_CLASSW, 0, 200, 14, L"", skin::paintCommonProgressAtDpi, send({{PBM_SETPOS, 60, 0}})},
        {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", skin::paintCommonProgressAtDpi, send({{PBM_SETPOS, 35, 0}})},
        {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", skin::paintCommonProgressAtDpi, send({{PBM_SETPOS, 70, 0}, {PBM_SETSTATE, PBST_ERROR, 0}})},
        {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", skin::paintCommonProgressAtDpi, send({{PBM_SETPOS, 70, 0}, {PBM_SETSTATE, PBST_PAUSED, 0}})},
        {PROGRESS_CLASSW, PBS_VERTICAL, 14, 60, L"", skin::paintCommonProgressAtDpi, send({{PBM_SETPOS, 50, 0}})},
        {PROGRESS_CLASSW, PBS_MARQUEE, 200, 14, L"", skin::paintCommonProgressAtDpi, marquee},
        {PROGRESS_CLASSW, PBS_SMOOTH, 200, 14, L"", skin::paintCommonProgressAtDpi,
         send({{PBM_SETPOS, 50, 0}, {PBM_SETBARCOLOR, 0, RGB(200, 40, 120)}, {PBM_SETBKCOLOR, 0, RGB(250, 250, 200)}})},
        {STATUSCLASSNAMEW, bar, 320, 22, L"", skin::paintStatusBarAtDpi,
         parts({90, 180, -1}, {{0, text(L"Ready")}, {1 | SBT_POPOUT, text(L"\tMiddle")}, {2 | SBT_NOBORDERS, text(L"\t\tRight")}})},
        {STATUSCLASSNAMEW, bar, 320, 22, L"", skin::paintStatusBarAtDpi, [&](HWND h, int dpi) {
             parts({120, -1}, {{0 | SBT_OWNERDRAW, 7}, {1, text(L"With an icon")}})(h, dpi);
             SendMessageW(h, SB_SETICON, 1, LPARAM(LoadIconW(nullptr, IDI_INFORMATION)));
         }},
        {STATUSCLASSNAMEW, bar & ~SBARS_SIZEGRIP, 320, 22, L"", skin::paintStatusBarAtDpi,
         send({{SB_SIMPLE, TRUE, 0}, {SB_SETTEXTW, SB_SIMPLEID, LPARAM(L"Simple mode")}})},
    };
    UniqueWindow host = makeHost(500, 300);
    skin::startSkinEngine(host.get());
    std::list<Dib> shots;
    std::vector<const Dib*> sheet;
    for (int dpi : {96, 144}) {
        const skin::UniqueFont font(CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        for (const auto& row : rows) {
            HWND h = makeChild(host.get(), row.cls, row.text, row.style, 10, 10, MulDiv(row.w, dpi, 96), MulDiv(row.h, dpi, 96), row.ex);
            SendMessageW(h, WM_SETFONT, WPARAM(font.get()), FALSE);
            if (row.cls == std::wstring_view(PROGRESS_CLASSW))
                keepingState(h);
            if (row.setup)
                row.setup(h, dpi);
            RECT r{};
            GetClientRect(h, &r);
            // A mirrored window as the screen shows it: Wine mirrors a copy between two mirrored memory contexts.
            if (row.ex & WS_EX_LAYOUTRTL)
                paintNow(h), shots.push_back(captureWindow(h));
            else
                row.paint(h, shots.emplace_back(r.right, r.bottom).dc(), dpi);
            sheet.push_back(&shots.back());
            DestroyWindow(h);
        }
    }
    EXPECT_TRUE(matchesGolden(stack(sheet), L"bars-groups"));
}

// Smooth bars across and upright, each beside its twin under the same messages: the share shown filled follows the
// twin's; an error or a pause shows in its own colour (Wine's classic look shows neither). Both get a static edge of
// their own once unthemed (a themed bar has none, under Windows' visual styles as under Wine's default theme): the
// skinned one's is flat, in the frame colour. A marquee's block moves while it runs and stays when it stops.
TEST(BarsAndGroups, ProgressBarsShowWhatTheirTwinsShow)
{
    const struct { UINT msg; WPARAM w; LPARAM l; } steps[] = {{PBM_SETPOS, 30, 0}, {PBM_SETRANGE32, 0, 200}, {PBM_SETPOS, 150, 0},
        {PBM_SETRANGE32, 100, 300}, {PBM_DELTAPOS, 50, 0}, {PBM_SETPOS, 400, 0}, {PBM_SETSTATE, PBST_ERROR, 0},
        {PBM_SETSTATE, PBST_PAUSED, 0}, {PBM_SETSTATE, PBST_NORMAL, 0}, {PBM_SETPOS, 120, 0}};
    for (DWORD style : {PBS_SMOOTH, PBS_SMOOTH | PBS_VERTICAL, PBS_MARQUEE}) {
        UniqueWindow host = makeHost(300, 200);
        HWND pair[2]{};
        for (int i = 0; i < 2; ++i)
            pair[i] = keepingState(unthemed(makeChild(host.get(), PROGRESS_CLASSW, L"", style, 10 + 150 * i, 10,
                                                      style & PBS_VERTICAL ? 16 : 120, style & PBS_VERTICAL ? 120 : 16)));
        ASSERT_EQ(skin::startSkinEngine(pair[0]), 1);
        std::vector<COLORREF> starts;
        for (const auto& step : style & PBS_MARQUEE ? std::span(steps, 0) : std::span(steps)) {
            for (HWND h : pair)
                SendMessageW(h, step.msg, step.w, step.l);
            paintNow(host.get());
            const auto [skinned, start] = shown(pair[0], skin::kWhite, 0);
            EXPECT_NEAR(skinned, shown(pair[1], GetSysColor(COLOR_3DFACE), 1).first, 0.02) << &step - steps;
            starts.push_back(start);
        }
        if (!starts.empty())
            EXPECT_TRUE(starts[6] != starts[5] && starts[7] != starts[5] && starts[7] != starts[6] && starts[8] == starts[5]);
        EXPECT_TRUE(GetWindowLongPtrW(pair[0], GWL_EXSTYLE) & GetWindowLongPtrW(pair[1], GWL_EXSTYLE) & WS_EX_STATICEDGE);
        EXPECT_EQ(GetPixel(skin::WindowDc(pair[0]).get(), 0, 0), skin::kSkinFrameColour);

        for (HWND h : pair) {
            SendMessageW(h, PBM_SETMARQUEE, TRUE, 20);
            const Dib before = client(h);
            EXPECT_EQ(pumpUntil([&] { return !samePixels(client(h), before); }, 500), bool(style & PBS_MARQUEE));
            SendMessageW(h, PBM_SETMARQUEE, FALSE, 0);
            const Dib stopped = (pumpMessages(), client(h));
            EXPECT_FALSE(pumpUntil([&] { return !samePixels(client(h), stopped); }, 200));
        }
        ASSERT_EQ(skin::stopSkinEngine(pair[0]), 1);
        EXPECT_TRUE(skinProperties(pair[0]).empty() && !GetPropW(pair[0], L"MARQUEE"));
    }
}

// Where the dark pixels (text) of a part lie across it: 0 none, 1 left, 2 centre, 3 right.
int textPlace(HWND bar, int part)
{
    RECT r{};
    SendMessageW(bar, SB_GETRECT, part, LPARAM(&r));
    const Dib d = client(bar);
    long long sum = 0, count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (const COLORREF c = d.pixel(x, y); GetRValue(c) + GetGValue(c) + GetBValue(c) < 200)
                sum += x - r.left, ++count;
    return count ? 1 + int(3 * sum / count / (r.right - r.left)) : 0;
}

// A status bar and its twin, each along the bottom of a window that can be sized, get the same parts and texts: each
// text shows where the twin's does (tabs centre and right-align it), in simple mode too; an owner-drawn part is drawn
// by the parent as the twin's, from the same item; a real drag on the grip sizes the window as the twin's grip does.
TEST(BarsAndGroups, StatusBarsShowPartsAndTheirGripsSizeAsTheTwins)
{
    const struct { UINT msg; WPARAM w; const wchar_t* text; int part, place; } rows[] = {
        {SB_SETTEXTW, 0, L"Left", 0, 1}, {SB_SETTEXTW, 1 | SBT_POPOUT, L"\tMiddle", 1, 2},
        {SB_SETTEXTW, 2 | SBT_NOBORDERS, L"\t\tRight", 2, 3}, {SB_SETTEXTW, 0, L"", 0, 0},
        {SB_SETTEXTW, 3 | SBT_OWNERDRAW, reinterpret_cast<const wchar_t*>(0x5A), 3, 0},
        {SB_SIMPLE, TRUE, nullptr, 0, 0}, {SB_SETTEXTW, SB_SIMPLEID, L"Simple", 0, 1}};
    UniqueWindow hosts[] = {makeHost(420, 160, WS_THICKFRAME), makeHost(420, 160, WS_THICKFRAME)};
    HWND bars[2]{};
    for (int i = 0; i < 2; ++i) {
        SetWindowPos(hosts[i].get(), nullptr, 40 + 480 * i, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        bars[i] = unthemed(makeChild(hosts[i].get(), STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0, 0, 0, 0));
        const int parts[] = {100, 200, 300, -1};
        SendMessageW(bars[i], SB_SETPARTS, 4, LPARAM(parts));
    }
    ASSERT_EQ(skin::startSkinEngine(hosts[0].get()), 1);
    for (const auto& row : rows) {
        g_drawn.clear();
        for (HWND bar : bars)
            SendMessageW(bar, row.msg, row.w, LPARAM(row.text)), paintNow(bar);
        EXPECT_EQ(textPlace(bars[0], row.part), row.place) << &row - rows;
        EXPECT_EQ(textPlace(bars[1], row.part), row.place) << &row - rows;
        if (row.w & SBT_OWNERDRAW) {
            const auto of = [](HWND bar) { return *std::find_if(g_drawn.begin(), g_drawn.end(), [bar](auto& d) { return d.hwndItem == bar; }); };
            ASSERT_TRUE(g_drawn.size() >= 2 && g_drawn.front().hwndItem == bars[0] && g_drawn.back().hwndItem == bars[1]);
            const DRAWITEMSTRUCT skinned = of(bars[0]), twin = of(bars[1]);
            EXPECT_TRUE(skinned.itemID == 3 && skinned.itemData == 0x5A && skinned.CtlID == twin.CtlID && EqualRect(&skinned.rcItem, &twin.rcItem));
        }
    }
    SIZE grown[2]{};
    for (int i = 0; i < 2; ++i) {
        RECT bar{}, before{}, after{};
        GetWindowRect(bars[i], &bar), GetWindowRect(hosts[i].get(), &before);
        const POINT from{bar.right - 4, bar.bottom - 4}, to{from.x + 30, from.y + 20};
        drag(from, to);
        GetWindowRect(hosts[i].get(), &after);
        grown[i] = {(after.right - after.left) - (before.right - before.left), (after.bottom - after.top) - (before.bottom - before.top)};
    }
    EXPECT_TRUE(grown[0].cx == grown[1].cx && grown[0].cy == grown[1].cy && grown[1].cx == 30 && grown[1].cy == 20)
        << grown[0].cx << "x" << grown[0].cy << " against " << grown[1].cx << "x" << grown[1].cy;
}

// A group box and its twin, each after an edit box and around a check box: Alt and the caption's mnemonic move the
// focus to the check box through the dialog manager's own handling, a real click on the check box checks it, and
// inside the frame the parent's background stays, on both.
TEST(BarsAndGroups, GroupBoxesAreLooksOnly)
{
    for (bool skinned : {false, true}) {
        UniqueWindow host = makeTopLevel(L"#32770", 300, 160, L"group test"); // the dialog manager moves the focus in a dialog
        SetWindowLongPtrW(host.get(), GWL_STYLE, GetWindowLongPtrW(host.get(), GWL_STYLE) & ~WS_CLIPCHILDREN);
        HWND before = makeChild(host.get(), L"Edit", L"", WS_TABSTOP | WS_BORDER, 10, 10, 100, 22);
        makeChild(host.get(), L"Button", L"&Group", BS_GROUPBOX, 10, 40, 200, 100);
        HWND inside = makeChild(host.get(), L"Button", L"Inside", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 64, 100, 20);
        ASSERT_EQ(skin::startSkinEngine(skinned ? host.get() : nullptr), int(skinned));
        paintNow(host.get()), SetForegroundWindow(host.get()), SetFocus(before);
        EXPECT_EQ(GetPixel(skin::ClientDc(host.get()).get(), 150, 110), GetSysColor(COLOR_BTNFACE)) << skinned;
        for (auto [key, up] : {std::pair{VK_MENU, 0}, {'G', 0}, {'G', KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}})
            keybd_event(BYTE(key), 0, DWORD(up), 0);
        pumpUntil([&] {
            for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
                IsDialogMessageW(host.get(), &msg) ? void() : (TranslateMessage(&msg), void(DispatchMessageW(&msg)));
            return false;
        }, 300);
        EXPECT_EQ(GetFocus(), inside) << skinned;
        RECT r{};
        GetWindowRect(inside, &r), clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_EQ(SendMessageW(inside, BM_GETCHECK, 0, 0), BST_CHECKED) << skinned;
    }
}
