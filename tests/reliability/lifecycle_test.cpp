// Windows that go away at awkward moments: mid-fade, inside their own click,
// under a message box opened from a timer tick; and the engine stopped when
// it was never started, or twice.
#include "kinds_form.h"

#include "app/form_classes.h"
#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/input/fade.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qmtest;
using namespace skin;

namespace {

std::function<void(HWND control, WORD code)> g_onCommand;

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && lParam && g_onCommand)
        g_onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

// A container window ("ThunderFormDC") whose WM_COMMAND runs g_onCommand,
// with a push button and a check box.
struct Host {
    Host()
    {
        quillmend::registerFormClasses();
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = hostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"ThunderFormDC";
        RegisterClassExW(&wc);
        window = makeTopLevel(L"ThunderFormDC", 240, 100, L"host");
        push = makeChild(window.get(), L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 90, 26);
        check = makeChild(window.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, 50, 90, 17);
    }
    ~Host()
    {
        g_onCommand = nullptr;
        window.reset();
        pumpBounded();
    }
    HWND hwnd() const { return window.get(); }
    UniqueWindow window;
    HWND push;
    HWND check;
};

void click(HWND control)
{
    SendMessageW(control, WM_MOUSEMOVE, 0, at(5, 5));
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, at(5, 5));
}

void pressSpace(HWND control)
{
    SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(control, WM_KEYUP, VK_SPACE, 0);
}

} // namespace

TEST(Lifecycle, WindowDestroyedMidFadeTakesItsTimerAlong)
{
    for (const bool wholeForm : {false, true}) {
        Host host;
        ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
        const int attached = attachedWindowCount();
        SendMessageW(host.push, WM_MOUSEMOVE, 0, at(5, 5));
        ASSERT_NE(getProp(host.push, prop::kTimerId), 0);
        for (int i = 0; i < 10; ++i)
            SendMessageW(host.push, WM_TIMER, kFadeTimerId, 0);

        DestroyWindow(wholeForm ? host.hwnd() : host.push);
        EXPECT_EQ(attachedWindowCount(), wholeForm ? 0 : attached - 1);
        EXPECT_EQ(skinInitialised(), !wholeForm);
        for (int i = 0; i < 10; ++i)
            SendMessageW(host.push, WM_TIMER, kFadeTimerId, 0);
        PostMessageW(host.push, WM_TIMER, kFadeTimerId, 0);
        EXPECT_TRUE(pumpBounded());
        if (!wholeForm) {
            // The rest of the form is still skinned, and comes off whole.
            SendMessageW(host.check, WM_MOUSEMOVE, 0, at(5, 5));
            EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
        }
        EXPECT_EQ(attachedWindowCount(), 0);
    }
}

TEST(Lifecycle, WindowDestroyedByItsOwnClickHandler)
{
    struct Row {
        const char* name;
        bool checkBox;
        bool byKey;
        bool wholeForm; // the handler destroys the form the control is on
    };
    const Row rows[] = {
        {"push button, mouse", false, false, false}, {"push button, space bar", false, true, false},
        {"check box, mouse", true, false, false},    {"check box, space bar", true, true, false},
        {"push button, whole form", false, false, true}, {"check box, whole form", true, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Host host;
        HWND control = row.checkBox ? host.check : host.push;
        ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
        const int attached = attachedWindowCount();
        g_onCommand = [&](HWND from, WORD code) {
            if (from == control && code == BN_CLICKED)
                DestroyWindow(row.wholeForm ? host.hwnd() : control);
        };
        if (row.byKey) {
            SetFocus(control);
            pressSpace(control);
        } else {
            click(control);
        }
        EXPECT_FALSE(IsWindow(control));
        EXPECT_EQ(attachedWindowCount(), row.wholeForm ? 0 : attached - 1);
        EXPECT_TRUE(pumpBounded());
        if (!row.wholeForm) {
            EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
        }
        EXPECT_EQ(attachedWindowCount(), 0);
        EXPECT_FALSE(skinInitialised());
    }
}

namespace {

constexpr UINT_PTR kBoxTimerId = 77;
WNDPROC g_buttonProc = nullptr;
int g_boxResult = 0;
bool g_boxSkinned = false;
HHOOK g_hook = nullptr;

// The button's own procedure, as a program would have it: one of its timers
// opens a message box.
LRESULT CALLBACK boxOnTimerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == kBoxTimerId) {
        g_boxResult = MessageBoxW(GetParent(hwnd), L"提示 Tick", L"tick", MB_OK);
        return 0;
    }
    return CallWindowProcW(g_buttonProc, hwnd, msg, wParam, lParam);
}

// Answers every dialog box as soon as it is activated, and notes whether the
// skin had attached it by the time it goes.
LRESULT CALLBACK answerBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t name[16]{};
    if ((code == HCBT_ACTIVATE || code == HCBT_DESTROYWND) && GetClassNameW(hwnd, name, 16)
        && std::wstring_view(name) == L"#32770") {
        if (code == HCBT_ACTIVATE)
            PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
        else
            g_boxSkinned = isAttached(hwnd);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

TEST(Lifecycle, MessageBoxFromATimerTickOfASkinnedButton)
{
    Host host;
    g_buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(host.push, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&boxOnTimerProc)));
    ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
    const int attached = attachedWindowCount();
    SendMessageW(host.push, WM_MOUSEMOVE, 0, at(5, 5)); // a fade runs meanwhile

    g_hook = SetWindowsHookExW(WH_CBT, answerBoxes, nullptr, GetCurrentThreadId());
    SendMessageW(host.push, WM_TIMER, kBoxTimerId, 0);
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(g_boxResult, IDOK);
    EXPECT_TRUE(g_boxSkinned);
    EXPECT_EQ(attachedWindowCount(), attached);

    // The fade goes on to its end, and the skin comes off whole.
    for (int i = 0; i < 100 && getProp(host.push, prop::kTimerId) != 0; ++i)
        SendMessageW(host.push, WM_TIMER, kFadeTimerId, 0);
    EXPECT_EQ(getProp(host.push, prop::kTimerId), 0);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(attachedWindowCount(), 0);
    EXPECT_EQ(GetWindowLongPtrW(host.push, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&boxOnTimerProc));
}

TEST(Lifecycle, StopBeforeStartOrTwiceChangesNothing)
{
    Host host;
    HWND gone = makeChild(host.hwnd(), L"Button", L"", 0, 0, 0, 10, 10);
    DestroyWindow(gone);
    ASSERT_EQ(attachedWindowCount(), 0);
    for (HWND hwnd : {host.hwnd(), host.push, static_cast<HWND>(nullptr), gone})
        EXPECT_EQ(stopSkinEngine(hwnd), 0);
    EXPECT_FALSE(skinInitialised());

    EXPECT_EQ(startSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 0);
    EXPECT_EQ(attachedWindowCount(), 0);
    EXPECT_FALSE(skinInitialised());

    EXPECT_EQ(startSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(GetObjectType(buttonFaceImage()), DWORD(OBJ_MEMDC));
    EXPECT_TRUE(isAttached(host.push));
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
}

TEST(Lifecycle, WindowWhoseSavedProcedureWasRemoved)
{
    Host host;
    ASSERT_EQ(startSkinEngine(host.hwnd()), 1);
    const HANDLE saved = RemovePropW(host.push, prop::kProcAddr);
    ASSERT_NE(saved, nullptr);

    // Default processing, no handler.
    for (UINT msg : {WM_PAINT, WM_NCPAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE, WM_TIMER,
                     WM_SIZE, WM_ENABLE, WM_SETFOCUS, WM_KILLFOCUS, WM_KEYDOWN, WM_KEYUP})
        SendMessageW(host.push, msg, 0, 0);
    EXPECT_TRUE(pumpBounded());

    // Attached again, it would keep the skin's own procedure as its saved
    // one and every message would call itself without end.
    EXPECT_EQ(attachWindow(host.push), 0);
    SendMessageW(host.hwnd(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(host.push));
    EXPECT_EQ(GetPropW(host.push, prop::kProcAddr), nullptr);
    SendMessageW(host.push, WM_MOUSEMOVE, 0, at(5, 5));

    SetPropW(host.push, prop::kProcAddr, saved);
    EXPECT_EQ(stopSkinEngine(host.hwnd()), 1);
    EXPECT_EQ(attachedWindowCount(), 0);
}
