// The skin gallery as a user sees it: every kind shows the skin's look on
// screen. The screenshot is kept under <build>/screens.
#include "gallery/gallery_form.h"

#include "skin/images/skin_images.h"
#include "support/pixels.h"
#include "support/windows.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

TEST(Gallery, EveryKindShowsTheSkin)
{
    auto form = gallery::createGallery();
    form->show();
    SetWindowPos(form->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    paintNow(form->hwnd());
    const Dib shot = captureWindow(form->hwnd());
    EXPECT_FALSE(savePng(shot, L"skin-gallery").empty());

    RECT frame{};
    GetWindowRect(form->hwnd(), &frame);
    // A pixel of a control, read from the screenshot.
    auto at = [&](std::wstring_view name, int x, int y) {
        RECT r{};
        GetWindowRect(form->window(name), &r);
        return shot.pixel(r.left - frame.left + x, r.top - frame.top + y);
    };
    auto height = [&](std::wstring_view name) {
        RECT r{};
        GetWindowRect(form->window(name), &r);
        return static_cast<int>(r.bottom - r.top);
    };

    // Push buttons: the face's side column, normal and disabled tiles.
    EXPECT_EQ(at(L"CommandEnabled", 0, height(L"CommandEnabled") / 2), GetPixel(skin::buttonFaceImage(), 0, 10));
    EXPECT_EQ(at(L"CommandDisabled", 0, height(L"CommandDisabled") / 2), GetPixel(skin::buttonFaceImage(), 0, 73));

    // Check boxes and option buttons: the skin's square frame and circles.
    const int top = (height(L"CheckChecked") - GetSystemMetrics(SM_CYMENUCHECK) + 1) / 2;
    for (const wchar_t* name : {L"CheckUnchecked", L"CheckChecked", L"CheckIndeterminate"})
        EXPECT_EQ(at(name, 0, top + 3), skin::kSkinFrameColour) << testing::PrintToString(std::wstring(name));
    EXPECT_EQ(at(L"CheckDisabled", 0, top + 3), skin::kDisabledFrameColour);
    const int middle = GetSystemMetrics(SM_CXMENUCHECK) / 2;
    EXPECT_NE(at(L"CheckIndeterminate", middle, top + middle), at(L"CheckUnchecked", middle, top + middle));
    EXPECT_NE(at(L"OptionChecked", middle, top + middle), at(L"OptionUnchecked", middle, top + middle));

    EXPECT_EQ(SendMessageW(form->window(L"OptionChecked"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(form->window(L"OptionUnchecked"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // Frames of the combo box, the progress bars and the list box.
    for (const wchar_t* name : {L"ComboList", L"ProgressHorizontal", L"ProgressVertical", L"List"})
        EXPECT_EQ(at(name, 0, 0), skin::kSkinFrameColour) << testing::PrintToString(std::wstring(name));
    EXPECT_EQ(at(L"ProgressHorizontal", 2, 2), skin::kProgressColour);
    EXPECT_EQ(at(L"ProgressVertical", 2, height(L"ProgressVertical") - 3), skin::kProgressColour);
    EXPECT_EQ(at(L"ProgressVertical", 2, 2), skin::kWhite);

    // The header beyond its last item: the stretched background column.
    RECT header{};
    GetWindowRect(form->window(L"Header"), &header);
    EXPECT_EQ(at(L"Header", header.right - header.left - 2, 10), GetPixel(skin::headerItemImage(), 1, 10));

    form->unload();
}

} // namespace
} // namespace qmtest
