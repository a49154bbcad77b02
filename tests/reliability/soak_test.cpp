// Soak: the same interaction thousands of times over, and whole forms skinned
// and unskinned a thousand times, end with as many GDI and USER objects as they
// began with. The figures are printed.
#include "kinds_form.h"

#include "app/form1.h"
#include "app/form_classes.h"
#include "gallery/gallery_form.h"
#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"
#include "support/user_count.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

using namespace qmtest;

namespace {

struct Objects {
    int gdi;
    UserObjects user;
};

Objects countObjects()
{
    pumpBounded();
    return {liveGdiObjects(), liveUserObjects()};
}

void expectSame(const char* what, int cycles, const Objects& before, const Objects& after)
{
    std::printf("soak %s, %d cycles: GDI objects %d -> %d; USER: windows %d -> %d, properties %d -> %d,"
                " GetGuiResources %d -> %d\n",
                what, cycles, before.gdi, after.gdi, before.user.windows, after.user.windows,
                before.user.properties, after.user.properties, before.user.reported, after.user.reported);
    EXPECT_EQ(after.gdi, before.gdi) << what;
    EXPECT_EQ(after.user, before.user) << what;
}

class NoLauncher final : public quillmend::Launcher {
public:
    quillmend::LaunchResult launch(const std::wstring&, quillmend::WindowMode, std::optional<DWORD>) override
    {
        return quillmend::LaunchResult::notStarted;
    }
};

// Skins and unskins the form `cycles` times, painting it now and then.
void attachDetachCycles(const char* what, HWND form, int cycles)
{
    ASSERT_EQ(skin::stopSkinEngine(form), 1);
    for (int i = 0; i < 5; ++i) {
        skin::startSkinEngine(form);
        skin::stopSkinEngine(form);
    }
    const Objects before = countObjects();
    for (int i = 0; i < cycles; ++i) {
        ASSERT_EQ(skin::startSkinEngine(form), 1);
        if (i % 50 == 0)
            UpdateWindow(form);
        ASSERT_EQ(skin::stopSkinEngine(form), 1);
        ASSERT_EQ(skin::attachedWindowCount(), 0);
    }
    expectSame(what, cycles, before, countObjects());
    skin::startSkinEngine(form);
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
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = 100;
        item.pszText = const_cast<wchar_t*>(text);
        SendMessageW(header, HDM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_EQ(skin::startSkinEngine(form.get()), 1);

    struct Target {
        HWND hwnd;
        LPARAM at;
    };
    const Target targets[] = {{push, MAKELPARAM(20, 10)}, {check, MAKELPARAM(5, 8)},
                              {combo, MAKELPARAM(110, 10)}, {header, MAKELPARAM(150, 10)}};
    auto cycle = [&](const Target& t) {
        SendMessageW(t.hwnd, WM_MOUSEMOVE, 0, t.at);
        SendMessageW(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, t.at);
        SendMessageW(t.hwnd, WM_LBUTTONUP, 0, t.at);
        SendMessageW(t.hwnd, WM_MOUSELEAVE, 0, 0);
    };
    auto settle = [&] {
        for (int i = 0; i < 100 && skin::getProp(push, skin::prop::kTimerId) != 0; ++i)
            SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        pumpBounded();
    };

    // Each cycle paints a dozen times and opens and closes the combo box's
    // list: about 40 ms under Wine. QM_SOAK_CYCLES sets another count.
    const char* asked = std::getenv("QM_SOAK_CYCLES");
    const int cycles = asked && *asked ? std::atoi(asked) : 10000;
    // A few cycles with the queue pumped in between first: the combo box's
    // list paints while it is down, and is skinned then, as it should be.
    for (int i = 0; i < 10; ++i)
        for (const Target& t : targets) {
            cycle(t);
            pumpBounded();
        }
    settle();
    const Objects before = countObjects();
    for (int i = 0; i < cycles; ++i) {
        for (const Target& t : targets)
            cycle(t);
        SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        if (i % 100 == 99)
            pumpBounded();
    }
    settle();
    expectSame("hover, press, release, leave", cycles, before, countObjects());
    EXPECT_EQ(skin::stopSkinEngine(form.get()), 1);
}

constexpr int kAttachCycles = 1000;

TEST(Soak, AttachAndDetachTheGalleryAThousandTimes)
{
    auto gallery = gallery::createGallery();
    gallery->show();
    pumpBounded();
    attachDetachCycles("gallery attach and detach", gallery->hwnd(), kAttachCycles);
    gallery->unload();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}

TEST(Soak, AttachAndDetachForm1AThousandTimes)
{
    NoLauncher launcher;
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    quillmend::Form1 form1(launcher, temp);
    form1.show();
    pumpBounded();
    attachDetachCycles("Form1 attach and detach", form1.hwnd(), kAttachCycles);
    form1.form().unload();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
