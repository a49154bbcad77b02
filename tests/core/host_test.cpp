// A host program's own window: whatever its class, the window handed to the
// engine counts as a container, and stopping gives every window back; the
// windows of the host's other threads are never touched.
#include "core_fixture.h"

#include "skin/images/scratch.h"
#include "support/pixels.h"

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

// A second user-interface thread of the host owns a dialog under the skinned window and one owned by it. Starting,
// using and stopping the skin on the first thread leaves them and their buttons as they were (procedure, style,
// properties and pixels), also when an idle message or the activation names them: the engine's state is not
// shared between threads.
TEST(Host, DialogsOfAnotherThreadAreLeftAlone)
{
    SkinnedForm f;
    static HWND theirs[4]; // the dialog under the form and its button, the owned dialog and its button
    static const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, [](void* form) -> DWORD {
        const auto owner = static_cast<HWND>(form);
        theirs[0] = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"#32770", L"", WS_CHILD | WS_VISIBLE, 100, 150, 200, 45, owner, nullptr, nullptr, nullptr);
        theirs[2] = CreateWindowExW(0, L"#32770", L"owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 300, 200, 80, owner, nullptr, nullptr, nullptr);
        for (int i : {1, 3})
            theirs[i] = makeChild(theirs[i - 1], L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 75, 25);
        SetEvent(ready);
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;)
            DispatchMessageW(&msg);
        return DestroyWindow(theirs[2]) && DestroyWindow(theirs[0]);
    }, f.f, 0, nullptr);
    ASSERT_TRUE(pumpUntil([] { return WaitForSingleObject(ready, 0) == WAIT_OBJECT_0; }));
    // Procedure, style and skin properties, and pixels, once their own thread has painted them and is idle.
    const auto look = [] {
        std::vector<std::pair<std::tuple<LONG_PTR, LONG_PTR, size_t>, Dib>> all;
        for (HWND h : theirs)
            UpdateWindow(h), SendMessageW(h, WM_NULL, 0, 0);
        for (HWND h : theirs)
            all.emplace_back(std::tuple(GetWindowLongPtrW(h, GWLP_WNDPROC), GetWindowLongPtrW(h, GWL_STYLE), skinProperties(h).size()), captureWindow(h));
        return all;
    };
    const auto before = look();
    for (int (*step)(HWND) noexcept : {skin::startSkinEngine, skin::stopSkinEngine}) {
        ASSERT_EQ(step(f.f), 1);
        for (HWND named : {theirs[0], theirs[2]})
            SendMessageW(f.f, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(named));
        SendMessageW(f.f, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(theirs[2]));
        const auto now = look();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i].first == before[i].first && samePixels(now[i].second, before[i].second)) << "window " << i;
    }
    PostThreadMessageW(GetThreadId(thread), WM_QUIT, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }));
    CloseHandle(thread);
}
