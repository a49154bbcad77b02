// The skin is one link in each window's chain of procedures. A host's own
// subclass, put on before or after the skin, by hand or through comctl32,
// hears what it hears without the skin, and the skin never writes a procedure
// over one installed after its own.
#include "core_fixture.h"

#include "skin/router/window_proc.h"

#include <gtest/gtest.h>

#include <map>

using namespace qmtest;

namespace {

// What one run of steps showed: the same for the skinned run and its twin.
struct Heard {
    int parentClicks = 0;
    int hostClicks = 0;
    int hostLastMessages = 0; // WM_NCDESTROY
    LONG_PTR madeWith = 0;    // the procedure the button's messages reach when it is made
    LONG_PTR finalProc = 0;   // installed after the last step
    bool operator==(const Heard&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Heard& h)
    {
        return out << "parent " << h.parentClicks << ", host " << h.hostClicks << " clicks " << h.hostLastMessages
                   << " ends, made with " << h.madeWith << ", ends with " << h.finalProc;
    }
};
Heard g_heard;
std::map<HWND, LONG_PTR> g_replaced; // what the hand-made subclass replaced

void hostHears(UINT msg)
{
    g_heard.hostClicks += msg == BM_CLICK;
    g_heard.hostLastMessages += msg == WM_NCDESTROY;
}

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
    g_heard.parentClicks += msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Steps: B the button is made below the parent, S the skin starts on the
// parent, K it stops, H the host subclasses the button, O it takes its
// subclass off, C a click, X the button is destroyed, D the parent. The twin
// skips S and K. Whatever is left is destroyed at the end.
Heard run(const std::string& steps, bool skinned, bool byComctl)
{
    g_heard = {};
    registerPlainClass(L"QmClickCounter", clickCounter);
    UniqueWindow parent = makeTopLevel(L"QmClickCounter", 200, 60);
    HWND button = nullptr;
    for (char step : steps) {
        if (step == 'B') {
            button = makeChild(parent.get(), L"Button", L"Go", BS_PUSHBUTTON, 5, 5, 80, 25);
            g_heard.madeWith = skin::isAttached(button) ? reinterpret_cast<LONG_PTR>(skin::savedProcOf(button))
                                                        : GetWindowLongPtrW(button, GWLP_WNDPROC);
        } else if (step == 'S' && skinned) {
            EXPECT_EQ(skin::startSkinEngine(parent.get()), 1) << steps;
            EXPECT_TRUE(!button || skin::isAttached(button)) << steps << ": skinned again where it stands";
        } else if (step == 'K' && skinned) {
            EXPECT_EQ(skin::stopSkinEngine(parent.get()), 1) << steps;
            EXPECT_EQ(skin::attachedWindowCount(), 0) << steps << ": a passing window counts as given back";
        } else if (step == 'H' && byComctl) {
            SetWindowSubclass(button, commonSubclass, 1, 0);
        } else if (step == 'H') {
            g_replaced[button] = SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&handSubclass));
        } else if (step == 'O' && byComctl) {
            RemoveWindowSubclass(button, commonSubclass, 1);
        } else if (step == 'O') {
            SetWindowLongPtrW(button, GWLP_WNDPROC, g_replaced[button]);
        } else if (step == 'C') {
            SendMessageW(button, BM_CLICK, 0, 0);
        } else if (step == 'X') {
            DestroyWindow(std::exchange(button, nullptr));
        } else if (step == 'D') {
            DestroyWindow(parent.release());
        }
    }
    g_heard.finalProc = IsWindow(button) ? GetWindowLongPtrW(button, GWLP_WNDPROC) : 0;
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
