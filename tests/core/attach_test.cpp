// Attaching: what each kind of window carries afterwards, and what attach
// refuses to touch.
#include "core_fixture.h"

#include "skin/core/kinds.h"
#include "skin/images/skin_images.h"
#include "support/gdi_count.h"

#include <gtest/gtest.h>

#include <thread>

using namespace qmtest;
using Names = std::set<std::wstring>;

namespace {

const Names kPushButtonProps = {L"PROCADDR", L"OLDSTATE", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL",
                                L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2", L"BMP3"};
const Names kStatefulProps = {L"PROCADDR", L"OLDSTATE", L"MOUSEFLAG"};
const Names kHeaderProps = {L"PROCADDR", L"MOUSEFLAG", L"HDINDEX", L"HMINDEX"};
const Names kProcOnly = {L"PROCADDR"};

SIZE bitmapSize(HGDIOBJ bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

SIZE windowSize(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace

TEST(Attach, EveryWindowCarriesExactlyThePropertiesOfItsKind)
{
    SkinnedForm f;
    ASSERT_EQ(skin::startSkinEngine(f.form.get()), 1);

    struct Row { HWND hwnd; const Names& props; const char* what; };
    const Row rows[] = {
        {f.form.get(), kProcOnly, "form"},          {f.push, kPushButtonProps, "push"},
        {f.defPush, kPushButtonProps, "default"},   {f.autoRadio, kPushButtonProps, "radio"},
        {f.check, kPushButtonProps, "check"},       {f.group, kPushButtonProps, "group"},
        {f.disabled, kPushButtonProps, "disabled"}, {f.label, kProcOnly, "static"},
        {f.combo, kStatefulProps, "combo"},         {f.header, kHeaderProps, "header"},
        {f.inner, kProcOnly, "inner form"},         {f.innerButton, kPushButtonProps, "inner button"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(skinProperties(row.hwnd), row.props) << row.what;

    EXPECT_EQ(skin::getProp(f.header, skin::prop::kHdIndex), -1);
    EXPECT_EQ(skin::getProp(f.header, skin::prop::kHmIndex), -1);
    EXPECT_EQ(skin::attachedWindowCount(), f.windowCount());
}

TEST(Attach, PushButtonsOwnFourSurfacesTheirStyleAndARoundedRegion)
{
    SkinnedForm f;
    skin::startSkinEngine(f.form.get());

    // Types 0, 1 and 9 become owner-draw; check boxes and group boxes keep theirs.
    struct Row { HWND hwnd; DWORD before; bool ownerDraw; };
    const Row rows[] = {{f.push, f.styles[0], true}, {f.defPush, f.styles[1], true},
                        {f.autoRadio, f.styles[2], true}, {f.check, f.styles[3], false},
                        {f.group, f.styles[4], false}};
    for (const Row& row : rows) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(row.hwnd, GWL_STYLE));
        EXPECT_EQ(style & BS_TYPEMASK, row.ownerDraw ? DWORD(BS_OWNERDRAW) : (row.before & BS_TYPEMASK));
        EXPECT_EQ(static_cast<DWORD>(skin::getProp(row.hwnd, skin::prop::kOldStyle)), row.before);

        const SIZE size = windowSize(row.hwnd);
        for (int n = 0; n < 4; ++n) {
            HDC dc = skin::stateSurface(row.hwnd, n);
            auto bitmap = reinterpret_cast<HGDIOBJ>(skin::getProp(row.hwnd, skin::prop::kSurfaceBitmap[n]));
            ASSERT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
            const SIZE bmp = bitmapSize(bitmap);
            EXPECT_EQ(bmp.cx, size.cx);
            EXPECT_EQ(bmp.cy, size.cy);
        }

        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(row.hwnd, region), ERROR);
        EXPECT_FALSE(PtInRegion(region, 0, 0)) << "corners are cut";
        EXPECT_FALSE(PtInRegion(region, size.cx - 1, size.cy - 1));
        EXPECT_TRUE(PtInRegion(region, 1, 1));
        EXPECT_TRUE(PtInRegion(region, size.cx / 2, 0));
        EXPECT_TRUE(PtInRegion(region, size.cx - 1, size.cy / 2));
        DeleteObject(region);
    }
    EXPECT_EQ(skin::getState(f.push), skin::VisualState::normal);
    EXPECT_EQ(skin::getState(f.disabled), skin::VisualState::disabled);
}

TEST(Attach, IsIdempotentAndReachesNestedContainersOnce)
{
    SkinnedForm f;
    skin::startSkinEngine(f.form.get());
    const int count = skin::attachedWindowCount();
    HDC surface = skin::stateSurface(f.innerButton, 0);
    const int objects = liveGdiObjects();

    EXPECT_EQ(skin::attachWindow(f.push), 0);
    EXPECT_EQ(skin::attachWindow(f.inner), 0);
    EXPECT_EQ(skin::attachWindow(f.form.get()), 0);
    EXPECT_EQ(skin::attachWindow(nullptr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count);
    EXPECT_EQ(skin::stateSurface(f.innerButton, 0), surface);
    EXPECT_EQ(liveGdiObjects(), objects);
}

TEST(Attach, ASecondStartOnlyAttaches)
{
    SkinnedForm f;
    auto second = makeTopLevel(L"Form", 100, 60);
    HWND button = makeChild(second.get(), L"Button", L"B", BS_PUSHBUTTON, 5, 5, 75, 25);

    skin::startSkinEngine(f.form.get());
    HDC images = skin::buttonFaceImage();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(skin::startSkinEngine(second.get()), 1);
    EXPECT_EQ(skin::buttonFaceImage(), images) << "the image set is not built again";
    EXPECT_NE(skin::getProp(button, skin::prop::kProcAddr), 0);
    skin::stopSkinEngine(second.get());
}

TEST(Attach, LeavesWindowsOfOtherThreadsAlone)
{
    SkinnedForm f;
    skin::startSkinEngine(f.form.get());
    HWND foreign = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD threadId = 0;
    std::thread other([&] {
        threadId = GetCurrentThreadId();
        UniqueWindow window = makeTopLevel(L"Form", 100, 60, L"foreign");
        makeChild(window.get(), L"Button", L"B", BS_PUSHBUTTON, 5, 5, 75, 25);
        foreign = window.get();
        SetEvent(ready);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
    });
    WaitForSingleObject(ready, 10000);
    const int count = skin::attachedWindowCount();

    EXPECT_EQ(skin::attachWindow(foreign), 0);
    // A foreign dialog taking the activation is not attached either.
    SendMessageW(f.form.get(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(skin::getProp(foreign, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count);

    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    other.join();
    CloseHandle(ready);
}

TEST(Attach, ProbesExportsWithoutDisturbingLoadedLibraries)
{
    EXPECT_TRUE(skin::probeExport("TrackMouseEvent", L"User32"));
    EXPECT_FALSE(skin::probeExport("NoSuchFunctionAnywhere", L"User32"));
    EXPECT_FALSE(skin::probeExport("TrackMouseEvent", L"no-such-library"));
    // A library the probe had to load is unloaded again.
    ASSERT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr);
    EXPECT_TRUE(skin::probeExport("WNetGetConnectionW", L"mpr.dll"));
    EXPECT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr);
}
