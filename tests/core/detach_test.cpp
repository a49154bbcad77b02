// Detaching: every window gets back exactly what it had, and everything the
// skin made is gone.
#include "core_fixture.h"

#include "skin/images/skin_images.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

// Every GDI handle the skin keeps for a window.
std::vector<HGDIOBJ> skinHandles(HWND hwnd)
{
    std::vector<HGDIOBJ> handles;
    for (int n = 0; n < 4; ++n) {
        if (auto dc = reinterpret_cast<HGDIOBJ>(skin::getProp(hwnd, skin::prop::kSurfaceDc[n])))
            handles.push_back(dc);
        if (auto bmp = reinterpret_cast<HGDIOBJ>(skin::getProp(hwnd, skin::prop::kSurfaceBitmap[n])))
            handles.push_back(bmp);
    }
    return handles;
}

} // namespace

TEST(Detach, GivesEveryWindowBackWhatItHadAndReleasesEverything)
{
    {
        SkinnedForm f;
        std::vector<std::pair<HWND, LONG_PTR>> procs;
        for (HWND h : descendants(f.form.get()))
            procs.emplace_back(h, GetWindowLongPtrW(h, GWLP_WNDPROC));
        const int objectsUnskinned = liveGdiObjects();

        skin::startSkinEngine(f.form.get());
        std::vector<HGDIOBJ> created;
        for (HWND h : descendants(f.form.get()))
            for (HGDIOBJ o : skinHandles(h))
                created.push_back(o);
        const std::vector<HGDIOBJ> images = {skin::buttonFaceImage(), skin::comboButtonImage(),
                                             skin::markGlyphImage(), skin::optionBubbleImage(),
                                             skin::headerItemImage()};
        created.insert(created.end(), images.begin(), images.end());
        ASSERT_EQ(created.size(), 7u * 8 + 5);
        // A fade still running when the button goes.
        skin::startFadeTimer(f.push);
        EnableWindow(f.defPush, FALSE);

        EXPECT_EQ(skin::stopSkinEngine(f.form.get()), 1);
        EXPECT_EQ(skin::attachedWindowCount(), 0);
        EXPECT_FALSE(skin::skinInitialised());
        for (HGDIOBJ o : created)
            EXPECT_EQ(GetObjectType(o), 0u) << o;
        for (auto [hwnd, proc] : procs) {
            EXPECT_TRUE(skinProperties(hwnd).empty());
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
            HRGN region = CreateRectRgn(0, 0, 0, 0);
            EXPECT_EQ(GetWindowRgn(hwnd, region), ERROR);
            DeleteObject(region);
        }
        EXPECT_TRUE(skinProperties(f.form.get()).empty());
        for (size_t i = 0; i < f.styles.size() - 2; ++i) {
            HWND h = std::vector<HWND>{f.push, f.defPush, f.autoRadio, f.check, f.group, f.disabled,
                                       f.label, f.combo, f.header}[i];
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
            EXPECT_EQ(style & BS_TYPEMASK, f.styles[i] & BS_TYPEMASK) << i;
        }
        // Disabled while skinned: it stays disabled.
        EXPECT_FALSE(IsWindowEnabled(f.defPush));
        EXPECT_FALSE(KillTimer(f.push, skin::kFadeTimerId)) << "the fade timer was killed";
        EXPECT_EQ(liveGdiObjects(), objectsUnskinned);

        // A later start builds the images again.
        skin::startSkinEngine(f.form.get());
        EXPECT_TRUE(skin::skinInitialised());
        EXPECT_EQ(GetObjectType(skin::buttonFaceImage()), DWORD(OBJ_MEMDC));
    }
}

TEST(Detach, IsHarmlessTwiceAndForWindowsNeverAttached)
{
    SkinnedForm f;
    skin::startSkinEngine(f.form.get());
    const int count = skin::attachedWindowCount();
    UniqueWindow stranger = makeTopLevel(L"QmPlain", 40, 40);
    EXPECT_EQ(skin::detachWindow(stranger.get()), 0);
    EXPECT_EQ(skin::detachWindow(nullptr), 0);
    EXPECT_EQ(skin::detachWindow(f.label), 1);
    EXPECT_EQ(skin::detachWindow(f.label), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count - 1);
}

TEST(Detach, ALaterDialogGoesWithoutTakingTheImages)
{
    SkinnedForm f;
    skin::startSkinEngine(f.form.get());
    const int count = skin::attachedWindowCount();
    UniqueWindow dialog = makeHiddenDialog();
    SendMessageW(f.form.get(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog.get()));
    ASSERT_EQ(skin::attachedWindowCount(), count + 2);
    dialog.reset();
    EXPECT_EQ(skin::attachedWindowCount(), count);
    EXPECT_TRUE(skin::skinInitialised());
    EXPECT_EQ(GetObjectType(skin::buttonFaceImage()), DWORD(OBJ_MEMDC));
}
