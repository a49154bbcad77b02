// A host program's own window: whatever its class, the window handed to the
// engine counts as a container, and stopping gives every window back.
#include "core_fixture.h"

#include "skin/images/scratch.h"

#include <gtest/gtest.h>

#include <map>

using namespace qmtest;

// One row per host class: a class of the host's own, and a listed container
// whose rule must not change. Below each, a push button and a plain panel
// holding another push button.
TEST(Host, WindowOfAnyClassSkinsEveryWindowBelowItAndGivesThemBack)
{
    for (const wchar_t* hostClass : {L"QmHostWindow", L"Form"}) {
        SCOPED_TRACE(testing::Message() << "host class " << std::string(hostClass, hostClass + wcslen(hostClass)));
        UniqueWindow host = makeTopLevel(hostClass, 300, 120);
        registerPlainClass(L"QmHostPanel");
        HWND button = makeChild(host.get(), L"Button", L"Open", BS_PUSHBUTTON, 10, 10, 90, 26);
        HWND panel = makeChild(host.get(), L"QmHostPanel", L"", 0, 120, 10, 150, 80);
        HWND inner = makeChild(panel, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 80, 24);
        std::map<HWND, LONG_PTR> procs;
        for (HWND h : {host.get(), button, panel, inner})
            procs[h] = GetWindowLongPtrW(h, GWLP_WNDPROC);

        ASSERT_EQ(skin::startSkinEngine(host.get()), 1);
        EXPECT_EQ(skin::attachedWindowCount(), 4);
        EXPECT_NE(skin::stateSurface(inner, 0), nullptr) << "the inner button has its faces";
        ASSERT_EQ(skin::stopSkinEngine(host.get()), 1);
        EXPECT_EQ(skin::attachedWindowCount(), 0);
        EXPECT_FALSE(skin::skinInitialised()) << "everything released with the last window";
        EXPECT_FALSE(skin::scratchSurfacesHeld());
        for (auto [hwnd, proc] : procs) {
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
            EXPECT_TRUE(skinProperties(hwnd).empty());
        }
    }
}
