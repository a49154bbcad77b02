// A host program's own window: whatever its class, the window handed to the
// engine counts as a container, controls the host adds later are skinned as
// they are created, and stopping gives every window back. Each thread has an
// engine of its own.
#include "core_fixture.h"

#include "app/form_classes.h"
#include "skin/images/scratch.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <barrier>
#include <map>
#include <thread>

using namespace qmtest;

// One row per host class, each on a thread of its own, both at once: a
// class the kind table does not list, and a listed container whose rule must
// not change. Below each, a push button, a check box and a panel holding
// another push button; after the start, a push button and a check box more,
// which must look exactly like the first ones. Each thread counts its own
// windows and cannot give back the other's; the first one stops, and the
// other's windows stay skinned. The hosts never take the activation, so
// neither thread waits for the other while it waits at the barrier. The
// pictures are taken one thread at a time: under Wine, a check box drawn
// while another thread draws now and then shows part of its own frame
// through the skin's square until it is repainted.
TEST(Host, WindowOfAnyClassSkinsEveryWindowBelowItOnItsOwnThreadAndGivesThemBack)
{
    quillmend::registerFormClasses();
    std::barrier together(2);
    HWND hosts[2]{};
    auto row = [&](int i, const wchar_t* hostClass) {
        UniqueWindow host(hosts[i] = CreateWindowExW(0, hostClass, L"", WS_POPUP | WS_CLIPCHILDREN, 40 + 320 * i, 300,
                                                     300, 120, nullptr, nullptr, nullptr, nullptr));
        HWND button = makeChild(host.get(), L"Button", L"Open", BS_PUSHBUTTON, 10, 10, 90, 26);
        HWND check = makeChild(host.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, 38, 90, 20);
        HWND panel = makeChild(host.get(), L"Static", L"", 0, 120, 10, 150, 80);
        HWND inner = makeChild(panel, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 80, 24);
        std::map<HWND, LONG_PTR> procs;
        for (HWND h : {host.get(), button, check, panel, inner})
            procs[h] = GetWindowLongPtrW(h, GWLP_WNDPROC);
        ShowWindow(host.get(), SW_SHOWNOACTIVATE);

        EXPECT_EQ(skin::startSkinEngine(host.get()), 1);
        const std::pair<HWND, HWND> added[] = {
            {button, makeChild(host.get(), L"Button", L"Open", BS_PUSHBUTTON, 10, 62, 90, 26)},
            {check, makeChild(host.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, 90, 90, 20)}};
        together.arrive_and_wait();
        EXPECT_NE(skin::stateSurface(inner, 0), nullptr) << "the inner button has its faces";
        EXPECT_EQ(skin::stopSkinEngine(hosts[1 - i]), 0) << "the other thread's";
        for (int turn : {0, 1, -1}) {
            together.arrive_and_wait();
            if (turn != i)
                continue;
            EXPECT_EQ(skin::attachedWindowCount(), 7) << "the other thread stopped first: " << i;
            paintNow(host.get());
            for (auto [early, later] : added) {
                EXPECT_TRUE(samePixels(captureWindow(later), captureWindow(early))) << later;
                procs[later] = procs[early];
            }
            EXPECT_EQ(skin::stopSkinEngine(host.get()), 1);
            EXPECT_TRUE(skin::attachedWindowCount() == 0 && !skin::skinInitialised() && !skin::scratchSurfacesHeld())
                << "everything released with the last window";
            for (auto [hwnd, proc] : procs)
                EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == proc && skinProperties(hwnd).empty()) << hwnd;
        }
    };
    std::jthread first(row, 0, L"Static"), second(row, 1, L"Form");
}
