// The form runtime beyond Form1: every control type it builds, as the skinned
// gallery shows them.
#include "app_support.h"

#include "gallery/gallery_form.h"

#include "support/windows.h"

namespace {

TEST(FormRuntime, TheSkinnedGalleryMatchesItsGolden)
{
    SetCursorPos(1000, 740);
    auto form = gallery::createGallery();
    form->show();
    SetWindowPos(form->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(form->window(L"CommandEnabled"));
    qmapp::pumpUntil(form->hwnd(), [&] { return !GetPropW(form->window(L"CommandEnabled"), L"TIMERID"); }, 6000);
    qmtest::paintNow(form->hwnd());
    qmtest::savePng(qmtest::captureWindow(form->hwnd()), L"skin-gallery");
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    MapWindowPoints(form->hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_TRUE(qmtest::matchesGolden(qmtest::captureScreen(client), L"gallery"));
    form->unload();
}

} // namespace
