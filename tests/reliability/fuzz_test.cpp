// Hostile messages and awkward moments. The message fuzzer sends random
// messages, mostly those the skin handles, with hostile parameters, to every
// kind of skinned control: nothing may crash, and taking the skin off
// afterwards must leave nothing of it behind; QM_FUZZ_SEED and
// QM_FUZZ_MESSAGES replay or lengthen a run. Then windows that go away
// mid-fade or inside their own click, or are given back inside it, the engine
// stopped when it was never started or twice, and a window whose saved
// procedure was removed.
#include "reliability.h"

#include "core/core_fixture.h"
#include "gallery/gallery_form.h"
#include "skin/paint/scroll_bar.h"
#include "skin/router/window_proc.h"

#include <commctrl.h>

#include <cstdio>
#include <random>

using namespace qmtest;

namespace {

// The routed messages, and harmless others the skin passes on (none reads lParam as a pointer or starts a modal
// loop), with their weights: those that paint or resize cost milliseconds under Wine and come less often.
constexpr std::pair<UINT, int> kMessages[] = {
    {WM_SIZE, 1}, {WM_ACTIVATE, 1}, {WM_SETFOCUS, 1}, {WM_KILLFOCUS, 1}, {WM_ENABLE, 1}, {WM_PAINT, 1},
    {WM_WINDOWPOSCHANGING, 1}, {WM_NCPAINT, 1}, {WM_MOUSEMOVE, 1}, {WM_LBUTTONDOWN, 1}, {WM_LBUTTONUP, 1},
    {WM_LBUTTONDBLCLK, 1}, {WM_MOUSELEAVE, 1}, {WM_KEYDOWN, 20}, {WM_KEYUP, 30}, {WM_TIMER, 25}, {WM_ENTERIDLE, 30},
    {WM_CTLCOLORLISTBOX, 30}, {WM_NULL, 8}, {WM_NCHITTEST, 8}, {WM_SETCURSOR, 4}, {WM_MOUSEHOVER, 8},
    {WM_CAPTURECHANGED, 8}, {WM_CANCELMODE, 8}, {WM_CHAR, 4}, {WM_MOUSEWHEEL, 4}, {WM_GETTEXTLENGTH, 8}, {WM_APP + 7, 8},
    {BM_SETSTYLE, 2}, {BM_SETIMAGE, 2}, {BCM_SETSHIELD, 2}, {BM_SETCHECK, 4}, {BM_SETSTATE, 4}, {WM_UPDATEUISTATE, 4},
    {WM_VSCROLL, 4}, {WM_HSCROLL, 2}, {WM_NCMOUSEMOVE, 4}, {WM_NCMOUSELEAVE, 2}, {WM_NCLBUTTONDOWN, 2},
    {WM_NCLBUTTONDBLCLK, 1}, {SBM_SETPOS, 2}, {SBM_SETRANGEREDRAW, 1}, {SBM_ENABLE_ARROWS, 1}};

// What is being sent, for the report of a crash; the seed replays the parameters.
struct { long index = -1; UINT msg = 0; HWND target = nullptr; } g_sent;
unsigned long long g_seed = 0;

// The gallery, shown and hence skinned, on top, with the bars it lacks: a "ScrollBar" window, a tree view and
// a list view, skinned as they appear.
std::unique_ptr<quillmend::Form> makeForm()
{
    auto form = gallery::createGallery();
    form->show();
    for (auto [cls, style] : {std::pair{L"ScrollBar", DWORD(SBS_VERT)}, {WC_TREEVIEWW, WS_VSCROLL | WS_HSCROLL},
                              {WC_LISTVIEWW, LVS_REPORT | WS_VSCROLL}})
        makeChild(form->hwnd(), cls, L"", style, 0, 0, 60, 60);
    SetWindowPos(form->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return form;
}

// The form, every window below it and their drop-down lists (windows of their own), then `others`.
std::vector<HWND> windowsOf(HWND form, const std::vector<HWND>& others = {})
{
    std::vector<HWND> all = descendants(form, {form});
    for (size_t i = 0, owned = all.size(); i < owned; ++i) {
        COMBOBOXINFO info{sizeof(info)};
        if (GetComboBoxInfo(all[i], &info) && info.hwndList && GetParent(info.hwndList) != all[i])
            all.push_back(info.hwndList);
    }
    all.insert(all.end(), others.begin(), others.end());
    return all;
}

// Sends `count` messages to the form's windows and their drop-down lists, with handles of those, of `others`
// and 0 among the parameters.
void fuzz(HWND form, const std::vector<HWND>& others, long count)
{
    const std::vector<HWND> targets = windowsOf(form), handles = windowsOf(form, others);
    std::mt19937_64 rng(g_seed);
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    auto handle = [&] { return pick(8) ? handles[pick(handles.size())] : HWND{}; };
    constexpr int kCoordinates[] = {-32768, -4000, -1, 0, 1, 3, 10, 40, 89, 90, 200, 4000, 32767};
    auto coordinate = [&] { return static_cast<WORD>(pick(4) ? kCoordinates[pick(std::size(kCoordinates))] : static_cast<short>(rng())); };
    auto point = [&] { const WORD x = coordinate(); return static_cast<LPARAM>(MAKELPARAM(x, coordinate())); };
    auto value = [&]() -> LPARAM {
        const LPARAM values[] = {0, -1, LPARAM(pick(16)), LPARAM(static_cast<unsigned>(rng())), LPARAM(rng()), point(),
                                 reinterpret_cast<LPARAM>(handle())};
        return values[pick(std::size(values))];
    };
    std::discrete_distribution<size_t> which(std::size(kMessages), 0, std::size(kMessages),
                                             [](double i) { return kMessages[size_t(i)].second; }); // their weights
    for (long sent = 0; sent < count; ++sent) {
        const HWND target = targets[pick(targets.size())];
        UINT msg = kMessages[which(rng)].first;
        WPARAM wParam = value();
        LPARAM lParam = value();
        WINDOWPOS pos{};
        switch (msg) {
        case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_NCHITTEST:
            wParam = pick(2) ? pick(32) : wParam, lParam = point();
            break;
        case WM_NCMOUSEMOVE: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
            // A press anywhere but on the skin's own bars starts one of the system's modal loops.
            wParam = HTHSCROLL + pick(2), lParam = point();
            if (!skin::hasSkinnedBar(target, wParam == HTVSCROLL ? SB_VERT : SB_HORZ))
                msg = WM_NCMOUSEMOVE;
            break;
        case WM_VSCROLL: case WM_HSCROLL: wParam = pick(2) ? MAKEWPARAM(pick(9), pick(64)) : wParam; break;
        case WM_KEYDOWN: case WM_KEYUP: wParam = pick(4) ? pick(256) : VK_SPACE; break;
        // Wine's own text shaping reads out of bounds on some code points typed into an edit box.
        case WM_CHAR: wParam = pick(128); break;
        case WM_TIMER: wParam = pick(2) ? skin::kFadeTimerId : wParam; break;
        case WM_SETFOCUS: case WM_KILLFOCUS: wParam = reinterpret_cast<WPARAM>(handle()); break;
        case WM_ENABLE: wParam = pick(3) ? pick(2) : wParam; break;
        case WM_PAINT: wParam = 0; break; // the common controls paint into a context passed here
        case WM_ACTIVATE: case WM_ENTERIDLE: case WM_CTLCOLORLISTBOX: case WM_CAPTURECHANGED:
            lParam = reinterpret_cast<LPARAM>(handle());
            break;
        case WM_WINDOWPOSCHANGING:
            pos = WINDOWPOS{handle(), handle(), int(value()), int(value()), int(value()), int(value()), UINT(rng())};
            lParam = reinterpret_cast<LPARAM>(&pos);
            break;
        }
        g_sent = {sent, msg, target};
        SendMessageW(target, msg, wParam, lParam);
        if (sent % 64 == 63)
            pumpBounded(256);
    }
    ReleaseCapture();
}

} // namespace

TEST(Fuzz, NoMessageBreaksTheSkinAndDetachLeavesNothing)
{
    g_seed = envNumber("QM_FUZZ_SEED", 0x514d46555aULL);
    const long count = long(envNumber("QM_FUZZ_MESSAGES", 200000));
    std::printf("fuzz seed %llu (QM_FUZZ_SEED replays it), %ld messages\n", g_seed, count);
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        std::fprintf(stderr, "code %lx at %p\n", e->ExceptionRecord->ExceptionCode, e->ExceptionRecord->ExceptionAddress);
        wchar_t name[64]{};
        GetClassNameW(g_sent.target, name, 64);
        std::fprintf(stderr, "fuzz crash at message %ld (0x%04X to %ls), seed %llu\n", g_sent.index, g_sent.msg, name, g_seed);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    UniqueWindow other = makeTopLevel(L"ThunderRT6FormDC", 120, 60, L"bystander");
    HWND destroyed = makeChild(other.get(), L"Button", L"", 0, 0, 0, 10, 10);
    DestroyWindow(destroyed);
    const std::vector<HWND> others{other.get(), makeChild(other.get(), L"Button", L"Other", 0, 4, 4, 80, 24), destroyed,
                                   GetDesktopWindow()};

    // The same run first, so the system's own caches (the controls' and the form runtime's) are filled by the
    // same paths before counting: with a shorter or another one, some seeds found caches still growing.
    fuzz(makeForm()->hwnd(), others, count);
    for (HWND hwnd : others) // showing the form skinned the bystander that gave up the activation
        skin::detachWindow(hwnd);
    pumpBounded();
    const int gdiBefore = liveGdiObjects();
    auto form = makeForm();
    fuzz(form->hwnd(), others, count);
    EXPECT_TRUE(pumpBounded()) << "the queue never empties: a window that is never validated?";
    // Everything the skin holds is gone once it is taken off the form and off what the messages attached on
    // the way (popup lists, the bystanders).
    const std::vector<HWND> windows = windowsOf(form->hwnd(), others);
    for (HWND hwnd : windows)
        skin::detachWindow(hwnd);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    for (HWND hwnd : windows) {
        EXPECT_TRUE(skinProperties(hwnd).empty()) << hwnd;
        EXPECT_NE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc)) << hwnd;
    }
    form.reset();
    pumpBounded();
    // The system keeps a few objects more after some paths (its caches grow to the deepest nesting of window
    // contexts seen, as many without the skin); a leak of the skin would grow with the messages, by thousands.
    const int gdiAfter = liveGdiObjects();
    std::printf("fuzz GDI objects: %d before, %d after\n", gdiBefore, gdiAfter);
    EXPECT_LE(gdiAfter - gdiBefore, 8);
}

TEST(Lifecycle, StopBeforeStartOrTwiceRemovedSavedProcedureAndWindowsDestroyedMidFadeOrByTheirOwnClick)
{
    auto plain = gallery::createGallery(gallery::GallerySkin::off);
    plain->show();
    HWND push = plain->window(L"CommandEnabled");
    for (HWND hwnd : {plain->hwnd(), push, HWND{}})
        EXPECT_EQ(skin::stopSkinEngine(hwnd), 0);
    ASSERT_EQ(skin::startSkinEngine(plain->hwnd()), 1);

    // A window whose saved procedure was removed gets default processing, and is not attached again: it
    // would keep the skin's own procedure as its saved one and every message would call itself without end.
    const LONG_PTR saved = skin::takeProp(push, skin::prop::kProcAddr);
    for (UINT msg : {WM_PAINT, WM_NCPAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_TIMER, WM_SIZE, WM_KEYUP})
        SendMessageW(push, msg, 0, 0);
    EXPECT_TRUE(pumpBounded());
    EXPECT_EQ(skin::attachWindow(push), 0);
    skin::setProp(push, skin::prop::kProcAddr, saved);
    EXPECT_EQ(skin::stopSkinEngine(plain->hwnd()), 1);
    EXPECT_EQ(skin::stopSkinEngine(plain->hwnd()), 0);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    EXPECT_FALSE(skin::skinInitialised());
    EXPECT_EQ(skin::startSkinEngine(plain->hwnd()), 1) << "and starts again";
    EXPECT_NE(skin::stateSurface(push, 0), nullptr);
    plain.reset();

    // A push button or a check box, destroyed from outside in the middle of its fade, or by the form's handler
    // of its click (by mouse or space bar), the control alone or the whole form it is on; or given back by the
    // handler of its click, which stops the skin on the form.
    enum How { midFade, mouse, spaceBar, stopped };
    for (const How how : {midFade, mouse, spaceBar, stopped})
        for (const bool checkBox : {false, true})
            for (const bool wholeForm : {false, true}) {
                SCOPED_TRACE(testing::Message() << "how " << how << ", check box " << checkBox << ", whole form " << wholeForm);
                auto form = gallery::createGallery();
                form->show();
                const wchar_t* names[] = {L"CommandEnabled", L"CheckUnchecked"};
                HWND control = form->window(names[checkBox]), window = form->hwnd(), doomed = wholeForm ? window : control;
                form->onClick(names[checkBox], [=] { how == stopped ? void(skin::stopSkinEngine(window)) : void(DestroyWindow(doomed)); });
                const int attached = skin::attachedWindowCount();
                if (how == spaceBar)
                    SetFocus(control);
                SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
                if (how == midFade) {
                    ASSERT_TRUE(checkBox || skin::getProp(control, skin::prop::kTimerId) != 0);
                    for (int i = 0; i < 10; ++i)
                        SendMessageW(control, WM_TIMER, skin::kFadeTimerId, 0);
                    DestroyWindow(doomed);
                }
                const bool key = how == spaceBar;
                SendMessageW(control, key ? WM_KEYDOWN : WM_LBUTTONDOWN, key ? VK_SPACE : MK_LBUTTON, key ? 0 : MAKELPARAM(5, 5));
                SendMessageW(control, key ? WM_KEYUP : WM_LBUTTONUP, key ? VK_SPACE : 0, key ? 0 : MAKELPARAM(5, 5));
                EXPECT_EQ(skin::attachedWindowCount(), wholeForm || how == stopped ? 0 : attached - 1);
                EXPECT_TRUE(pumpBounded()); // the fade's timer messages went with the window
                EXPECT_EQ(skin::stopSkinEngine(form->hwnd()), wholeForm || how == stopped ? 0 : 1) << "the rest comes off whole";
                for (const skin::PropName& name : {skin::prop::kOldState, skin::prop::kMouseFlag, skin::prop::kTimerId})
                    EXPECT_EQ(GetPropW(control, name.text), nullptr) << "left on a window the skin gave back";
                EXPECT_EQ(skin::attachedWindowCount(), 0);
                EXPECT_FALSE(skin::skinInitialised());
            }
}
