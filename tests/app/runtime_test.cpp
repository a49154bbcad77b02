// The form runtime beyond Form1: every control type it builds, as the skinned
// gallery shows them.
#include "app_support.h"

#include "gallery/gallery_form.h"

namespace {

TEST(FormRuntime, TheSkinnedGalleryMatchesItsGolden)
{
    SetCursorPos(1000, 740);
    auto form = gallery::createGallery();
    form->show();
    SetWindowPos(form->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(form->window(L"CommandEnabled"));
    EXPECT_TRUE(qmapp::settledPicture(form->hwnd(), L"skin-gallery", L"gallery"));
    form->unload();
}

} // namespace
