// Right to left: the gallery and a dialog box built mirrored, as right-to-left
// programs build theirs (the process's default layout makes every top-level
// window WS_EX_LAYOUTRTL, and children inherit it), against golden pictures,
// and real clicks on them beside an unskinned twin.
//
// Seen under Wine 8, unskinned: a mirrored window's contexts are LAYOUT_RTL,
// counting x leftwards from the right edge; copying a bitmap into one mirrors
// it unless the context also has LAYOUT_BITMAPORIENTATIONPRESERVED (which
// AlphaBlend honours) or the copy NOMIRRORBITMAP. Text reads as it does left
// to right, BS_LEFT and BS_RIGHT swap sides, and WS_EX_RTLREADING changes
// nothing for Latin captions. Check boxes and option buttons have their glyph
// on the right, the check mark mirrored; a combo box its button on the left;
// a header its first item on the right; the vertical scroll bar is on the
// left, its arrows as they are. Button icons are mirrored too, where Windows
// is said to keep them. GetScrollBarInfo reports the bar where it would be
// left to right; Windows may report where it shows.
#include "core/core_fixture.h"
#include "gallery/gallery_form.h"
#include "support/pixels.h"

#include <memory>

using namespace qmtest;

namespace {

// What the screen shows of the client area; a mirrored window's client corner maps to its right edge.
Dib clientPicture(HWND hwnd)
{
    RECT r{};
    POINT c{};
    return GetClientRect(hwnd, &r), ClientToScreen(hwnd, &c), captureScreen({c.x - r.right, c.y, c.x, c.y + r.bottom});
}

} // namespace

TEST(RightToLeft, MirroredGalleryAndDialogShowTheSkinTheSystemsWayAndAnswerClicksAsUnskinned)
{
    SetProcessDefaultLayout(LAYOUT_RTL);
    const std::unique_ptr<quillmend::Form> galleryForm = gallery::createGallery(); // its classes, "Form" among them
    SkinnedForm plain(L"#32770"), skinned(L"#32770");
    for (SkinnedForm* t : {&plain, &skinned}) { // a list box with a scroll bar, a header with items
        HWND list = makeChild(t->f, L"ListBox", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 230, 135, 150, 60, WS_EX_CLIENTEDGE);
        for (const wchar_t* text : {L"one", L"two", L"three", L"four", L"five", L"six", L"seven"})
            SendMessageW(list, LB_ADDSTRING, 0, LPARAM(text)), SendMessageW(t->combo, CB_ADDSTRING, 0, LPARAM(text));
        for (HDITEMW item : {HDITEMW{HDI_WIDTH | HDI_TEXT, 75, const_cast<wchar_t*>(L"Name")}, HDITEMW{HDI_WIDTH | HDI_TEXT, 75, const_cast<wchar_t*>(L"Size")}})
            SendMessageW(t->header, HDM_INSERTITEMW, 9, LPARAM(&item));
        SendMessageW(t->combo, CB_SETCURSEL, 0, 0), SetWindowPos(t->f, nullptr, t == &plain ? 520 : 40, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    SetProcessDefaultLayout(0);
    // The twin first: once a skinned window is active, the next one activated is skinned too. A click on the
    // combo box's button (on the left) drops its list; one on the list's down arrow (bottom left) scrolls a line.
    SetCursorPos(1020, 760);
    for (SkinnedForm* t : {&plain, &skinned}) {
        skin::startSkinEngine(t == &skinned ? t->f : nullptr), SetForegroundWindow(t->f), paintNow(t->f);
        EXPECT_TRUE(t == &plain ? !savePng(clientPicture(t->f), L"dialog-rtl-unskinned").empty() : matchesGolden(clientPicture(t->f), L"dialog-rtl"));
        HWND list = FindWindowExW(t->f, nullptr, L"ListBox", nullptr);
        RECT combo{}, bar{};
        GetWindowRect(t->combo, &combo), GetWindowRect(list, &bar);
        clickAt(combo.left + 8, (combo.top + combo.bottom) / 2);
        const bool dropped = SendMessageW(t->combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
        SendMessageW(t->combo, CB_SHOWDROPDOWN, FALSE, 0), clickAt(bar.left + 8, bar.bottom - 8);
        EXPECT_EQ(std::pair(dropped, SendMessageW(list, LB_GETTOPINDEX, 0, 0)), std::pair(true, LRESULT(1))) << (t == &plain ? "unskinned" : "skinned");
    }
    galleryForm->show(), SetForegroundWindow(galleryForm->hwnd()), SetCursorPos(1020, 760), paintNow(galleryForm->hwnd());
    EXPECT_TRUE(matchesGolden(clientPicture(galleryForm->hwnd()), L"gallery-rtl"));
}
