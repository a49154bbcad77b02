// The skin window procedure: what reaches the window's own procedure, when,
// and with which parameters.
#include "core_fixture.h"

#include "skin/router/window_proc.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

class Routing : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = makeTopLevel(L"Form", 300, 120);
        recorder = Recorder::create(form.get());
        skin::startSkinEngine(form.get());
        Recorder::clear();
    }
    void TearDown() override
    {
        skin::stopSkinEngine(form.get());
        Recorder::resetReplies();
    }
    UniqueWindow form;
    HWND recorder = nullptr;
};

} // namespace

TEST_F(Routing, UnroutedMessagesReachTheOwnProcedureUntouched)
{
    ASSERT_EQ(skin::savedProcOf(recorder), Recorder::procedure());
    ASSERT_EQ(GetWindowLongPtrW(recorder, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));

    struct Row { UINT msg; WPARAM wParam; LPARAM lParam; LRESULT reply; };
    const Row rows[] = {
        {0x0009, 0x1234, 0x56789ABC, 17},
        {WM_USER + 7, ~WPARAM(0), -1, -5},
        {WM_APP, 0, LPARAM(0x7FFFFFFF12345678), 0x123456789},
        {WM_GETTEXTLENGTH, 3, 4, 99},
    };
    for (const Row& row : rows) {
        Recorder::reply(row.msg, row.reply);
        Recorder::clear();
        EXPECT_EQ(SendMessageW(recorder, row.msg, row.wParam, row.lParam), row.reply);
        const auto seen = Recorder::of(recorder, row.msg);
        ASSERT_EQ(seen.size(), 1u) << std::hex << row.msg;
        EXPECT_EQ(seen[0].wParam, row.wParam);
        EXPECT_EQ(seen[0].lParam, row.lParam);
    }
}

TEST_F(Routing, DestroyDetachesBeforeTheOwnProcedureSeesIt)
{
    const int count = skin::attachedWindowCount();
    DestroyWindow(recorder);
    const auto seen = Recorder::of(recorder, WM_DESTROY);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].hadProcAddr);
    EXPECT_EQ(seen[0].wndProc, reinterpret_cast<LONG_PTR>(Recorder::procedure()));
    EXPECT_EQ(skin::attachedWindowCount(), count - 1);
}

TEST_F(Routing, DestroyingAContainerDetachesItsChildrenFirst)
{
    auto inner = makeChild(form.get(), L"Form", L"", 0, 0, 0, 100, 50);
    HWND child = Recorder::create(inner);
    skin::attachWindow(inner);
    ASSERT_NE(skin::savedProcOf(child), nullptr);
    const int count = skin::attachedWindowCount();
    Recorder::clear();

    DestroyWindow(inner);
    const auto seen = Recorder::of(child, WM_DESTROY);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].hadProcAddr);
    EXPECT_EQ(skin::attachedWindowCount(), count - 2);
}

TEST_F(Routing, IdleAndListColourMessagesAttachTheWindowTheyName)
{
    for (UINT msg : {UINT(WM_ENTERIDLE), UINT(WM_CTLCOLORLISTBOX)}) {
        UniqueWindow dialog = makeHiddenDialog();
        HWND button = GetWindow(dialog.get(), GW_CHILD);
        Recorder::reply(msg, 0x4242);
        const int count = skin::attachedWindowCount();

        EXPECT_EQ(SendMessageW(recorder, msg, 0, reinterpret_cast<LPARAM>(dialog.get())), 0x4242);
        EXPECT_NE(skin::savedProcOf(dialog.get()), nullptr);
        EXPECT_NE(skin::savedProcOf(button), nullptr);
        EXPECT_EQ(skin::attachedWindowCount(), count + 2);

        // Naming it again, or naming nothing, changes nothing.
        EXPECT_EQ(SendMessageW(recorder, msg, 0, reinterpret_cast<LPARAM>(dialog.get())), 0x4242);
        EXPECT_EQ(SendMessageW(recorder, msg, 0, 0), 0x4242);
        EXPECT_EQ(skin::attachedWindowCount(), count + 2);
        EXPECT_EQ(Recorder::of(recorder, msg).size(), 3u);
        Recorder::clear();
    }
}

TEST_F(Routing, WindowsWithoutSavedProcedureGetDefaultProcessing)
{
    EXPECT_EQ(skin::skinWindowProc(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
    UniqueWindow plain = makeTopLevel(L"QmPlain", 50, 50, L"abc");
    EXPECT_EQ(skin::skinWindowProc(plain.get(), WM_GETTEXTLENGTH, 0, 0), 3);
}
