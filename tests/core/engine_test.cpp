// Attach, detach and routing: what each kind of window carries while skinned,
// what reaches its own procedure, and that detaching gives back exactly what
// it had and releases everything the skin made; and the fade, driven by
// sending the timer messages.
#include "core_fixture.h"

#include "skin/images/gdi.h"
#include "skin/images/skin_images.h"
#include "skin/input/fade.h"
#include "skin/router/window_proc.h"
#include "support/gdi_count.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

using namespace qmtest;
using Names = std::set<std::wstring>;

namespace {

const Names kPushButtonProps = {L"PROCADDR", L"OLDSTATE", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL",
                                L"FACES"};
const Names kStatefulProps = {L"PROCADDR", L"OLDSTATE", L"MOUSEFLAG"};
const Names kHeaderProps = {L"PROCADDR", L"MOUSEFLAG", L"HDINDEX", L"HMINDEX"};
const Names kProcOnly = {L"PROCADDR"};

// The parameters of every WM_APP that reached a "QmRecorder" window's own
// procedure, answered with wParam ^ lParam.
std::vector<std::pair<WPARAM, LPARAM>> g_seen;

LRESULT CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_APP)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    g_seen.emplace_back(wParam, lParam);
    return static_cast<LRESULT>(wParam) ^ lParam;
}

} // namespace

TEST(Engine, AttachGivesEachKindItsPropertiesAndStyleAndDetachTakesEverythingBack)
{
    SkinnedForm f;
    std::map<HWND, std::pair<LONG_PTR, LONG_PTR>> before; // procedure and style
    for (HWND h : descendants(f.f, {f.f}))
        before[h] = {GetWindowLongPtrW(h, GWLP_WNDPROC), GetWindowLongPtrW(h, GWL_STYLE)};
    HWND more[10]; // skinned as they are made, later; first painted unskinned, so the system's own caches are warm
    for (HWND& h : more)
        h = makeChild(f.f, L"Button", L"More", BS_PUSHBUTTON, 300, 150, 75, 25);
    paintNow(f.f);
    std::ranges::for_each(more, DestroyWindow);
    const int objectsUnskinned = liveGdiObjects();
    ASSERT_EQ(skin::startSkinEngine(f.f), 1);

    const struct { HWND hwnd; const Names& props; bool ownerDraw; } rows[] = {
        {f.f, kProcOnly, false},               {f.push, kPushButtonProps, true},  {f.defPush, kPushButtonProps, true},
        {f.autoRadio, kStatefulProps, false},  {f.check, kStatefulProps, false},   {f.group, kProcOnly, false},
        {f.disabled, kPushButtonProps, true},  {f.label, kProcOnly, false},        {f.combo, kStatefulProps, false},
        {f.header, kHeaderProps, false},       {f.inner, kProcOnly, false},        {f.innerButton, kPushButtonProps, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(skinProperties(row.hwnd), row.props);
        if (&row.props != &kPushButtonProps)
            continue;
        const LONG_PTR style = before[row.hwnd].second;
        EXPECT_EQ(skin::getProp(row.hwnd, skin::prop::kOldStyle), style);
        EXPECT_EQ(GetWindowLongPtrW(row.hwnd, GWL_STYLE) & BS_TYPEMASK, row.ownerDraw ? BS_OWNERDRAW : style & BS_TYPEMASK);
    }
    EXPECT_EQ(skin::getState(f.disabled), skin::VisualState::disabled);
    EXPECT_EQ(skin::attachedWindowCount(), static_cast<int>(before.size()));
    EXPECT_EQ(skin::attachWindow(f.push), 0) << "attached once";
    const int objectsSkinned = liveGdiObjects();
    for (HWND& h : more)
        h = makeChild(f.f, L"Button", L"More", BS_PUSHBUTTON, 300, 150, 75, 25);
    EXPECT_LE(liveGdiObjects() - objectsSkinned, 2 * 10) << "at most two GDI objects a skinned push button";

    skin::startFadeTimer(f.push); // a fade still running when the button goes
    EnableWindow(f.defPush, FALSE);
    EXPECT_EQ(skin::stopSkinEngine(f.f), 1);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    for (auto [hwnd, was] : before) {
        EXPECT_TRUE(skinProperties(hwnd).empty()) << hwnd;
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), was.first) << hwnd;
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, was.second & BS_TYPEMASK) << hwnd;
    }
    EXPECT_FALSE(IsWindowEnabled(f.defPush)) << "disabled while skinned: stays disabled";
    EXPECT_FALSE(KillTimer(f.push, skin::kFadeTimerId)) << "the fade timer was killed";
    EXPECT_EQ(liveGdiObjects(), objectsUnskinned);
}

TEST(Engine, RoutingPassesWholeMessagesAndResultsOn)
{
    registerPlainClass(L"QmRecorder", recordingProc);
    auto form = makeTopLevel(L"Form", 300, 120);
    HWND recorder = makeChild(form.get(), L"QmRecorder", L"", 0, 110, 0, 80, 24);
    skin::startSkinEngine(form.get());
    ASSERT_EQ(skin::savedProcOf(recorder), &recordingProc);
    ASSERT_EQ(GetWindowLongPtrW(recorder, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));
    for (auto [wParam, lParam] : {std::pair<WPARAM, LPARAM>{0x1234, 0x56789ABC}, {~WPARAM(0), -1},
                                  {0, LPARAM(0x7FFFFFFF12345678)}}) {
        g_seen.clear();
        EXPECT_EQ(SendMessageW(recorder, WM_APP, wParam, lParam), static_cast<LRESULT>(wParam) ^ lParam);
        EXPECT_EQ(g_seen, (std::vector{std::pair(wParam, lParam)}));
    }
    // The dialog an idle or list-colour message names is attached with everything below it.
    for (UINT msg : {UINT(WM_ENTERIDLE), UINT(WM_CTLCOLORLISTBOX)}) {
        UniqueWindow dialog(CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 100, 60, nullptr, nullptr, nullptr, nullptr));
        HWND ok = makeChild(dialog.get(), L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 60, 25);
        const int count = skin::attachedWindowCount();
        SendMessageW(recorder, msg, 0, reinterpret_cast<LPARAM>(dialog.get()));
        EXPECT_NE(skin::savedProcOf(ok), nullptr);
        EXPECT_EQ(skin::attachedWindowCount(), count + 2);
    }
    skin::stopSkinEngine(form.get());
}

TEST(Engine, FadeStepsByThreeToFullStrengthOnAnyTimer)
{
    auto form = makeTopLevel(L"Form", 200, 100);
    HWND button = makeChild(form.get(), L"Button", L"Fade", BS_PUSHBUTTON, 10, 10, 161, 25);
    skin::startSkinEngine(form.get());
    pumpMessages();
    const auto shown = [button] { return captureDc(skin::WindowDc(button).get(), 2, 2, 157, 21); }; // inside the rounded corners
    const Dib normal = shown();
    std::optional<Dib> partial; // the first step: hot at 60 over normal
    skin::setState(button, skin::VisualState::hot);
    for (int from : {60, 0}) {
        skin::setAlpha(button, from);
        ASSERT_EQ(skin::startFadeTimer(button), skin::kFadeTimerId);
        std::vector<int> levels;
        do {
            levels.push_back(skin::getAlpha(button));
            SendMessageW(button, WM_TIMER, levels.size() == 1 ? 7 : skin::kFadeTimerId, 0);
            if (!partial)
                partial.emplace(shown());
        } while (skin::getProp(button, skin::prop::kTimerId) != 0 && levels.size() < 1000);
        EXPECT_EQ(levels.size(), from ? 66u : 86u);
        EXPECT_TRUE(std::ranges::adjacent_find(levels, [](int a, int b) { return b != a + 3; }) == levels.end());
        EXPECT_EQ(levels.back(), 255);
        EXPECT_EQ(skin::getAlpha(button), 0) << "at rest";
        EXPECT_FALSE(KillTimer(button, skin::kFadeTimerId)) << "the system timer is gone too";
    }
    // The last step laid the hot surface over the button at full strength; the first blended the two faces, each
    // channel of each pixel within one of hot * 60 + normal * 195.
    const Dib hot = shown();
    EXPECT_TRUE(samePixels(hot, captureDc(skin::stateSurface(button, 1), 2, 2, 157, 21)));
    EXPECT_GT(countDifferences(hot, normal), 100);
    int off = 0;
    for (int i = 0; i < 157 * 21 * 3; ++i) {
        const auto at = [i](const Dib& d) { return int(d.pixel(i / 3 % 157, i / 3 / 157) >> i % 3 * 8 & 0xFF); };
        off += std::abs(at(*partial) - (at(hot) * 60 + at(normal) * 195 + 127) / 255) > 1;
    }
    EXPECT_EQ(off, 0);
    skin::stopSkinEngine(form.get());
}
