// Size, position and activation of skinned windows.
#include "input_fixture.h"

#include "support/gdi_count.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;

TEST(Geometry, AResizedPushButtonKeepsSurfacesFacesAndShapeAtItsNewSize)
{
    InputForm f;
    std::vector<HDC> dcs;
    for (int n = 0; n < 4; ++n)
        dcs.push_back(skin::stateSurface(f.push, n));
    skin::setState(f.push, skin::VisualState::hot);
    const int objects = liveGdiObjects();

    SetWindowPos(f.push, nullptr, 0, 0, 140, 31, SWP_NOMOVE | SWP_NOZORDER);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(skin::stateSurface(f.push, n), dcs[n]) << "the contexts stay";
        auto bitmap = reinterpret_cast<HGDIOBJ>(skin::getProp(f.push, skin::prop::kSurfaceBitmap[n]));
        EXPECT_EQ(GetCurrentObject(dcs[n], OBJ_BITMAP), bitmap);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 140);
        EXPECT_EQ(info.bmHeight, 31);
        // The face is drawn at the new size: its bottom-right corner is the tile's.
        Dib face = captureDc(dcs[n], 0, 0, 140, 31);
        EXPECT_EQ(face.pixel(139, 30), face.pixel(0, 30)) << "mirror-symmetric corners";
        EXPECT_NE(face.pixel(139, 30), kSentinel);
    }
    EXPECT_EQ(skin::getState(f.push), skin::VisualState::hot);
    EXPECT_EQ(liveGdiObjects(), objects) << "old bitmaps are released";

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(f.push, region);
    EXPECT_TRUE(PtInRegion(region, 139, 15));
    EXPECT_FALSE(PtInRegion(region, 139, 30));
    EXPECT_TRUE(PtInRegion(region, 70, 30));
    DeleteObject(region);

}

TEST(Geometry, AMovedComboBoxReturnsToNormalUnlessItsListIsDown)
{
    InputForm f;
    skin::setState(f.comboList, skin::VisualState::hot);
    SetWindowPos(f.comboList, nullptr, 131, 11, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(skin::getState(f.comboList), skin::VisualState::normal);

    SendMessageW(f.comboList, CB_SHOWDROPDOWN, TRUE, 0);
    pumpMessages();
    skin::setState(f.comboList, skin::VisualState::pressed);
    SetWindowPos(f.comboList, nullptr, 130, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(skin::getState(f.comboList), skin::VisualState::pressed);
    SendMessageW(f.comboList, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST(Geometry, OwnedWindowsTakingTheActivationAreSkinnedAndUnrelatedOnesAreNot)
{
    InputForm f;
    registerPlainClass(L"QmOwned");
    const int count = skin::attachedWindowCount();
    // Shown, the owned popup takes the activation from the form and is
    // attached on the way; it is no container, so its button is not.
    HWND owned = CreateWindowExW(0, L"QmOwned", L"owned", WS_POPUP | WS_VISIBLE, 60, 60, 100, 60, f.form.get(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND button = makeChild(owned, L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 75, 25);
    pumpMessages();
    EXPECT_NE(skin::getProp(owned, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::getProp(button, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count + 1);

    // An unrelated window of another class taking the activation is left alone.
    HWND stranger = CreateWindowExW(0, L"QmOwned", L"stranger", WS_POPUP | WS_VISIBLE, 300, 60, 100, 60, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    pumpMessages();
    SendMessageW(f.form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger));
    EXPECT_EQ(skin::getProp(stranger, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count + 1);

    DestroyWindow(owned);
    DestroyWindow(stranger);
    EXPECT_EQ(skin::attachedWindowCount(), count);
}
