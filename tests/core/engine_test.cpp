// Attach, detach and routing: what each kind of window carries while skinned,
// what reaches its own procedure, and that detaching gives back exactly what
// it had and releases everything the skin made; and the fade, driven by
// sending the timer messages.
#include "core_fixture.h"

#include "skin/router/window_proc.h"
#include "skin/images/gdi.h"
#include "skin/images/skin_images.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"
#include "support/pixels.h"

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

bool rounded(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const bool cut = GetWindowRgn(hwnd, region) != ERROR && !PtInRegion(region, 0, 0) && !PtInRegion(region, w - 1, h - 1)
                  && PtInRegion(region, 1, 1) && PtInRegion(region, w / 2, 0) && PtInRegion(region, w - 1, h / 2);
    DeleteObject(region);
    return cut;
}

} // namespace

TEST(Engine, AttachGivesEachKindItsPropertiesSurfacesAndShapeAndDetachTakesEverythingBack)
{
    auto second = makeTopLevel(L"Form", 100, 60); // made before the start, so not attached on activation
    SkinnedForm f;
    std::map<HWND, LONG_PTR> procs;
    for (HWND h : descendants(f.form.get()))
        procs[h] = GetWindowLongPtrW(h, GWLP_WNDPROC);
    const int objectsUnskinned = liveGdiObjects();
    ASSERT_EQ(skin::startSkinEngine(f.form.get()), 1);

    const struct { HWND hwnd; const Names& props; bool ownerDraw; } rows[] = {
        {f.form.get(), kProcOnly, false}, {f.push, kPushButtonProps, true},    {f.defPush, kPushButtonProps, true},
        {f.autoRadio, kPushButtonProps, true}, {f.check, kPushButtonProps, false}, {f.group, kPushButtonProps, false},
        {f.disabled, kPushButtonProps, true}, {f.label, kProcOnly, false},     {f.combo, kStatefulProps, false},
        {f.header, kHeaderProps, false},      {f.inner, kProcOnly, false},     {f.innerButton, kPushButtonProps, true}};
    std::vector<HGDIOBJ> created;
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(skinProperties(row.hwnd), row.props);
        if (&row.props != &kPushButtonProps)
            continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(row.hwnd, GWL_STYLE));
        const auto before = static_cast<DWORD>(skin::getProp(row.hwnd, skin::prop::kOldStyle));
        EXPECT_EQ(style & BS_TYPEMASK, row.ownerDraw ? DWORD(BS_OWNERDRAW) : (before & BS_TYPEMASK));
        EXPECT_TRUE(rounded(row.hwnd)) << "corners cut";
        for (int n = 0; n < 4; ++n) {
            HDC dc = skin::stateSurface(row.hwnd, n);
            auto bitmap = reinterpret_cast<HGDIOBJ>(skin::getProp(row.hwnd, skin::prop::kSurfaceBitmap[n]));
            ASSERT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
            created.insert(created.end(), {dc, bitmap});
        }
    }
    EXPECT_EQ(f.styles[0], static_cast<DWORD>(skin::getProp(f.push, skin::prop::kOldStyle)));
    EXPECT_EQ(skin::getProp(f.header, skin::prop::kHdIndex), -1);
    EXPECT_EQ(skin::getProp(f.header, skin::prop::kHmIndex), -1);
    EXPECT_EQ(skin::getState(f.push), skin::VisualState::normal);
    EXPECT_EQ(skin::getState(f.disabled), skin::VisualState::disabled);
    const int count = skin::attachedWindowCount();
    EXPECT_EQ(count, f.windowCount());

    // Attaching again, or nothing, changes nothing; a second start only attaches.
    const int objects = liveGdiObjects();
    for (HWND again : {f.push, f.inner, f.form.get(), HWND{}})
        EXPECT_EQ(skin::attachWindow(again), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count);
    EXPECT_EQ(liveGdiObjects(), objects);
    HDC images = skin::buttonFaceImage();
    EXPECT_EQ(skin::startSkinEngine(second.get()), 1);
    EXPECT_EQ(skin::buttonFaceImage(), images) << "the image set is not built again";
    EXPECT_EQ(skin::stopSkinEngine(second.get()), 1);
    // Detaching what was never attached, or twice, changes nothing.
    EXPECT_EQ(skin::detachWindow(second.get()), 0);
    EXPECT_EQ(skin::detachWindow(f.label), 1);
    EXPECT_EQ(skin::detachWindow(f.label), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count - 1);

    for (auto image : {skin::buttonFaceImage, skin::comboButtonImage, skin::markGlyphImage, skin::optionBubbleImage,
                       skin::headerItemImage})
        created.push_back(image());
    skin::startFadeTimer(f.push); // a fade still running when the button goes
    EnableWindow(f.defPush, FALSE);
    EXPECT_EQ(skin::stopSkinEngine(f.form.get()), 1);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    EXPECT_FALSE(skin::skinInitialised());
    for (HGDIOBJ o : created)
        EXPECT_EQ(GetObjectType(o), 0u) << o;
    for (auto [hwnd, proc] : procs) {
        EXPECT_TRUE(skinProperties(hwnd).empty());
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(hwnd, region), ERROR);
        DeleteObject(region);
    }
    EXPECT_TRUE(skinProperties(f.form.get()).empty());
    for (size_t i = 0; i < 5; ++i) {
        HWND h = std::vector<HWND>{f.push, f.defPush, f.autoRadio, f.check, f.group}[i];
        EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK, f.styles[i] & BS_TYPEMASK) << i;
    }
    EXPECT_FALSE(IsWindowEnabled(f.defPush)) << "disabled while skinned: stays disabled";
    EXPECT_FALSE(KillTimer(f.push, skin::kFadeTimerId)) << "the fade timer was killed";
    EXPECT_EQ(liveGdiObjects(), objectsUnskinned);
}

TEST(Engine, LeavesWindowsOfOtherThreadsAloneAndProbesExportsWithoutLoading)
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
    SendMessageW(f.form.get(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(skin::getProp(foreign, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count);
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    other.join();
    CloseHandle(ready);

    EXPECT_TRUE(skin::probeExport("TrackMouseEvent", L"User32"));
    EXPECT_FALSE(skin::probeExport("NoSuchFunctionAnywhere", L"User32"));
    EXPECT_FALSE(skin::probeExport("TrackMouseEvent", L"no-such-library"));
    ASSERT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr);
    EXPECT_TRUE(skin::probeExport("WNetGetConnectionW", L"mpr.dll"));
    EXPECT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr) << "a library the probe loaded is unloaded again";
}

TEST(Engine, RoutingPassesMessagesOnAttachesNamedDialogsAndDetachesBeforeDestroy)
{
    auto form = makeTopLevel(L"Form", 300, 120);
    HWND recorder = Recorder::create(form.get());
    HWND inner = makeChild(form.get(), L"Form", L"", 0, 0, 0, 100, 50);
    HWND innerRecorder = Recorder::create(inner);
    skin::startSkinEngine(form.get());
    ASSERT_EQ(skin::savedProcOf(recorder), Recorder::procedure());
    ASSERT_EQ(GetWindowLongPtrW(recorder, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));

    const struct { UINT msg; WPARAM wParam; LPARAM lParam; LRESULT reply; } rows[] = {
        {0x0009, 0x1234, 0x56789ABC, 17}, {WM_USER + 7, ~WPARAM(0), -1, -5},
        {WM_APP, 0, LPARAM(0x7FFFFFFF12345678), 0x123456789}, {WM_GETTEXTLENGTH, 3, 4, 99}};
    for (const auto& row : rows) {
        Recorder::reply(row.msg, row.reply);
        Recorder::clear();
        EXPECT_EQ(SendMessageW(recorder, row.msg, row.wParam, row.lParam), row.reply);
        const auto seen = Recorder::of(recorder, row.msg);
        ASSERT_EQ(seen.size(), 1u) << std::hex << row.msg;
        EXPECT_EQ(std::pair(seen[0].wParam, seen[0].lParam), std::pair(row.wParam, row.lParam));
    }
    EXPECT_EQ(skin::skinWindowProc(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
    UniqueWindow plain = makeTopLevel(L"QmPlain", 50, 50, L"abc");
    EXPECT_EQ(skin::skinWindowProc(plain.get(), WM_GETTEXTLENGTH, 0, 0), 3) << "no saved procedure: default processing";

    // Idle and list colour messages attach the dialog they name, once; the dialog goes without the images.
    for (UINT msg : {UINT(WM_ENTERIDLE), UINT(WM_CTLCOLORLISTBOX)}) {
        UniqueWindow dialog = makeHiddenDialog();
        Recorder::reply(msg, 0x4242);
        const int count = skin::attachedWindowCount();
        for (LPARAM named : {reinterpret_cast<LPARAM>(dialog.get()), reinterpret_cast<LPARAM>(dialog.get()), LPARAM{}})
            EXPECT_EQ(SendMessageW(recorder, msg, 0, named), 0x4242);
        EXPECT_NE(skin::savedProcOf(GetWindow(dialog.get(), GW_CHILD)), nullptr);
        EXPECT_EQ(skin::attachedWindowCount(), count + 2);
        dialog.reset();
        EXPECT_EQ(skin::attachedWindowCount(), count);
        EXPECT_EQ(GetObjectType(skin::buttonFaceImage()), DWORD(OBJ_MEMDC));
    }

    // Destroying a window, or the container it is in, detaches it before its own procedure sees WM_DESTROY.
    for (HWND destroyed : {recorder, inner}) {
        HWND watched = destroyed == inner ? innerRecorder : recorder;
        const int count = skin::attachedWindowCount();
        Recorder::clear();
        DestroyWindow(destroyed);
        const auto seen = Recorder::of(watched, WM_DESTROY);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_FALSE(seen[0].hadProcAddr);
        EXPECT_EQ(seen[0].wndProc, reinterpret_cast<LONG_PTR>(Recorder::procedure()));
        EXPECT_EQ(skin::attachedWindowCount(), count - (destroyed == inner ? 2 : 1));
    }
    Recorder::resetReplies();
    skin::stopSkinEngine(form.get());
}

TEST(Engine, FadeStepsByThreeToTheEndAndOnlyOnPushButtons)
{
    auto form = makeTopLevel(L"Form", 200, 100);
    HWND button = makeChild(form.get(), L"Button", L"Fade", BS_PUSHBUTTON, 10, 10, 161, 25);
    HWND recorder = Recorder::create(form.get());
    skin::startSkinEngine(form.get());
    pumpMessages();
    const auto run = [&] {
        std::vector<int> levels;
        do {
            levels.push_back(skin::getAlpha(button));
            SendMessageW(button, WM_TIMER, levels.size() == 1 ? 7 : skin::kFadeTimerId, 0); // any timer steps it
        } while (skin::getProp(button, skin::prop::kTimerId) != 0 && levels.size() < 1000);
        return levels;
    };
    EXPECT_EQ(skin::stopFadeTimer(button), FALSE);
    skin::setState(button, skin::VisualState::hot);
    for (int from : {0, 60}) {
        skin::setAlpha(button, from);
        ASSERT_EQ(skin::startFadeTimer(button), skin::kFadeTimerId);
        EXPECT_EQ(skin::startFadeTimer(button), 0u) << "one timer per window";
        const std::vector<int> levels = run();
        EXPECT_EQ(levels.size(), from ? 66u : 86u);
        for (size_t i = 1; i < levels.size(); ++i)
            ASSERT_EQ(levels[i], levels[i - 1] + 3);
        EXPECT_EQ(levels.back(), 255);
        EXPECT_EQ(skin::getAlpha(button), 0) << "at rest";
        EXPECT_FALSE(KillTimer(button, skin::kFadeTimerId)) << "the system timer is gone too";
    }
    // The last step laid the hot surface over the button at full strength (inside the rounded corners).
    EXPECT_TRUE(samePixels(captureDc(skin::WindowDc(button).get(), 2, 2, 157, 21),
                           captureDc(skin::stateSurface(button, 1), 2, 2, 157, 21)));

    // The control's own repaint does not cut a fade short; a paint of the skin's ends it at full strength.
    InvalidateRect(button, nullptr, FALSE);
    skin::startFadeTimer(button);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE));
    pumpMessages();
    EXPECT_NE(skin::getProp(button, skin::prop::kTimerId), 0);
    skin::setAlpha(button, 90);
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
    EXPECT_EQ(skin::getProp(button, skin::prop::kTimerId), 0);
    EXPECT_EQ(skin::getAlpha(button), 255);

    Recorder::clear();
    SendMessageW(recorder, WM_TIMER, skin::kFadeTimerId, 0);
    EXPECT_EQ(Recorder::of(recorder, WM_TIMER).size(), 1u);
    EXPECT_EQ(skin::getProp(recorder, skin::prop::kAlphaLevel), 0);
    skin::stopSkinEngine(form.get());
}
