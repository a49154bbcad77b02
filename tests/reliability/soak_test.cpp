// Soak: the same interaction thousands of times over, and whole forms skinned
// and unskinned a thousand times, end with as many GDI and USER objects as they
// began with. The figures are printed. QM_SOAK_CYCLES and QM_ATTACH_CYCLES set
// other counts.
#include "reliability.h"

#include "app/form1.h"
#include "gallery/gallery_form.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace qmtest;

namespace {

// Runs `body` QM_<count> times (`fallback` by default) between two counts of live objects, the queue pumped
// before each, and expects them equal.
void expectNoLeak(const char* what, const char* count, int fallback, const std::function<void(int i, int cycles)>& body)
{
    const char* asked = std::getenv(count);
    const int cycles = asked && *asked ? std::atoi(asked) : fallback;
    pumpBounded();
    const int gdi = liveGdiObjects();
    const UserObjects user = liveUserObjects();
    for (int i = 0; i < cycles && !testing::Test::HasFatalFailure(); ++i)
        body(i, cycles);
    pumpBounded();
    const int gdiAfter = liveGdiObjects();
    const UserObjects userAfter = liveUserObjects();
    std::printf("soak %s, %d cycles: GDI objects %d -> %d; windows %d -> %d, properties %d -> %d\n", what, cycles, gdi,
                gdiAfter, user.windows, userAfter.windows, user.properties, userAfter.properties);
    EXPECT_EQ(gdiAfter, gdi) << what;
    EXPECT_EQ(userAfter, user) << what;
}

// Skins and unskins the shown form a thousand times, painting it now and then.
void attachDetachCycles(const char* what, HWND form)
{
    pumpBounded();
    ASSERT_EQ(skin::stopSkinEngine(form), 1);
    for (int i = 0; i < 5; ++i) // the system's caches fill
        skin::startSkinEngine(form), skin::stopSkinEngine(form);
    expectNoLeak(what, "QM_ATTACH_CYCLES", 1000, [form](int i, int) {
        ASSERT_EQ(skin::startSkinEngine(form), 1);
        if (i % 50 == 0)
            UpdateWindow(form);
        ASSERT_EQ(skin::stopSkinEngine(form), 1);
        ASSERT_EQ(skin::attachedWindowCount(), 0);
    });
}

} // namespace

TEST(Soak, HoverPressReleaseLeaveThenAttachAndDetachTheGalleryAndForm1)
{
    auto gallery = gallery::createGallery();
    gallery->show();
    HWND push = gallery->window(L"CommandEnabled");
    HWND combo = gallery->window(L"ComboList");
    const std::pair<HWND, LPARAM> targets[] = {{push, MAKELPARAM(20, 10)}, {gallery->window(L"CheckUnchecked"), MAKELPARAM(5, 8)},
                                               {combo, MAKELPARAM(110, 10)}, {gallery->window(L"Header"), MAKELPARAM(150, 10)}};
    // Each cycle paints a dozen times and opens and closes the combo box's list: about 40 ms under Wine. The
    // first ones pump the queue in between: the list paints while it is down, and is skinned then.
    auto cycle = [&](bool pump) {
        for (auto [hwnd, at] : targets)
            for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE}) {
                SendMessageW(hwnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, msg == WM_MOUSELEAVE ? 0 : at);
                if (pump)
                    pumpBounded();
            }
        SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
    };
    auto settle = [&] {
        for (int i = 0; i < 100 && skin::getProp(push, skin::prop::kTimerId) != 0; ++i)
            SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    };
    for (int i = 0; i < 10; ++i)
        cycle(true);
    settle();
    expectNoLeak("hover, press, release, leave", "QM_SOAK_CYCLES", 10000, [&](int i, int cycles) {
        cycle(false);
        if (i % 100 == 99)
            pumpBounded();
        if (i == cycles - 1)
            settle();
    });
    gallery = gallery::createGallery(); // its combo box's list, skinned as it showed, goes with the old one
    gallery->show();
    attachDetachCycles("gallery attach and detach", gallery->hwnd());
    gallery->unload();

    quillmend::ProcessLauncher launcher; // nothing is clicked: nothing starts
    quillmend::Form1 form1(launcher);
    form1.show();
    attachDetachCycles("Form1 attach and detach", form1.hwnd());
    form1.form().unload();
}
