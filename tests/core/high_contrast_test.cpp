// High contrast: the engine leaves every window to the system while the mode
// is on, and skins them again when it ends. Wine cannot switch the mode
// (SPI_SETHIGHCONTRAST fails), so the tests answer the engine's question and
// announce the change the way the system does, by broadcast.
#include "core_fixture.h"

#include "skin/core/high_contrast.h"
#include "support/gdi_count.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

bool g_highContrast = false;
bool answer() noexcept { return g_highContrast; }

void announce(UINT msg, bool on)
{
    g_highContrast = on;
    SendMessageTimeoutW(HWND_BROADCAST, msg, msg == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0,
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    pumpMessages();
}

struct HighContrastTest : ::testing::Test {
    void SetUp() override { skin::setHighContrastQuery(answer); g_highContrast = false; }
    void TearDown() override { skin::setHighContrastQuery(nullptr); }
};

int attachedIn(const std::vector<HWND>& windows)
{
    int n = 0;
    for (HWND h : windows)
        n += skin::isAttached(h);
    return n;
}

} // namespace

TEST_F(HighContrastTest, StartUnderHighContrastAttachesNothingUntilTheModeEnds)
{
    SkinnedForm f;
    std::vector<HWND> all = descendants(f.form.get());
    all.push_back(f.form.get());
    g_highContrast = true;
    EXPECT_EQ(skin::startSkinEngine(f.form.get()), skin::kLeftToSystem);
    EXPECT_EQ(attachedIn(all), 0);
    EXPECT_FALSE(skin::skinInitialised());

    announce(WM_SETTINGCHANGE, true); // another setting: still left alone
    EXPECT_EQ(attachedIn(all), 0);
    announce(WM_SETTINGCHANGE, false);
    EXPECT_EQ(attachedIn(all), f.windowCount());
    EXPECT_EQ(skin::attachedWindowCount(), f.windowCount());

    // A window stopped while left to the system stays unskinned afterwards.
    announce(WM_SYSCOLORCHANGE, true);
    EXPECT_EQ(skin::stopSkinEngine(f.form.get()), 0);
    announce(WM_SYSCOLORCHANGE, false);
    EXPECT_EQ(attachedIn(all), 0);
}

TEST_F(HighContrastTest, TurningItOnGivesEveryWindowBackCleanlyAndOffSkinsThemAgain)
{
    SkinnedForm f;
    UniqueWindow dialog = makeHiddenDialog();
    std::vector<HWND> all = descendants(f.form.get());
    all.push_back(f.form.get());
    for (HWND h : descendants(dialog.get()))
        all.push_back(h);
    all.push_back(dialog.get());
    std::vector<LONG_PTR> procs;
    for (HWND h : all)
        procs.push_back(GetWindowLongPtrW(h, GWLP_WNDPROC));
    // The system makes some objects of its own the first time the windows are
    // drawn skinned; count after one ordinary start and stop.
    for (auto step : {skin::startSkinEngine, skin::stopSkinEngine})
        for (HWND root : {f.form.get(), dialog.get()})
            ASSERT_EQ(step(root), 1);
    pumpMessages();
    const int objectsUnskinned = liveGdiObjects();
    ASSERT_EQ(skin::startSkinEngine(f.form.get()), 1);
    ASSERT_EQ(skin::startSkinEngine(dialog.get()), 1);
    ASSERT_EQ(attachedIn(all), static_cast<int>(all.size()));

    for (UINT msg : {WM_SETTINGCHANGE, WM_SYSCOLORCHANGE}) {
        announce(msg, true);
        EXPECT_EQ(skin::attachedWindowCount(), 0) << msg;
        EXPECT_FALSE(skin::skinInitialised());
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_TRUE(skinProperties(all[i]).empty()) << i;
            EXPECT_EQ(GetWindowLongPtrW(all[i], GWLP_WNDPROC), procs[i]) << i;
        }
        EXPECT_EQ(liveGdiObjects(), objectsUnskinned);
        EXPECT_EQ(GetWindowLongPtrW(f.push, GWL_STYLE) & BS_TYPEMASK, f.styles[0] & BS_TYPEMASK);

        announce(msg, false);
        EXPECT_EQ(attachedIn(all), static_cast<int>(all.size())) << msg;
        EXPECT_TRUE(skin::skinInitialised());
        EXPECT_NE(skin::stateSurface(f.push, 0), nullptr);
    }
    skin::stopSkinEngine(dialog.get());
}
