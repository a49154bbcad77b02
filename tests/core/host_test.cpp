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

// One row per host class, each on a thread of its own, both at once: a class
// of the host's own, and a listed container whose rule must not change. Below
// each, a push button, a check box and a plain panel holding another push
// button; after the start, a push button and a check box more, which must
// look exactly like the first ones. Each thread counts its own windows and
// cannot give back the other's. The first one stops; the other's windows
// still draw skinned, from that thread's own images. The hosts never take the
// activation, so neither thread waits for the other while it waits at the
// barrier.
TEST(Host, WindowOfAnyClassSkinsEveryWindowBelowItOnItsOwnThreadAndGivesThemBack)
{
    quillmend::registerFormClasses();
    registerPlainClass(L"QmHostWindow");
    registerPlainClass(L"QmHostPanel");
    std::barrier together(2);
    HWND hosts[2]{};
    auto row = [&](int i, const wchar_t* hostClass) {
        UniqueWindow host(hosts[i] = CreateWindowExW(0, hostClass, L"", WS_POPUP | WS_CLIPCHILDREN, 40 + 320 * i, 300,
                                                     300, 120, nullptr, nullptr, nullptr, nullptr));
        auto addButtons = [&](int y) {
            return std::pair{makeChild(host.get(), L"Button", L"Open", BS_PUSHBUTTON, 10, y, 90, 26),
                             makeChild(host.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, y + 28, 90, 20)};
        };
        const auto [button, check] = addButtons(10);
        HWND panel = makeChild(host.get(), L"QmHostPanel", L"", 0, 120, 10, 150, 80);
        HWND inner = makeChild(panel, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 80, 24);
        std::map<HWND, LONG_PTR> procs;
        for (HWND h : {host.get(), button, check, panel, inner})
            procs[h] = GetWindowLongPtrW(h, GWLP_WNDPROC);
        ShowWindow(host.get(), SW_SHOWNOACTIVATE);

        EXPECT_EQ(skin::startSkinEngine(host.get()), 1);
        const auto [laterButton, laterCheck] = addButtons(62);
        paintNow(host.get());
        const Dib skinned = captureWindow(host.get());
        together.arrive_and_wait();
        EXPECT_EQ(skin::attachedWindowCount(), 7);
        EXPECT_NE(skin::stateSurface(inner, 0), nullptr) << "the inner button has its faces";
        for (auto [early, later] : {std::pair{button, laterButton}, {check, laterCheck}}) {
            EXPECT_TRUE(samePixels(captureWindow(later), captureWindow(early))) << later;
            procs[later] = procs[early];
        }
        EXPECT_EQ(skin::stopSkinEngine(hosts[1 - i]), 0) << "the other thread's";
        together.arrive_and_wait();
        if (i == 1) {
            together.arrive_and_wait(); // the first thread has given its windows back
            paintNow(host.get());
            EXPECT_TRUE(samePixels(captureWindow(host.get()), skinned)) << "still skinned";
        }
        EXPECT_EQ(skin::stopSkinEngine(host.get()), 1);
        EXPECT_TRUE(skin::attachedWindowCount() == 0 && !skin::skinInitialised() && !skin::scratchSurfacesHeld())
            << "everything released with the last window";
        for (auto [hwnd, proc] : procs)
            EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == proc && skinProperties(hwnd).empty()) << hwnd;
        if (i == 0)
            together.arrive_and_wait();
    };
    std::jthread first(row, 0, L"QmHostWindow"), second(row, 1, L"Form");
}
