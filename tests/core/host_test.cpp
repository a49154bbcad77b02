// A host program's own window: whatever its class, the window handed to the
// engine counts as a container, controls the host adds later are skinned as
// they are created, and stopping gives every window back. Each thread has an
// engine of its own, and one thread's never touches another thread's windows.
#include "core_fixture.h"

#include "forms/form_classes.h"
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

// A second user-interface thread of the host owns a dialog under the skinned window and one owned by it. Starting,
// using and stopping the skin on the first thread leaves them and their buttons as they were (procedure, style,
// properties and pixels), also when an idle message or the activation names them: the engine's state is not
// shared between threads.
TEST(Host, DialogsOfAnotherThreadAreLeftAlone)
{
    SkinnedForm f;
    static HWND theirs[4]; // the dialog under the form and its button, the owned dialog and its button
    static const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, [](void* owner) -> DWORD {
        theirs[0] = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"#32770", L"", WS_CHILD | WS_VISIBLE, 100, 150, 200, 45, HWND(owner), nullptr, nullptr, nullptr);
        theirs[2] = CreateWindowExW(0, L"#32770", L"owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 300, 200, 80, HWND(owner), nullptr, nullptr, nullptr);
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
        SendMessageW(f.f, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(theirs[2]));
        SendMessageW(f.f, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(theirs[2]));
        const auto now = look();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i].first == before[i].first && samePixels(now[i].second, before[i].second)) << "window " << i;
    }
    PostThreadMessageW(GetThreadId(thread), WM_QUIT, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }));
    CloseHandle(thread);
}
