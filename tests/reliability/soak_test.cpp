// Soak: the same interaction thousands of times over, and whole forms skinned
// and unskinned a thousand times, end with as many GDI and USER objects as they
// began with. The figures are printed.
#include "reliability.h"

#include "app/form1.h"
#include "app/form_classes.h"
#include "gallery/gallery_form.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace qmtest;

namespace {

// Runs `cycles` of `body` between two counts of live objects (the queue
// pumped before each) and expects them equal.
void expectNoLeak(const char* what, int cycles, const std::function<void(int)>& body)
{
    pumpBounded();
    const int gdi = liveGdiObjects();
    const UserObjects user = liveUserObjects();
    for (int i = 0; i < cycles && !testing::Test::HasFatalFailure(); ++i)
        body(i);
    pumpBounded();
    const int gdiAfter = liveGdiObjects();
    const UserObjects userAfter = liveUserObjects();
    std::printf("soak %s, %d cycles: GDI objects %d -> %d; USER: windows %d -> %d, properties %d -> %d,"
                " GetGuiResources %d -> %d\n", what, cycles, gdi, gdiAfter, user.windows, userAfter.windows,
                user.properties, userAfter.properties, user.reported, userAfter.reported);
    EXPECT_EQ(gdiAfter, gdi) << what;
    EXPECT_EQ(userAfter, user) << what;
}

int envCount(const char* name, int fallback)
{
    const char* asked = std::getenv(name);
    return asked && *asked ? std::atoi(asked) : fallback;
}

// Skins and unskins the shown form (QM_ATTACH_CYCLES times, a thousand by
// default), painting it now and then.
void attachDetachCycles(const char* what, HWND form)
{
    pumpBounded();
    ASSERT_EQ(skin::stopSkinEngine(form), 1);
    for (int i = 0; i < 5; ++i) { // the system's caches fill
        skin::startSkinEngine(form);
        skin::stopSkinEngine(form);
    }
    expectNoLeak(what, envCount("QM_ATTACH_CYCLES", 1000), [form](int i) {
        ASSERT_EQ(skin::startSkinEngine(form), 1);
        if (i % 50 == 0)
            UpdateWindow(form);
        ASSERT_EQ(skin::stopSkinEngine(form), 1);
        ASSERT_EQ(skin::attachedWindowCount(), 0);
    });
}

} // namespace

TEST(Soak, HoverPressReleaseLeaveCycles)
{
    quillmend::registerFormClasses();
    UniqueWindow form = makeTopLevel(L"ThunderRT6FormDC", 420, 100, L"soak");
    HWND push = makeChild(form.get(), L"Button", L"按钮 Push", BS_PUSHBUTTON, 10, 10, 90, 26);
    HWND check = makeChild(form.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 110, 10, 90, 17);
    HWND combo = makeChild(form.get(), L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 210, 10, 120, 100);
    HWND header = makeChild(form.get(), L"SysHeader32", L"", HDS_HORZ | HDS_BUTTONS, 10, 50, 300, 22);
    for (const wchar_t* text : {L"一 One", L"二 Two"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        HDITEMW item{HDI_WIDTH | HDI_TEXT, 100, const_cast<wchar_t*>(text)};
        SendMessageW(header, HDM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_EQ(skin::startSkinEngine(form.get()), 1);

    const std::pair<HWND, LPARAM> targets[] = {{push, MAKELPARAM(20, 10)}, {check, MAKELPARAM(5, 8)},
                                               {combo, MAKELPARAM(110, 10)}, {header, MAKELPARAM(150, 10)}};
    auto cycle = [&](bool pump) {
        for (auto [hwnd, at] : targets) {
            SendMessageW(hwnd, WM_MOUSEMOVE, 0, at);
            SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
            SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
            if (pump)
                pumpBounded();
        }
    };
    auto settle = [&] {
        for (int i = 0; i < 100 && skin::getProp(push, skin::prop::kTimerId) != 0; ++i)
            SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    };
    // A few cycles with the queue pumped in between first: the combo box's
    // list paints while it is down, and is skinned then, as it should be.
    for (int i = 0; i < 10; ++i)
        cycle(true);
    settle();
    // Each cycle paints a dozen times and opens and closes the combo box's
    // list: about 40 ms under Wine. QM_SOAK_CYCLES sets another count.
    const int cycles = envCount("QM_SOAK_CYCLES", 10000);
    expectNoLeak("hover, press, release, leave", cycles, [&](int i) {
        cycle(false);
        SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        if (i % 100 == 99)
            pumpBounded();
        if (i == cycles - 1)
            settle();
    });
    EXPECT_EQ(skin::stopSkinEngine(form.get()), 1);
}

TEST(Soak, AttachAndDetachTheGallery)
{
    auto gallery = gallery::createGallery();
    gallery->show();
    attachDetachCycles("gallery attach and detach", gallery->hwnd());
    gallery->unload();
}

TEST(Soak, AttachAndDetachForm1)
{
    struct : quillmend::Launcher {
        quillmend::LaunchResult launch(const std::wstring&, quillmend::WindowMode, std::optional<DWORD>) override
        {
            return quillmend::LaunchResult::notStarted;
        }
    } launcher;
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    quillmend::Form1 form1(launcher, temp);
    form1.show();
    attachDetachCycles("Form1 attach and detach", form1.hwnd());
    form1.form().unload();
}
