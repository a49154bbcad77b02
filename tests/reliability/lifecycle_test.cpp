// Windows that go away at awkward moments: mid-fade, inside their own click,
// under a message box opened from a timer tick; the engine stopped when it
// was never started, or twice; a window whose saved procedure was removed.
#include "reliability.h"

#include "app/form_classes.h"
#include "skin/images/skin_images.h"

#include <functional>

using namespace qmtest;
using namespace skin;

namespace {

// What the host form does with a message before its default processing.
std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)> g_onMessage;
const LPARAM kAt = MAKELPARAM(5, 5);

// A container ("ThunderFormDC") whose procedure runs g_onMessage, with a push button and a check box.
struct Host {
    Host()
    {
        quillmend::registerFormClasses();
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (g_onMessage)
                g_onMessage(msg, wParam, lParam);
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        };
        wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = L"ThunderFormDC";
        RegisterClassExW(&wc);
        window = makeTopLevel(L"ThunderFormDC", 240, 100, L"host");
        push = makeChild(window.get(), L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 90, 26);
        check = makeChild(window.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, 50, 90, 17);
    }
    ~Host() { g_onMessage = nullptr, window.reset(), pumpBounded(); }
    HWND hwnd() const { return window.get(); }
    UniqueWindow window;
    HWND push, check;
};

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
                Host host;
                HWND control = checkBox ? host.check : host.push;
                ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
                const int attached = attachedWindowCount();
                g_onMessage = [&](UINT msg, WPARAM wParam, LPARAM lParam) {
                    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == control && HIWORD(wParam) == BN_CLICKED)
                        DestroyWindow(wholeForm ? host.hwnd() : control);
                };
                if (how == spaceBar)
                    SetFocus(control);
                SendMessageW(control, WM_MOUSEMOVE, 0, kAt);
                if (how == midFade) {
                    ASSERT_TRUE(checkBox || getProp(control, prop::kTimerId) != 0);
                    for (int i = 0; i < 10; ++i)
                        SendMessageW(control, WM_TIMER, kFadeTimerId, 0);
                    DestroyWindow(wholeForm ? host.hwnd() : control);
                } else {
                    const bool key = how == spaceBar;
                    SendMessageW(control, key ? WM_KEYDOWN : WM_LBUTTONDOWN, key ? VK_SPACE : MK_LBUTTON, key ? 0 : kAt);
                    SendMessageW(control, key ? WM_KEYUP : WM_LBUTTONUP, key ? VK_SPACE : 0, key ? 0 : kAt);
                }
                EXPECT_FALSE(IsWindow(control));
                EXPECT_EQ(attachedWindowCount(), wholeForm ? 0 : attached - 1);
                PostMessageW(control, WM_TIMER, kFadeTimerId, 0);
                EXPECT_TRUE(pumpBounded());
                if (!wholeForm) { // the rest of the form is still skinned, and comes off whole
                    SendMessageW(checkBox ? host.push : host.check, WM_MOUSEMOVE, 0, kAt);
                    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
                }
                EXPECT_EQ(attachedWindowCount(), 0);
                EXPECT_FALSE(skinInitialised());
            }
}

TEST(Lifecycle, MessageBoxFromATimerTickAndStopsBeforeStartOrTwice)
{
    Host host;
    HWND gone = makeChild(host.hwnd(), L"Button", L"", 0, 0, 0, 10, 10);
    DestroyWindow(gone);
    for (HWND hwnd : {host.hwnd(), host.push, HWND{}, gone})
        EXPECT_EQ(stopSkinEngine(hwnd), 0);
    EXPECT_FALSE(skinInitialised());

    ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
    const int attached = attachedWindowCount();
    SendMessageW(host.push, WM_MOUSEMOVE, 0, kAt); // a fade runs meanwhile
    int result = 0;
    g_onMessage = [&](UINT msg, WPARAM wParam, LPARAM) {
        if (msg == WM_TIMER && wParam == 77)
            result = MessageBoxW(host.hwnd(), L"提示 Tick", L"tick", MB_OK);
    };
    // Answers the box as soon as it is activated, and notes whether the skin had attached it by the time it goes.
    static bool boxSkinned = false;
    HHOOK hook = SetWindowsHookExW(WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t name[16]{};
        if ((code == HCBT_ACTIVATE || code == HCBT_DESTROYWND) && GetClassNameW(box, name, 16) && std::wstring_view(name) == L"#32770")
            code == HCBT_ACTIVATE ? void(PostMessageW(box, WM_COMMAND, IDOK, 0)) : void(boxSkinned = isAttached(box));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }, nullptr, GetCurrentThreadId());
    SendMessageW(host.hwnd(), WM_TIMER, 77, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(boxSkinned);
    EXPECT_EQ(attachedWindowCount(), attached);
    for (int i = 0; i < 100 && getProp(host.push, prop::kTimerId) != 0; ++i) // the fade goes on to its end
        SendMessageW(host.push, WM_TIMER, kFadeTimerId, 0);
    EXPECT_EQ(getProp(host.push, prop::kTimerId), 0);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 0);
    EXPECT_EQ(attachedWindowCount(), 0);
    EXPECT_FALSE(skinInitialised());
    EXPECT_EQ(startSkinEngine(host.hwnd()), 1) << "and starts again";
    EXPECT_EQ(GetObjectType(buttonFaceImage()), DWORD(OBJ_MEMDC));

    // A window whose saved procedure was removed gets default processing, and is not attached again: it
    // would keep the skin's own procedure as its saved one and every message would call itself without end.
    const HANDLE saved = RemovePropW(host.push, prop::kProcAddr);
    ASSERT_NE(saved, nullptr);
    for (UINT msg : {WM_PAINT, WM_NCPAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE, WM_TIMER, WM_SIZE,
                     WM_ENABLE, WM_SETFOCUS, WM_KILLFOCUS, WM_KEYDOWN, WM_KEYUP})
        SendMessageW(host.push, msg, 0, 0);
    EXPECT_TRUE(pumpBounded());
    EXPECT_EQ(attachWindow(host.push), 0);
    SendMessageW(host.hwnd(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(host.push));
    EXPECT_EQ(GetPropW(host.push, prop::kProcAddr), nullptr);
    SendMessageW(host.push, WM_MOUSEMOVE, 0, kAt);
    SetPropW(host.push, prop::kProcAddr, saved);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(attachedWindowCount(), 0);
}
