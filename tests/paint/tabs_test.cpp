// Tab controls and spin buttons. Their looks at 96 and 144 DPI, drawn from
// what the controls report at once, before they ever painted. And the same
// real clicks, keys and a held arrow on a skinned window and on its unskinned
// twin: the parent must hear the same notifications and the controls end in
// the same state.
#include "core/core_fixture.h"
#include "skin/images/gdi.h"
#include "skin/images/skin_images.h"
#include "skin/paint/spin_button.h"
#include "skin/paint/tab_control.h"
#include "support/pixels.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>

using namespace qmtest;

namespace {

// A tab control with `count` items "Item n", every second one with image 0; a spin button (id 2, or 4 across)
// ranging over 0 to 100 from 50 beside a buddy, else over 0 to 10 from 5.
HWND tabWith(HWND host, DWORD style, RECT at, int count, HFONT font)
{
    HWND tab = makeChild(host, WC_TABCONTROLW, L"", style | WS_TABSTOP, at.left, at.top, at.right, at.bottom);
    SetWindowLongPtrW(tab, GWLP_ID, 1), SendMessageW(tab, WM_SETFONT, WPARAM(font), 0);
    for (int i = 0; i < count; ++i) {
        std::wstring text = L"Item " + std::to_wstring(i);
        TCITEMW item{TCIF_TEXT | TCIF_IMAGE, 0, 0, text.data(), 0, i % 2 - 1};
        SendMessageW(tab, TCM_INSERTITEMW, i, LPARAM(&item));
    }
    return tab;
}
HWND spinWith(HWND host, DWORD style, RECT at, HWND buddy)
{
    HWND spin = makeChild(host, UPDOWN_CLASSW, L"", style, at.left, at.top, at.right, at.bottom);
    SetWindowLongPtrW(spin, GWLP_ID, style & UDS_HORZ ? 4 : 2), SendMessageW(spin, UDM_SETBUDDY, WPARAM(buddy), 0), SendMessageW(spin, UDM_SETRANGE32, 0, buddy ? 100 : 10);
    SendMessageW(spin, UDM_SETPOS32, 0, buddy ? 50 : 5);
    return spin;
}
skin::UniqueFont fontAt(int dpi) { return skin::UniqueFont(CreateFontW(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")); }

POINT onScreen(HWND hwnd, int x, int y) { POINT p{x, y}; return ClientToScreen(hwnd, &p), p; }
// The middle of an arrow: the increasing one is the top or the right half.
POINT arrow(HWND spin, bool up) { RECT c{}; return GetClientRect(spin, &c), GetWindowLongPtrW(spin, GWL_STYLE) & UDS_HORZ ? onScreen(spin, c.right * (up ? 3 : 1) / 4, c.bottom / 2) : onScreen(spin, c.right / 2, c.bottom * (up ? 1 : 3) / 4); }
POINT item(HWND tab, int i) { RECT r{}; SendMessageW(tab, TCM_GETITEMRECT, i, LPARAM(&r)); return onScreen(tab, (r.left + r.right) / 2, (r.top + r.bottom) / 2); }
void button(DWORD flags) { INPUT in{INPUT_MOUSE}; in.mi.dwFlags = flags, SendInput(1, &in, sizeof(in)); }
void keys(std::initializer_list<WORD> vks) { for (WORD vk : vks) keybd_event(BYTE(vk), 0, 0, 0), keybd_event(BYTE(vk), 0, KEYEVENTF_KEYUP, 0); pumpUntil([] { return false; }, 200); }

TEST(TabsAndSpins, LooksAtTwoDpis)
{
    InitCommonControls();
    skin::buildSkinImages();
    std::deque<Dib> shots; // where they stay, for the sheet
    std::vector<const Dib*> sheet;
    const auto shoot = [&](HWND h, int hot, auto paint, int dpi) { RECT c{}; GetClientRect(h, &c), skin::setProp(h, skin::prop::kPartHot, hot), paint(h, sheet.emplace_back(&shots.emplace_back(c.right, c.bottom))->dc(), dpi), DestroyWindow(h); };
    for (int dpi : {96, 144}) {
        UniqueWindow host = makeTopLevel(L"TabsTestHost", 600, 500);
        const auto font = fontAt(dpi);
        const auto s = [dpi](int n) { return MulDiv(n, dpi, 96); };
        HIMAGELIST images = ImageList_Create(s(12), s(12), ILC_COLOR32, 1, 1);
        ImageList_Add(images, HBITMAP(GetCurrentObject(Dib(s(12), s(12), RGB(0x4E, 0xA0, 0xD1)).dc(), OBJ_BITMAP)), nullptr);
        // Selected and hot items on top, at the bottom, as buttons, in rows with images; a disabled control.
        for (auto [style, count, selected, hot] : {std::tuple{0ul, 3, 1, 2}, {DWORD(TCS_BOTTOM), 3, 0, 1}, {DWORD(TCS_BUTTONS), 3, 2, 0},
                                                   {DWORD(TCS_MULTILINE), 6, 4, 1}, {DWORD(WS_DISABLED), 3, 0, 1}}) {
            HWND tab = tabWith(host.get(), style, {10, 10, s(count == 6 ? 150 : 230), s(count == 6 ? 100 : 60)}, count, font.get());
            SendMessageW(tab, TCM_SETIMAGELIST, 0, count == 6 ? LPARAM(images) : 0), SendMessageW(tab, TCM_SETCURSEL, selected, 0);
            shoot(tab, hot, skin::paintTabControlAtDpi, dpi);
        }
        ImageList_Destroy(images);
        HWND edit = makeChild(host.get(), L"Edit", L"", 0, 10, 100, s(60), s(22), WS_EX_CLIENTEDGE);
        // Normal, either arrow hot, across, disabled, beside an edit box on its right and on its left.
        for (auto [style, hot, buddy] : {std::tuple{0ul, -1, HWND()}, {0ul, 0, HWND()}, {0ul, 1, HWND()}, {DWORD(UDS_HORZ), 0, HWND()},
                                         {DWORD(WS_DISABLED), 1, HWND()}, {DWORD(UDS_ALIGNRIGHT), 1, edit}, {DWORD(UDS_ALIGNLEFT), -1, edit}})
            shoot(spinWith(host.get(), style, {200, 100, s(style & UDS_HORZ ? 34 : 17), s(style & UDS_HORZ ? 17 : 34)}, buddy), hot, skin::paintSpinButtonAtDpi, dpi);
    }
    skin::releaseSkinImages();
    EXPECT_TRUE(matchesGolden(stack(sheet), L"tabs-spins"));
}

// What the parent hears: the control, then the notification code (its new selection, or a spin's position and step),
// or the scroll message (its code and position).
using Heard = std::tuple<int, int, int, int>;
std::vector<Heard> g_stray; // heard outside the steps
std::vector<Heard>* g_heard = &g_stray;
WNDPROC g_hostProc = nullptr;
LRESULT CALLBACK recordHost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const auto* n = reinterpret_cast<const NMUPDOWN*>(lParam);
    if (msg == WM_NOTIFY)
        g_heard->emplace_back(int(n->hdr.idFrom), n->hdr.code, n->hdr.code == UDN_DELTAPOS ? n->iPos : int(SendMessageW(n->hdr.hwndFrom, TCM_GETCURSEL, 0, 0)),
                              n->hdr.code == UDN_DELTAPOS ? n->iDelta : 0);
    if (msg == WM_VSCROLL || msg == WM_HSCROLL)
        g_heard->emplace_back(GetDlgCtrlID(HWND(lParam)), msg, LOWORD(wParam), short(HIWORD(wParam)));
    return CallWindowProcW(g_hostProc, hwnd, msg, wParam, lParam);
}

// Clicks on items and on the tab control's scroll arrows, the arrow keys and Ctrl+Tab there (which Wine's tab control
// only reports, TCN_KEYDOWN, leaving it to property sheets as the system's does); clicks on both spin buttons' arrows,
// one held down for a second (its notifications repeat), the arrow keys in the buddy edit box.
TEST(TabsAndSpins, RealInputOnASkinnedWindowEndsAsOnItsTwin)
{
    InitCommonControls();
    struct Twin { UniqueWindow host; HWND tab, edit, spin, across; std::vector<std::vector<Heard>> heard; std::vector<std::tuple<LRESULT, LRESULT, LRESULT, LRESULT, int, LRESULT>> states; } twins[2];
    for (Twin& t : twins) {
        t.host = makeTopLevel(L"TabsTestHost", 320, 180);
        SetWindowPos(t.host.get(), nullptr, 20 + 360 * (&t - twins), 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        g_hostProc = WNDPROC(SetWindowLongPtrW(t.host.get(), GWLP_WNDPROC, LONG_PTR(&recordHost)));
        t.edit = makeChild(t.host.get(), L"Edit", L"", WS_TABSTOP, 10, 120, 80, 22, WS_EX_CLIENTEDGE);
        t.spin = spinWith(t.host.get(), UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, {}, t.edit);
        t.across = spinWith(t.host.get(), UDS_HORZ, {150, 120, 40, 20}, nullptr);
    }
    ASSERT_EQ(skin::startSkinEngine(twins[0].host.get()), 1);
    for (Twin& t : twins) // made under a skinned window, it is skinned as it appears, its scroll arrows when it makes them
        t.tab = tabWith(t.host.get(), 0, {10, 10, 220, 90}, 8, nullptr);
    const auto scroller = [](HWND tab) { return FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr); };
    const auto click = [](POINT p) { clickAt(p.x, p.y, 1, 250); };
    const auto hold = [](POINT p) { SetCursorPos(p.x, p.y), button(MOUSEEVENTF_LEFTDOWN), pumpUntil([] { return false; }, 1000), button(MOUSEEVENTF_LEFTUP); };
    const std::function<void(Twin&)> steps[] = {
        [&](Twin& t) { click(item(t.tab, 2)); }, [](Twin&) { keys({VK_RIGHT, VK_RIGHT, VK_LEFT}); }, [](Twin&) { keybd_event(VK_CONTROL, 0, 0, 0), keys({VK_TAB}), keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0); },
        [&](Twin& t) { click(arrow(scroller(t.tab), true)), click(arrow(scroller(t.tab), true)); },
        [&](Twin& t) { click(arrow(scroller(t.tab), false)), click(item(t.tab, 3)); },
        [&](Twin& t) { click(arrow(t.spin, true)), click(arrow(t.spin, false)), click(arrow(t.across, true)), click(arrow(t.across, false)); },
        [&](Twin& t) { hold(arrow(t.spin, true)), pumpMessages(), SendMessageW(t.spin, UDM_SETPOS32, 0, 70); }, // ends at one value for both
        [&](Twin& t) { click(onScreen(t.edit, 5, 5)), keys({VK_UP, VK_UP, VK_DOWN}); }};
    for (Twin& t : twins) {
        SetForegroundWindow(t.host.get());
        for (const auto& step : steps) {
            g_heard = &t.heard.emplace_back(), step(t); // what comes late counts with the step
            wchar_t text[16]{};
            TCHITTESTINFO first{{5, 10}}; // the first item in sight
            t.states.emplace_back(SendMessageW(t.tab, TCM_GETCURSEL, 0, 0), SendMessageW(t.tab, TCM_GETCURFOCUS, 0, 0), SendMessageW(t.tab, TCM_HITTEST, 0, LPARAM(&first)),
                                  SendMessageW(t.spin, UDM_GETPOS32, 0, 0), (GetWindowTextW(t.edit, text, 16), _wtoi(text)), SendMessageW(t.across, UDM_GETPOS32, 0, 0));
        }
        g_heard = &g_stray;
    }
    const auto& [skinned, plain] = twins;
    for (size_t i = 0; i < std::size(steps); ++i) {
        // Held down, the arrow repeats at the system's pace: about as many times within a second, the same values.
        const size_t n = std::min(skinned.heard[i].size(), plain.heard[i].size());
        EXPECT_LE(std::max(skinned.heard[i].size(), plain.heard[i].size()) - n, i == 6 ? 2u : 0u) << "step " << i;
        EXPECT_TRUE(std::equal(skinned.heard[i].begin(), skinned.heard[i].begin() + n, plain.heard[i].begin())) << "step " << i;
        EXPECT_EQ(skinned.states[i], plain.states[i]) << "step " << i;
    }
    EXPECT_GE(plain.heard[6].size(), 10u) << "the held arrow did not repeat";
    EXPECT_EQ(std::get<2>(plain.states[3]) - std::get<2>(plain.states[2]), 2) << "the scroll arrows did not scroll the items";
    // The scroll arrows show as the skin draws them: skinned as they appeared, and left out of the tab control's canvas.
    RECT r{};
    GetClientRect(scroller(skinned.tab), &r), MapWindowPoints(scroller(skinned.tab), nullptr, LPPOINT(&r), 2);
    Dib drawn(r.right - r.left, r.bottom - r.top);
    skin::paintSpinButtonAtDpi(scroller(skinned.tab), drawn.dc(), 96);
    EXPECT_TRUE(samePixels(captureScreen(r), drawn));

    // Given back whole: nothing of the skin left on the controls or the scroll arrows.
    ASSERT_EQ(skin::stopSkinEngine(skinned.host.get()), 1);
    for (HWND h : {skinned.tab, skinned.spin, skinned.across, scroller(skinned.tab)})
        EXPECT_TRUE(skinProperties(h).empty() && !GetPropW(h, L"PARTHOT"));
}

} // namespace
