// The painters, control by control: each row paints a control through the
// skin's handlers (or calls its painter) and adds what the window shows to a
// sheet, checked against one golden per family; whether the control's own
// painting ran is checked beside it. Then the scaled images and glyphs at
// 120, 144 and 192 DPI.
#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/images/gdi.h"
#include "skin/paint/check_option.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"
#include "skin/paint/nonclient_paint.h"
#include "skin/paint/scroll_bar.h"
#include "support/gdi_count.h"
#include "support/pixels.h"
#include "support/windows.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <list>

namespace qmtest {
namespace {

using skin::VisualState;
using enum skin::VisualState;

constexpr wchar_t kCheckClass[] = L"ThunderRT6CheckBox", kOptionClass[] = L"ThunderRT6OptionButton",
                  kProgressClass[] = L"ProgressBar20WndClass", kDataListClass[] = L"DataListWndClass",
                  kGridClass[] = L"ApexGridTestClass",
                  kOwnDcList[] = L"OwnDcListBox"; // keeps its context, so its background colour can be set

// Counts the paint messages reaching a control's own procedure, so a test can tell whether its own painting ran.
struct CountingProc {
    static inline WNDPROC wrapped = nullptr;
    static inline int paints = 0, ncPaints = 0;
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        paints += msg == WM_PAINT, ncPaints += msg == WM_NCPAINT;
        return CallWindowProcW(wrapped, hwnd, msg, wParam, lParam);
    }
    static WNDPROC wrap(HWND hwnd) // resets the counts
    {
        wrapped = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        paints = ncPaints = 0;
        return &proc;
    }
};

class Painters : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        registerPlainClass(L"PaintTestHost");
        // Superclasses of the system classes under the names the kind table gives, keeping their procedures.
        for (auto [name, base, style] : {std::tuple{kCheckClass, L"Button", 0u}, {kOptionClass, L"Button", 0u},
                                         {kProgressClass, PROGRESS_CLASSW, 0u}, {kDataListClass, L"ListBox", 0u},
                                         {kGridClass, L"Static", 0u}, {kOwnDcList, L"ListBox", UINT(CS_OWNDC)}}) {
            WNDCLASSEXW wc{sizeof(wc)};
            GetClassInfoExW(nullptr, base, &wc);
            wc.cbSize = sizeof(wc), wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = name, wc.style |= style;
            RegisterClassExW(&wc);
        }
        skin::buildSkinImages();
    }
    static void TearDownTestSuite() { skin::releaseSkinImages(); }
    void SetUp() override
    {
        host_ = CreateWindowExW(WS_EX_TOPMOST, L"PaintTestHost", L"paint", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 420,
                                300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        paintNow(host_);
    }
    void TearDown() override { DestroyWindow(host_); }

    // A child of the host at (x, y) with the given outer size, its own painting done.
    HWND child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0, const wchar_t* text = L"")
    {
        HWND hwnd = makeChild(host_, cls, text, style, x, y, w, h, exStyle);
        EXPECT_NE(hwnd, nullptr);
        paintNow(hwnd);
        return hwnd;
    }
    // WM_PAINT or WM_NCPAINT through the skin's handler, the control's own procedure counting what reaches it.
    static LRESULT skinPaint(HWND hwnd, UINT msg = WM_PAINT)
    {
        WNDPROC own = CountingProc::wrap(hwnd);
        if (msg == WM_NCPAINT)
            return skin::onNcPaint(own, hwnd, msg, 1, 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        return skin::onPaint(own, hwnd, msg, 0, 0);
    }
    // What the window shows, frame included.
    static Dib pixels(HWND hwnd) { RECT r{}; GetWindowRect(hwnd, &r); return captureDc(skin::WindowDc(hwnd).get(), 0, 0, r.right - r.left, r.bottom - r.top); }
    // Adds what the window shows (frame included) to the sheet and destroys it.
    void shoot(HWND hwnd, bool keep = false)
    {
        shots.push_back(pixels(hwnd));
        if (!keep)
            DestroyWindow(hwnd);
    }
    // The sheet, one shot below the other, against the golden `name`; the sheet starts anew.
    ::testing::AssertionResult sheetMatches(const wchar_t* name)
    {
        std::vector<const Dib*> parts;
        for (const Dib& shot : shots)
            parts.push_back(&shot);
        auto result = matchesGolden(stack(parts), name);
        shots.clear();
        return result;
    }
    // A 100-wide combo box whose closed height is exactly `closed`.
    HWND combo(DWORD style, int closed = 21)
    {
        HWND hwnd = child(L"ComboBox", style | WS_VSCROLL, 10, 10, 100, 200);
        const auto height = [hwnd] { RECT r{}; GetWindowRect(hwnd, &r); return r.bottom - r.top; };
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
        LRESULT asked = SendMessageW(hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0);
        for (int i = 0; i < 4 && height() != closed; ++i)
            SendMessageW(hwnd, CB_SETITEMHEIGHT, WPARAM(-1), asked += closed - height());
        EXPECT_EQ(height(), closed);
        paintNow(hwnd);
        return hwnd;
    }

    HWND host_ = nullptr;
    std::list<Dib> shots;
};

// Heights 21 and 23 leave the arrow a half pixel to round, to the even row, both ways.
TEST_F(Painters, ComboButtonsInEveryState)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST), taller = combo(CBS_DROPDOWNLIST, 23);
    for (bool enabled : {true, false}) {
        EnableWindow(hwnd, enabled);
        for (VisualState state : {normal, hot, pressed}) {
            Dib& dib = shots.emplace_back(100, 24);
            skin::paintComboButton(enabled && state == pressed ? taller : hwnd, dib.dc(), state, true);
        }
    }
    // The editable combo is painted by the skin alone, with nothing left to paint.
    HWND editable = combo(CBS_DROPDOWN);
    EXPECT_EQ(skinPaint(editable), 0);
    EXPECT_EQ(CountingProc::paints, 0);
    EXPECT_FALSE(GetUpdateRect(editable, nullptr, FALSE));
    shoot(editable, true);
    EXPECT_TRUE(sheetMatches(L"combo-buttons"));
}

TEST_F(Painters, CheckBoxesAndOptionButtons)
{
    // Check box squares at heights whose halves round to even, each mark, disabled whatever the state asked.
    const struct { const wchar_t* cls; DWORD style; int height; WPARAM check; VisualState state; bool enabled; } rows[] = {
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, true}, {kCheckClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true},
        {kCheckClass, BS_AUTO3STATE, 18, BST_CHECKED, normal, true}, {kCheckClass, BS_AUTO3STATE, 20, BST_CHECKED, normal, true},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, pressed, false}, {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, hot, false},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, false}, {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, pressed, true},
        {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, hot, true},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, normal, true}, {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_UNCHECKED, hot, true},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, pressed, true}, {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, hot, false},
        {kOptionClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true}};
    for (const auto& row : rows) {
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, row.height, 0, L"Caption");
        SendMessageW(hwnd, BM_SETCHECK, row.check, 0);
        EnableWindow(hwnd, row.enabled);
        paintNow(hwnd);
        const bool check = row.cls == kCheckClass;
        EXPECT_EQ((check ? skin::paintCheckBox : skin::paintOptionButton)(hwnd, row.state, true, nullptr), 1);
        EXPECT_EQ(skin::getState(hwnd), row.state);
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"check-option"));
}

TEST_F(Painters, ProgressBarsArePaintedByTheSkinAlone)
{
    // 15000 on 101 pixels is 50.5, which goes to the even 50; beyond 30000 fills all and stays inside the frame.
    const struct { DWORD style; int w, h, position; bool enabled; } rows[] = {
        {PBS_SMOOTH, 101, 12, 15000, true}, {PBS_SMOOTH, 101, 12, 15000, false}, {PBS_SMOOTH, 101, 12, 0, true},
        {PBS_SMOOTH, 101, 12, 30000, true}, {PBS_SMOOTH, 101, 12, 35000, true}, {PBS_SMOOTH, 101, 12, 7500, true},
        {PBS_VERTICAL, 12, 40, 7500, true}, {PBS_VERTICAL | PBS_SMOOTH, 12, 40, 40000, true}};
    for (const auto& row : rows) {
        HWND hwnd = child(kProgressClass, row.style | WS_BORDER, 10, 10, row.w + 2, row.h + 2); // client w x h
        SendMessageW(hwnd, PBM_SETRANGE32, 0, 40000);
        SendMessageW(hwnd, PBM_SETPOS, WPARAM(row.position), 0);
        EnableWindow(hwnd, row.enabled);
        for (UINT msg : {WM_NCPAINT, WM_PAINT}) { // a segmented vertical bar shows its fill at the client paint
            EXPECT_EQ(skinPaint(hwnd, msg), 0);
            EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 0) << "its own painting ran";
        }
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"progress-bars"));
}

TEST_F(Painters, HeadersFollowPressedAndHotItems)
{
    // Pressed wins over hot on the same item; only the hot item uses the hot slice; beyond the last item the
    // stretched normal column.
    const int rows[][2] = {{1, 1}, {-1, 2}, {0, 2}, {-1, -1}};
    // 300 x 20, the image's height, so rows copy 1:1; three items of 80 pixels.
    HWND hwnd = child(WC_HEADERW, HDS_HORZ, 10, 10, 300, 20);
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{HDI_WIDTH, 80};
        SendMessageW(hwnd, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    for (auto [pressedItem, hotItem] : rows) {
        skin::setProp(hwnd, skin::prop::kHdIndex, pressedItem);
        skin::setProp(hwnd, skin::prop::kHmIndex, hotItem);
        EXPECT_EQ(skinPaint(hwnd), 0);
        EXPECT_EQ(CountingProc::paints, 0);
        shoot(hwnd, true);
    }
    DestroyWindow(hwnd);
    EXPECT_TRUE(sheetMatches(L"headers"));
}

TEST_F(Painters, FlatFramesReplaceClientEdgesOrAreDrawnOverOwnPainting)
{
    // A client edge becomes a flat frame in the client's background colour (which the own-context list keeps). A
    // data list, a window without a client edge and a grid without a border keep their own frame; bordered data lists
    // and grids get the skin's frame over their own painting.
    const struct { const wchar_t* cls; DWORD style, exStyle; UINT msg; bool enabled; } rows[] = {
        {kOwnDcList, 0, WS_EX_CLIENTEDGE, WM_NCPAINT, true}, {kOwnDcList, 0, WS_EX_CLIENTEDGE, WM_NCPAINT, false},
        {kDataListClass, 0, WS_EX_CLIENTEDGE, WM_NCPAINT, true}, {L"ListBox", WS_BORDER, 0, WM_NCPAINT, true},
        {L"Button", 0, 0, WM_NCPAINT, true}, {kGridClass, SS_GRAYRECT, 0, WM_PAINT, true},
        {kDataListClass, WS_BORDER, 0, WM_PAINT, true}, {kDataListClass, WS_BORDER, 0, WM_PAINT, false},
        {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, true}, {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, false}};
    for (const auto& row : rows) {
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, 60, row.exStyle);
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        EnableWindow(hwnd, row.enabled);
        paintNow(hwnd);
        HDC own = GetDC(hwnd);
        SetBkColor(own, RGB(0x33, 0x66, 0x99));
        ReleaseDC(hwnd, own);
        skinPaint(hwnd, row.msg);
        EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 1) << "its own painting runs, row " << &row - rows;
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"frames"));
}

// Whole factors repeat pixels, others never blend the key colour into a shape's edge; check marks, indeterminate
// squares, option dots and combo arrows keep their share of the control, centred.
TEST_F(Painters, ScaledImagesAndGlyphsMatchTheirGolden)
{
    HDC (*const images[])(int) noexcept = {skin::buttonFaceImageAt, skin::comboButtonImageAt, skin::markGlyphImageAt,
                                           skin::optionBubbleImageAt, skin::headerItemImageAt};
    for (int dpi : {120, 144, 192}) {
        for (auto image : images) {
            BITMAP bitmap{};
            GetObjectW(GetCurrentObject(image(dpi), OBJ_BITMAP), sizeof(bitmap), &bitmap);
            shots.push_back(captureDc(image(dpi), 0, 0, bitmap.bmWidth, bitmap.bmHeight));
        }
        const int width = MulDiv(110, dpi, 96), height = MulDiv(17, dpi, 96);
        for (auto [cls, style, check] : {std::tuple{kCheckClass, BS_AUTO3STATE, BST_CHECKED}, {kCheckClass, BS_AUTO3STATE, BST_INDETERMINATE},
                                         {kOptionClass, BS_AUTORADIOBUTTON, BST_CHECKED}}) {
            HWND hwnd = child(cls, style, 10, 10, width, height, 0, L"Caption");
            SendMessageW(hwnd, BM_SETCHECK, check, 0);
            (cls == kCheckClass ? skin::paintCheckBoxAtDpi : skin::paintOptionButtonAtDpi)(hwnd, normal, true, dpi, nullptr);
            shoot(hwnd);
        }
        HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 40, MulDiv(100, dpi, 96), 200);
        RECT r{};
        GetWindowRect(combo, &r);
        Dib& dib = shots.emplace_back(r.right - r.left + 4, r.bottom - r.top + 4);
        VisualState state = normal;
        skin::paintComboButtonAtDpi(combo, dib.dc(), state, true, dpi);
        DestroyWindow(combo);
    }
    EXPECT_TRUE(sheetMatches(L"dpi-glyphs"));
}

// Scroll bars in every state, vertical and horizontal, at 96 and 144 DPI: hot and pressed arrows, pages and thumb, one
// arrow disabled, the whole bar disabled, a bar without a page (thumb as long as an arrow); a corner box, with a grip.
TEST_F(Painters, ScrollBarsInEveryStateAtTwoDpis)
{
    using P = skin::ScrollPart;
    const struct { P hot, pressed; bool start = true, end = true; UINT page = 10; } rows[] = {
        {P::none, P::none}, {P::lineUp, P::none}, {P::thumb, P::none}, {P::lineDown, P::none}, {P::none, P::lineUp},
        {P::none, P::pageUp}, {P::thumb, P::thumb}, {P::none, P::pageDown}, {P::none, P::lineDown}, {P::lineUp, P::none, false},
        {P::none, P::none, true, false}, {P::thumb, P::none, false, false}, {P::none, P::none, true, true, 0}};
    for (int dpi : {96, 144}) {
        for (bool vertical : {true, false}) {
            const int thick = skin::systemMetricAt(vertical ? SM_CXVSCROLL : SM_CYHSCROLL, dpi), length = MulDiv(120, dpi, 96);
            const int w = vertical ? thick : length, h = vertical ? length : thick, n = int(std::size(rows));
            Dib& sheet = shots.emplace_back(vertical ? n * (w + 2) : w, vertical ? h : n * (h + 2));
            for (int i = 0; i < n; ++i) {
                skin::ScrollBarGeometry g{vertical ? RECT{i * (w + 2), 0, i * (w + 2) + w, h} : RECT{0, i * (h + 2), w, i * (h + 2) + h}, vertical};
                g.dpi = dpi;
                skin::layoutScrollBar(g, SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 49, rows[i].page, 20}, rows[i].start || rows[i].end);
                skin::drawScrollBar(sheet.dc(), g, {rows[i].hot, rows[i].pressed, rows[i].start, rows[i].end});
            }
        }
        const int w = skin::systemMetricAt(SM_CXVSCROLL, dpi), h = skin::systemMetricAt(SM_CYHSCROLL, dpi);
        for (Dib& box = shots.emplace_back(2 * w + 2, h); int grip : {0, 1})
            skin::drawScrollCorner(box.dc(), RECT{grip * (w + 2), 0, grip * (w + 2) + w, h}, grip, dpi);
    }
    EXPECT_TRUE(sheetMatches(L"scroll-bars"));
}

// The thumb lies where the system puts it for the same scroll information (its own bar reports where), and the
// arrows are disabled as the system keeps them: a list box that keeps its bar without enough items, one arrow.
TEST_F(Painters, ScrollBarThumbsWhereTheSystemPutsThemAndArrowsDisabledAsItKeepsThem)
{
    HWND list = child(L"ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT, 10, 10, 100, 100);
    skin::ScrollBarGeometry g;
    ASSERT_TRUE(skin::scrollBarGeometry(list, SB_VERT, g));
    EXPECT_EQ(std::tuple(skin::scrollBarLook(list, SB_VERT).startEnabled, skin::scrollBarLook(list, SB_VERT).endEnabled, g.thumbLength),
              std::tuple(false, false, 0));
    for (int i = 0; i < 30; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    EnableScrollBar(list, SB_VERT, ESB_DISABLE_UP);
    EXPECT_EQ(std::pair(skin::scrollBarLook(list, SB_VERT).startEnabled, skin::scrollBarLook(list, SB_VERT).endEnabled), std::pair(false, true));
    DestroyWindow(list);

    const int rows[][5] = {{120, 0, 39, 7, 16}, {120, 0, 39, 0, 20}, {120, 0, 1000, 1, 500}, {40, 0, 39, 7, 3}, {100, 5, 15, 3, 9}, {77, 0, 49, 13, 37}};
    for (auto [length, min, max, page, pos] : rows) {
        HWND bar = child(L"ScrollBar", SBS_VERT, 10, 10, 17, length);
        SCROLLINFO info{sizeof(info), SIF_ALL, min, max, UINT(page), pos};
        SetScrollInfo(bar, SB_CTL, &info, FALSE);
        SCROLLBARINFO system{sizeof(system)};
        GetScrollBarInfo(bar, OBJID_CLIENT, &system);
        skin::ScrollBarGeometry geometry;
        ASSERT_TRUE(skin::scrollBarGeometry(bar, SB_CTL, geometry));
        EXPECT_EQ(std::pair(geometry.thumbStart, geometry.thumbStart + geometry.thumbLength), std::pair(system.xyThumbTop, system.xyThumbBottom)) << length << " " << pos;
        DestroyWindow(bar);
    }
}

// Every painter gives back the context it drew on as it found it (objects,
// background mode, text colour) and keeps no object it made, called directly
// or through the paint handlers.
TEST_F(Painters, LeaveContextsAsFoundAndKeepNothing)
{
    HWND combo = child(L"ComboBox", CBS_DROPDOWN, 10, 40, 100, 200);
    HWND listCombo = child(L"ComboBox", CBS_DROPDOWNLIST, 120, 40, 100, 200);
    HWND check = child(kCheckClass, BS_AUTOCHECKBOX, 10, 70, 120, 17, 0, L"Check");
    HWND option = child(kOptionClass, BS_AUTORADIOBUTTON, 140, 70, 120, 17, 0, L"Option");
    HWND progress = child(kProgressClass, WS_BORDER, 10, 100, 200, 16);
    HWND list = child(L"ListBox", WS_VSCROLL, 10, 130, 120, 60, WS_EX_CLIENTEDGE);
    HWND head = child(WC_HEADERW, HDS_HORZ, 10, 200, 200, 20);
    HDITEMW item{HDI_WIDTH, 80};
    SendMessageW(head, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(progress, PBM_SETPOS, 50, 0);
    const auto handlers = [](HWND hwnd) { return [hwnd](HDC) { skinPaint(hwnd), skinPaint(hwnd, WM_NCPAINT); }; };
    const std::function<void(HDC)> painters[] = {
        [&](HDC dc) { VisualState s = hot; skin::paintComboButton(listCombo, dc, s, true); },
        [&](HDC dc) { skin::paintHeaderItem(head, dc, 0, pressed); },
        [&](HDC) { skin::paintCheckBox(check, hot, true); }, [&](HDC) { skin::paintOptionButton(option, pressed, true); },
        handlers(combo), handlers(listCombo), handlers(check), handlers(progress), handlers(list), handlers(head)};
    for (const auto& paint : painters) {
        Dib dib(320, 40);
        skin::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        skin::SelectGuard selected(dib.dc(), brush.get()), font(dib.dc(), GetStockObject(SYSTEM_FIXED_FONT));
        SetBkMode(dib.dc(), OPAQUE);
        SetTextColor(dib.dc(), RGB(9, 8, 7));
        paint(dib.dc());
        const int objects = liveGdiObjects();
        paint(dib.dc());
        EXPECT_EQ(liveGdiObjects(), objects);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BRUSH), brush.get());
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_FONT), GetStockObject(SYSTEM_FIXED_FONT));
        EXPECT_EQ(std::pair(GetBkMode(dib.dc()), GetTextColor(dib.dc())), std::pair(OPAQUE, RGB(9, 8, 7)));
    }
}

} // namespace
} // namespace qmtest
