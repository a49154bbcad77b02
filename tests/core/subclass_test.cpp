// The skin is one link in each window's chain of procedures. A host's own
// subclass, put on before or after the skin, by hand or through comctl32,
// hears what it hears without the skin, and the skin never writes a procedure
// over one installed after its own.
#include "core_fixture.h"

#include "skin/router/window_proc.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using namespace qmtest;

namespace {

// What one run of steps showed, the same for the skinned run and its twin.
enum : size_t { parentClicks, hostClicks, hostEnds, madeWith, finalProc };
std::array<LONG_PTR, 5> g_heard; // madeWith: the procedure the button's messages reach when it is made
std::map<HWND, LONG_PTR> g_replaced; // what the hand-made subclass replaced

void hostHears(UINT msg) { g_heard[hostClicks] += msg == BM_CLICK, g_heard[hostEnds] += msg == WM_NCDESTROY; }

LRESULT CALLBACK handSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    hostHears(msg);
    return CallWindowProcW(reinterpret_cast<WNDPROC>(g_replaced[hwnd]), hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK commonSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    hostHears(msg);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK clickCounter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_heard[parentClicks] += msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Steps: B the button is made below the parent, S the skin starts on the
// parent, K it stops, H the host subclasses the button, O it takes its
// subclass off, C a click, X the button is destroyed, D the parent. The twin
// skips S and K. Whatever is left is destroyed at the end.
std::array<LONG_PTR, 5> run(const std::string& steps, bool skinned, bool byComctl)
{
    g_heard = {};
    registerPlainClass(L"QmClickCounter", clickCounter);
    UniqueWindow parent = makeTopLevel(L"QmClickCounter", 200, 60);
    HWND button = nullptr;
    const auto hand = reinterpret_cast<LONG_PTR>(&handSubclass);
    for (char step : steps) {
        switch (skinned || (step != 'S' && step != 'K') ? step : 0) {
        case 'B':
            button = makeChild(parent.get(), L"Button", L"Go", BS_PUSHBUTTON, 5, 5, 80, 25);
            g_heard[madeWith] = skin::isAttached(button) ? reinterpret_cast<LONG_PTR>(skin::savedProcOf(button))
                                                         : GetWindowLongPtrW(button, GWLP_WNDPROC);
            break;
        case 'S':
            EXPECT_EQ(skin::startSkinEngine(parent.get()), 1) << steps;
            EXPECT_TRUE(!button || skin::isAttached(button)) << steps << ": skinned again where it stands";
            break;
        case 'K':
            EXPECT_EQ(skin::stopSkinEngine(parent.get()), 1) << steps;
            EXPECT_EQ(skin::attachedWindowCount(), 0) << steps << ": a passing window counts as given back";
            break;
        case 'H': byComctl ? void(SetWindowSubclass(button, commonSubclass, 1, 0)) : void(g_replaced[button] = SetWindowLongPtrW(button, GWLP_WNDPROC, hand)); break;
        case 'O': byComctl ? void(RemoveWindowSubclass(button, commonSubclass, 1)) : void(SetWindowLongPtrW(button, GWLP_WNDPROC, g_replaced[button])); break;
        case 'C': SendMessageW(button, BM_CLICK, 0, 0); break;
        case 'X': DestroyWindow(std::exchange(button, nullptr)); break;
        case 'D': DestroyWindow(parent.release()); break;
        }
    }
    g_heard[finalProc] = IsWindow(button) ? GetWindowLongPtrW(button, GWLP_WNDPROC) : 0;
    if (IsWindow(parent.get()) && skinned)
        skin::stopSkinEngine(parent.get());
    parent.reset();
    EXPECT_EQ(skin::attachedWindowCount(), 0) << steps;
    return g_heard;
}

} // namespace

TEST(Subclass, HostSubclassesHearWhatTheyHearWithoutTheSkin)
{
    const char* const rows[] = {
        "BSHKCOC",   // the skin stops under the host's subclass: both keep working
        "BHSCKCOC",  // the host's subclass below the skin's
        "BSHCX",     // a skinned button destroyed under the host's subclass
        "BSHCD",     // ... and with its parent
        "BSHOKC",    // the host leaves first
        "BSHKSCKOC", // skinned again while it passes messages on, then given back again
        "BSHKOSCKC", // the host leaves while the skin passes messages on, then the skin comes back
        "SBHCKCOC",  // a control made below a skinned window, subclassed at once, as frameworks do
        "SBHCX",
        "SKSBHCD",   // the last window given back, another skinned: one creation hook, the new child skinned once
    };
    for (const char* steps : rows)
        for (bool byComctl : {false, true})
            EXPECT_EQ(run(steps, true, byComctl), run(steps, false, byComctl)) << steps << (byComctl ? " comctl32" : " by hand");
}

// A window destroyed without the skin's knowledge (its chain cut above the
// skin's procedure, or a passing one's) leaves its values in the engine's
// table. A new window that gets its handle, as handles come round again, is
// skinned afresh: the values are planted as they would be left.
TEST(Subclass, ANewWindowWithTheHandleOfOneThatWentUnseenInheritsNothing)
{
    for (const skin::PropName& left : {skin::prop::kProcAddr, skin::prop::kPassProc}) {
        UniqueWindow parent = makeTopLevel(L"Form", 200, 60);
        HWND button = makeChild(parent.get(), L"Button", L"Go", BS_PUSHBUTTON, 5, 5, 80, 25);
        const LONG_PTR own = GetWindowLongPtrW(button, GWLP_WNDPROC);
        skin::writeState(button, left.slot, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
        skin::writeState(button, skin::prop::kOldState.slot, 2);
        ASSERT_EQ(skin::startSkinEngine(parent.get()), 1);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(skin::savedProcOf(button)), own) << left.text;
        EXPECT_EQ(skin::getState(button), skin::VisualState::normal) << left.text;
        EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));
        skin::stopSkinEngine(parent.get());
        EXPECT_FALSE(skin::holdsState(button)) << left.text;
    }
}
