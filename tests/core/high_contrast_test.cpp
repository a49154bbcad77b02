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
    UniqueWindow dialog = makeTopLevel(L"#32770", 100, 60); // a dialog box, a second root
    const std::vector<HWND> all = descendants(f.f, {f.f, dialog.get()});
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
        announce(msg, true);
        announce(WM_SETTINGCHANGE, true); // another setting changes meanwhile
        EXPECT_EQ(skin::attachedWindowCount(), 0) << msg;
        for (HWND h : all)
            EXPECT_TRUE(skinProperties(h).empty()) << h;
        EXPECT_EQ(liveGdiObjects(), objectsUnskinned);
    }
    // A window stopped while left to the system stays unskinned afterwards.
    EXPECT_EQ(skin::stopSkinEngine(dialog.get()), 0);
    announce(WM_SYSCOLORCHANGE, false);
    EXPECT_TRUE(skin::isAttached(f.f));
    EXPECT_FALSE(skin::isAttached(dialog.get()));
    skin::setHighContrastQuery(nullptr);
}
