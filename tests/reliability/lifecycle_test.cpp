// Windows that go away at awkward moments: mid-fade, inside their own click;
// the engine stopped when it was never started, or twice; a window whose
// saved procedure was removed.
#include "reliability.h"

#include "gallery/gallery_form.h"
#include "skin/images/skin_images.h"

using namespace qmtest;
using namespace skin;

namespace {

const LPARAM kAt = MAKELPARAM(5, 5);

} // namespace

TEST(Lifecycle, WindowDestroyedMidFadeOrByItsOwnClickHandler)
{
    // A push button or a check box, destroyed from outside in the middle of its fade, or by the form's handler
    // of its click (by mouse or space bar); the control alone or the whole form it is on.
    enum How { midFade, mouse, spaceBar };
    for (const How how : {midFade, mouse, spaceBar})
        for (const bool checkBox : {false, true})
            for (const bool wholeForm : {false, true}) {
                SCOPED_TRACE(testing::Message() << "how " << how << ", check box " << checkBox << ", whole form " << wholeForm);
                auto form = gallery::createGallery();
                form->show();
                const wchar_t* names[] = {L"CommandEnabled", L"CheckUnchecked"};
                HWND control = form->window(names[checkBox]);
                HWND doomed = wholeForm ? form->hwnd() : control;
                form->onClick(names[checkBox], [doomed] { DestroyWindow(doomed); });
                const int attached = attachedWindowCount();
                if (how == spaceBar)
                    SetFocus(control);
                SendMessageW(control, WM_MOUSEMOVE, 0, kAt);
                if (how == midFade) {
                    ASSERT_TRUE(checkBox || getProp(control, prop::kTimerId) != 0);
                    for (int i = 0; i < 10; ++i)
                        SendMessageW(control, WM_TIMER, kFadeTimerId, 0);
                    DestroyWindow(doomed);
                }
                const bool key = how == spaceBar;
                SendMessageW(control, key ? WM_KEYDOWN : WM_LBUTTONDOWN, key ? VK_SPACE : MK_LBUTTON, key ? 0 : kAt);
                SendMessageW(control, key ? WM_KEYUP : WM_LBUTTONUP, key ? VK_SPACE : 0, key ? 0 : kAt);
                EXPECT_FALSE(IsWindow(control));
                EXPECT_EQ(attachedWindowCount(), wholeForm ? 0 : attached - 1);
                PostMessageW(control, WM_TIMER, kFadeTimerId, 0);
                EXPECT_TRUE(pumpBounded());
                if (!wholeForm) { // the rest of the form is still skinned, and comes off whole
                    SendMessageW(form->window(names[!checkBox]), WM_MOUSEMOVE, 0, kAt);
                    EXPECT_EQ(stopSkinEngine(form->hwnd()), 1);
                }
                EXPECT_EQ(attachedWindowCount(), 0);
                EXPECT_FALSE(skinInitialised());
            }
}

TEST(Lifecycle, StopBeforeStartOrTwiceAndAWindowWhoseSavedProcedureWasRemoved)
{
    auto form = gallery::createGallery(gallery::GallerySkin::off);
    form->show();
    HWND push = form->window(L"CommandEnabled");
    HWND gone = makeChild(form->hwnd(), L"Button", L"", 0, 0, 0, 10, 10);
    DestroyWindow(gone);
    for (HWND hwnd : {form->hwnd(), push, HWND{}, gone})
        EXPECT_EQ(stopSkinEngine(hwnd), 0);
    EXPECT_FALSE(skinInitialised());
    ASSERT_EQ(startSkinEngine(form->hwnd()), 1);
    EXPECT_EQ(stopSkinEngine(form->hwnd()), 1);
    EXPECT_EQ(stopSkinEngine(form->hwnd()), 0);
    EXPECT_EQ(attachedWindowCount(), 0);
    EXPECT_FALSE(skinInitialised());
    EXPECT_EQ(startSkinEngine(form->hwnd()), 1) << "and starts again";
    EXPECT_EQ(GetObjectType(buttonFaceImage()), DWORD(OBJ_MEMDC));

    // A window whose saved procedure was removed gets default processing, and is not attached again: it
    // would keep the skin's own procedure as its saved one and every message would call itself without end.
    const HANDLE saved = RemovePropW(push, prop::kProcAddr);
    ASSERT_NE(saved, nullptr);
    for (UINT msg : {WM_PAINT, WM_NCPAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE, WM_TIMER, WM_SIZE,
                     WM_ENABLE, WM_SETFOCUS, WM_KILLFOCUS, WM_KEYDOWN, WM_KEYUP})
        SendMessageW(push, msg, 0, 0);
    EXPECT_TRUE(pumpBounded());
    EXPECT_EQ(attachWindow(push), 0);
    SendMessageW(form->hwnd(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(push));
    EXPECT_EQ(GetPropW(push, prop::kProcAddr), nullptr);
    SetPropW(push, prop::kProcAddr, saved);
    EXPECT_EQ(stopSkinEngine(form->hwnd()), 1);
    EXPECT_EQ(attachedWindowCount(), 0);
}
