// The form runtime beyond Form1: every control type it builds for the
// gallery, the skinned gallery as shown, unload raised once, and no GDI object
// left behind.
#include "app_support.h"

#include "gallery/gallery_form.h"

#include "support/gdi_count.h"
#include "support/windows.h"

#include <commctrl.h>

namespace {

using namespace quillmend;
using T = ControlType;

// The kinds' classes, styles and fonts show in the gallery's golden below.
TEST(FormRuntime, SuperclassesBehaveAsTheirBasesAndUnloadIsRaisedOnce)
{
    std::vector<ControlDescription> controls{{.name = L"Check", .type = T::checkBox, .width = 1500, .height = 300},
                                             {.name = L"Progress", .type = T::progressBar, .width = 1500, .height = 300}};
    const FormDescription description{.name = L"Runtime", .clientWidth = 3000, .clientHeight = 1800,
                                      .font = {L"宋体", 90}, .controls = controls};
    Form form(description); // keeps the description
    // The superclasses behave as their bases.
    SendMessageW(form.window(L"Check"), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(form.window(L"Check"), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(form.window(L"Progress"), PBM_SETPOS, 40, 0);
    EXPECT_EQ(SendMessageW(form.window(L"Progress"), PBM_GETPOS, 0, 0), 40);

    int unloads = 0;
    form.onUnload([&] { ++unloads; });
    HWND hwnd = form.hwnd();
    form.show();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
    form.unload();
    EXPECT_EQ(unloads, 1);
}

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

TEST(FormRuntime, ReleasesEveryGdiObjectItMade)
{
    qmapp::RecordingLauncher launcher;
    int before = 0;
    for (int round = 0; round < 2; ++round) { // the system keeps objects of its own from the first window on
        before = qmtest::liveGdiObjects();
        Form1 form1(launcher, qmapp::freshTempDirectory(L"qm-runtime"));
        form1.show();
        qmapp::pumpPending(form1.hwnd());
        const int shown = qmtest::liveGdiObjects();
        for (int i = 0; i < 10; ++i) {
            form1.form().setFontUnderline(L"Label3", i % 2 == 0);
            UpdateWindow(form1.form().window(L"Label3"));
        }
        EXPECT_EQ(qmtest::liveGdiObjects(), shown);
        PostMessageW(form1.hwnd(), WM_CLOSE, 0, 0);
        qmapp::pumpPending(form1.hwnd());
        EXPECT_FALSE(IsWindow(form1.hwnd()));
    }
    EXPECT_EQ(qmtest::liveGdiObjects(), before);
}

} // namespace
