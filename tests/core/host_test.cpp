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
    struct Other { HWND owner, under = nullptr, owned = nullptr; HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr); } other{f.f};
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, [](void* data) -> DWORD {
        Other& o = *static_cast<Other*>(data);
        o.under = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"#32770", L"", WS_CHILD | WS_VISIBLE, 100, 150, 200, 45, o.owner, nullptr, nullptr, nullptr);
        o.owned = CreateWindowExW(0, L"#32770", L"owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 300, 200, 80, o.owner, nullptr, nullptr, nullptr);
        for (HWND dialog : {o.under, o.owned})
            makeChild(dialog, L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 75, 25);
        SetEvent(o.ready);
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;)
            DispatchMessageW(&msg);
        DestroyWindow(o.owned), DestroyWindow(o.under);
        return 0;
    }, &other, 0, &threadId);
    const auto wait = [](HANDLE h) { while (MsgWaitForMultipleObjects(1, &h, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) pumpMessages(); };
    wait(other.ready);
    struct Seen { LONG_PTR proc, style; std::set<std::wstring> props; Dib pixels; };
    const HWND theirs[] = {other.under, GetWindow(other.under, GW_CHILD), other.owned, GetWindow(other.owned, GW_CHILD)};
    const auto look = [&] {
        std::vector<Seen> all;
        for (HWND h : theirs) // painted by their own thread, which then has nothing in hand
            UpdateWindow(h), SendMessageW(h, WM_NULL, 0, 0);
        for (HWND h : theirs)
            all.push_back({GetWindowLongPtrW(h, GWLP_WNDPROC), GetWindowLongPtrW(h, GWL_STYLE), skinProperties(h), captureWindow(h)});
        return all;
    };
    const std::vector<Seen> before = look();
    const auto expectUntouched = [&](const char* when) {
        const std::vector<Seen> now = look();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i].proc == before[i].proc && now[i].style == before[i].style && now[i].props.empty()
                        && samePixels(now[i].pixels, before[i].pixels)) << when << ", window " << i;
    };
    ASSERT_EQ(skin::startSkinEngine(f.f), 1);
    for (HWND named : {other.under, other.owned})
        SendMessageW(f.f, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(named));
    SendMessageW(f.f, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other.owned));
    pumpMessages();
    expectUntouched("skinned");
    EXPECT_EQ(skin::stopSkinEngine(f.f), 1);
    expectUntouched("stopped");
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    wait(thread);
    CloseHandle(thread), CloseHandle(other.ready);
}
