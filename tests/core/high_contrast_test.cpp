// High contrast: the engine leaves every window to the system while the mode
// is on, and skins them again when it ends. Wine cannot switch the mode
// (SPI_SETHIGHCONTRAST fails), so the test answers the engine's question and
// announces the change the way the system does, by broadcast.
#include "core_fixture.h"

#include "skin/core/high_contrast.h"
#include "support/gdi_count.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qmtest;

namespace {

bool g_highContrast = false;

void announce(UINT msg, bool on)
{
    g_highContrast = on;
    SendMessageTimeoutW(HWND_BROADCAST, msg, msg == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    pumpMessages();
}

} // namespace

TEST(HighContrast, LeavesEveryWindowToTheSystemWhileOnAndSkinsThemAgainWhenOff)
{
    skin::setHighContrastQuery([]() noexcept { return g_highContrast; });
    SkinnedForm f;
    UniqueWindow dialog = makeHiddenDialog();
    std::vector<HWND> all = descendants(dialog.get()), formWindows = descendants(f.f);
    all.insert(all.end(), formWindows.begin(), formWindows.end());
    all.insert(all.end(), {f.f, dialog.get()});
    std::vector<LONG_PTR> ownProcs;
    for (HWND h : all)
        ownProcs.push_back(GetWindowLongPtrW(h, GWLP_WNDPROC));
    // The system makes some objects of its own the first time the windows are drawn skinned.
    for (auto step : {skin::startSkinEngine, skin::stopSkinEngine})
        for (HWND root : {f.f, dialog.get()})
            ASSERT_EQ(step(root), 1);
    pumpMessages();
    const int objectsUnskinned = liveGdiObjects();

    g_highContrast = true;
    for (HWND root : {f.f, dialog.get()})
        EXPECT_EQ(skin::startSkinEngine(root), skin::kLeftToSystem);
    EXPECT_EQ(std::ranges::count_if(all, skin::isAttached), 0);
    EXPECT_FALSE(skin::skinInitialised());
    for (UINT msg : {WM_SETTINGCHANGE, WM_SYSCOLORCHANGE}) {
        announce(msg, false);
        EXPECT_EQ(std::ranges::count_if(all, skin::isAttached), static_cast<int>(all.size())) << msg;
        EXPECT_EQ(skin::attachedWindowCount(), static_cast<int>(all.size()));
        EXPECT_NE(skin::stateSurface(f.push, 0), nullptr);
        announce(msg, true);
        announce(WM_SETTINGCHANGE, true); // another setting changes meanwhile
        EXPECT_EQ(skin::attachedWindowCount(), 0) << msg;
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_TRUE(skinProperties(all[i]).empty()) << i;
            EXPECT_EQ(GetWindowLongPtrW(all[i], GWLP_WNDPROC), ownProcs[i]) << i;
        }
        EXPECT_EQ(liveGdiObjects(), objectsUnskinned);
    }
    // A window stopped while left to the system stays unskinned afterwards.
    EXPECT_EQ(skin::stopSkinEngine(dialog.get()), 0);
    announce(WM_SYSCOLORCHANGE, false);
    EXPECT_TRUE(skin::isAttached(f.f));
    EXPECT_FALSE(skin::isAttached(dialog.get()));
    skin::setHighContrastQuery(nullptr);
}
