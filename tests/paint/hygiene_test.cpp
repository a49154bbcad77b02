// Every painter leaves the contexts it is handed as it found them and gives
// back every context, surface and brush it takes.
#include "paint/paint_fixture.h"

#include "skin/core/properties.h"
#include "skin/paint/check_option.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"
#include "skin/paint/nonclient_paint.h"
#include "support/gdi_count.h"

#include <commctrl.h>

#include <functional>

using skin::VisualState;

namespace qmtest {
namespace {

class Hygiene : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        registerSuperclass(L"ThunderRT6CheckBox", L"Button");
        registerSuperclass(L"ThunderRT6OptionButton", L"Button");
        registerSuperclass(L"ProgressBar20WndClass", PROGRESS_CLASSW);
        registerSuperclass(L"ThunderRT6DriveListBox", L"ComboBox");
    }
    HWND header()
    {
        HWND hwnd = child(WC_HEADERW, HDS_HORZ, 10, 10, 300, 20);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = 90;
        item.pszText = const_cast<wchar_t*>(L"名称 Name");
        SendMessageW(hwnd, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return hwnd;
    }
};

TEST_F(Hygiene, HandedContextsKeepTheirObjectsAndModes)
{
    HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST, 10, 40, 100, 200);
    HWND head = header();
    const std::function<void(HDC)> painters[] = {
        [&](HDC dc) { VisualState s = VisualState::hot; skin::paintComboButton(combo, dc, s, true); },
        [&](HDC dc) { skin::paintHeaderItem(head, dc, 0, VisualState::pressed); },
    };
    for (const auto& paint : painters) {
        Dib dib(320, 40);
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        HGDIOBJ font = GetStockObject(SYSTEM_FIXED_FONT);
        SelectObject(dib.dc(), brush);
        SelectObject(dib.dc(), font);
        SetBkMode(dib.dc(), OPAQUE);
        SetTextColor(dib.dc(), RGB(9, 8, 7));
        const HGDIOBJ bitmap = GetCurrentObject(dib.dc(), OBJ_BITMAP);

        paint(dib.dc());

        EXPECT_NE(dib.countNot(kSentinel), 0);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BRUSH), brush);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_FONT), font);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BITMAP), bitmap);
        EXPECT_EQ(GetBkMode(dib.dc()), OPAQUE);
        EXPECT_EQ(GetTextColor(dib.dc()), RGB(9, 8, 7));
        SelectObject(dib.dc(), GetStockObject(WHITE_BRUSH));
        DeleteObject(brush);
    }
}

TEST_F(Hygiene, RepeatedPaintingLeavesNoObjectBehind)
{
    HWND combo = child(L"ComboBox", CBS_DROPDOWN, 10, 40, 100, 200);
    HWND listCombo = child(L"ComboBox", CBS_DROPDOWNLIST, 120, 40, 100, 200);
    HWND drive = child(L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST, 230, 40, 100, 200);
    HWND check = child(L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 10, 70, 120, 17, 0, L"Check");
    HWND option = child(L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 140, 70, 120, 17, 0, L"Option");
    HWND progress = child(L"ProgressBar20WndClass", WS_BORDER, 10, 100, 200, 16);
    HWND list = child(L"ListBox", WS_VSCROLL, 10, 130, 120, 60, WS_EX_CLIENTEDGE);
    HWND head = header();
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(progress, PBM_SETPOS, 50, 0);

    auto viaPaint = [](HWND hwnd) {
        return [hwnd] {
            WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
            InvalidateRect(hwnd, nullptr, FALSE);
            skin::onPaint(own, hwnd, WM_PAINT, 0, 0);
            skin::onNcPaint(own, hwnd, WM_NCPAINT, 1, 0);
        };
    };
    const std::function<void()> painters[] = {
        viaPaint(combo), viaPaint(listCombo), viaPaint(drive), viaPaint(check), viaPaint(option),
        viaPaint(progress), viaPaint(list), viaPaint(head),
        [&] { VisualState s = VisualState::pressed; skin::paintComboButton(combo, nullptr, s, true); },
        [&] { skin::paintCheckBox(check, VisualState::hot, true); },
        [&] { skin::paintOptionButton(option, VisualState::pressed, true); },
        [&] { skin::paintHeaderItem(head, nullptr, 0, VisualState::hot); },
    };
    int index = 0;
    for (const auto& paint : painters) {
        SCOPED_TRACE(index++);
        paint(); // caches warm up on the first call
        const int before = liveGdiObjects();
        for (int i = 0; i < 10; ++i)
            paint();
        EXPECT_EQ(liveGdiObjects(), before);
    }
}

} // namespace
} // namespace qmtest
