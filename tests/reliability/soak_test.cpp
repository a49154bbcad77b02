// Soak: the same interaction thousands of times over, two whole forms skinned
// and unskinned a thousand times on two threads at once, and controls of
// absurd sizes and captions, end with as many GDI and USER objects as they
// began with; the figures are printed. QM_SOAK_CYCLES and QM_ATTACH_CYCLES
// set other counts.
#include "reliability.h"

#include "app/form1.h"
#include "forms/form_classes.h"
#include "gallery/gallery_form.h"
#include "skin/images/scratch.h"
#include "support/pixels.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>

using namespace qmtest;

namespace {

// Runs `cycles` of `body` between two counts of live objects (the queue pumped before each) and expects them
// equal; the GDI count within `slack`.
void expectNoLeak(const char* what, int cycles, const std::function<void(int i)>& body, int slack = 0)
{
    pumpBounded();
    const int gdi = liveGdiObjects();
    const UserObjects user = liveUserObjects();
    for (int i = 0; i < cycles && !testing::Test::HasFatalFailure(); ++i)
        body(i);
    pumpBounded();
    const int gdiAfter = liveGdiObjects();
    const UserObjects userAfter = liveUserObjects();
    std::printf("soak %s, %d cycles: GDI objects %d -> %d; windows %d -> %d, properties %d -> %d\n", what, cycles, gdi,
                gdiAfter, user.windows, userAfter.windows, user.properties, userAfter.properties);
    EXPECT_NEAR(gdiAfter, gdi, slack) << what;
    EXPECT_EQ(userAfter, user) << what;
}

} // namespace

TEST(Soak, AttachAndDetachForm1AndTheGalleryOnTwoThreadsAtOnceThenHoverPressReleaseLeave)
{
    // Skins and unskins a shown form a thousand times, painting it now and then: Form1 and the gallery at once,
    // each on a thread of its own, whose engine draws, counts and releases beside the other's.
    auto attachDetachCycles = [](quillmend::Form& form, int cycles) {
        form.show();
        ASSERT_EQ(skin::stopSkinEngine(form.hwnd()), 1);
        for (int i = 0; i < cycles; ++i) {
            ASSERT_EQ(skin::startSkinEngine(form.hwnd()), 1);
            if (i % 10 == 0)
                UpdateWindow(form.hwnd());
            ASSERT_EQ(skin::stopSkinEngine(form.hwnd()), 1);
            ASSERT_TRUE(skin::attachedWindowCount() == 0 && !skin::scratchSurfacesHeld());
        }
    };
    auto onTwoThreads = [&](int cycles) {
        std::jthread first([&] {
            quillmend::ProcessLauncher launcher; // nothing is clicked: nothing starts
            quillmend::Form1 form1(launcher);
            attachDetachCycles(form1.form(), cycles);
        });
        std::jthread second([&] { attachDetachCycles(*gallery::createGallery(), cycles); });
    };
    onTwoThreads(20); // the system's caches fill
    // The system keeps a cache of window device contexts (a context, a bitmap and a region each) that grows with
    // the number drawn through at once on different threads: one of those may stay, while a leak of the skin
    // grows with the cycles.
    expectNoLeak("Form1 and the gallery on two threads", 1,
                 [&](int) { onTwoThreads(int(envNumber("QM_ATTACH_CYCLES", 1000))); }, 3);
    auto gallery = gallery::createGallery();
    gallery->show();
    ASSERT_TRUE(skin::isAttached(gallery->hwnd())) << "the gallery skins itself when shown";
    HWND push = gallery->window(L"CommandEnabled");
    const auto common = [&](const wchar_t* cls) { return FindWindowExW(gallery->hwnd(), nullptr, cls, nullptr); };
    const std::pair<HWND, LPARAM> targets[] = {{push, MAKELPARAM(20, 10)}, {gallery->window(L"CheckUnchecked"), MAKELPARAM(5, 8)},
                                               {gallery->window(L"ComboList"), MAKELPARAM(110, 10)}, {gallery->window(L"Header"), MAKELPARAM(150, 10)},
                                               {common(WC_TABCONTROLW), MAKELPARAM(30, 10)}, {common(TRACKBAR_CLASSW), MAKELPARAM(60, 12)},
                                               {common(TOOLBARCLASSNAMEW), MAKELPARAM(30, 10)}, {common(UPDOWN_CLASSW), MAKELPARAM(5, 4)}};
    // The list box's scroll bar: hovered, left, scrolled by line both ways and by the wheel.
    HWND list = gallery->window(L"List");
    SCROLLBARINFO bar{sizeof(bar)};
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    const LPARAM overBar = MAKELPARAM(bar.rcScrollBar.left + 5, bar.rcScrollBar.top + 30);
    const std::pair<UINT, WPARAM> scrolls[] = {{WM_NCMOUSEMOVE, HTVSCROLL}, {WM_NCMOUSELEAVE, 0}, {WM_VSCROLL, SB_LINEDOWN},
                                               {WM_VSCROLL, SB_LINEUP}, {WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)}};
    // Each cycle paints a dozen times and opens and closes the combo box's list: about 40 ms under Wine. The
    // first ones pump the queue after each: the list paints while it is down, and is skinned then.
    auto cycle = [&](int i) {
        for (auto [hwnd, at] : targets)
            for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE})
                SendMessageW(hwnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, msg == WM_MOUSELEAVE ? 0 : at);
        for (auto [msg, wParam] : scrolls)
            SendMessageW(list, msg, wParam, overBar);
        SendMessageW(push, WM_TIMER, skin::kFadeTimerId, 0);
        if (i % 100 == 0)
            pumpBounded();
    };
    for (int i = 0; i < 10; ++i)
        cycle(0);
    expectNoLeak("hover, press, release, leave", int(envNumber("QM_SOAK_CYCLES", 10000)), cycle);
}

TEST(Degenerate, AbsurdSizesAndCaptionsStayInsideTheWindowAndLeakNothing)
{
    const struct Kind { const wchar_t* className; DWORD style; UINT add; } kinds[] = {
        {L"Button", BS_PUSHBUTTON, 0}, {L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 0},
        {L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 0}, {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, CB_ADDSTRING},
        {L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, CB_ADDSTRING}, {L"ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, CB_ADDSTRING},
        {L"ProgressBar20WndClass", WS_BORDER, PBM_SETPOS}, {L"ProgressBar20WndClass", WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, PBM_SETPOS},
        {L"SysHeader32", HDS_HORZ | HDS_BUTTONS, HDM_INSERTITEMW}, {L"ListBox", WS_VSCROLL, LB_ADDSTRING},
        {L"Button", BS_GROUPBOX, 0}, {WC_TABCONTROLW, 0, TCM_INSERTITEMW}, {UPDOWN_CLASSW, 0, 0},
        {TRACKBAR_CLASSW, TBS_AUTOTICKS, 0}, {PROGRESS_CLASSW, 0, PBM_SETPOS}, {STATUSCLASSNAMEW, SBARS_SIZEGRIP, SB_SETTEXTW},
        {TOOLBARCLASSNAMEW, 0, 0}};
    const std::wstring huge = std::wstring(5000, L'W') + std::wstring(5000, L'中');
    const std::pair<int, std::wstring> cases[] = {{0, L""}, {0, huge}, {1, huge}, {1, L"&&&&&&&&&&&"}, {5, huge},
                                                  {5, L"中文 Latin 😀👍🏽 עברית العربية &x"}, {5, L""}, {4000, huge}};
    quillmend::registerFormClasses();
    registerPlainClass(L"QmSentinel");
    UniqueWindow parent(CreateWindowExW(WS_EX_TOPMOST, L"QmSentinel", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                        500, 400, 160, 160, nullptr, nullptr, nullptr, nullptr));
    static const HBRUSH sentinel = CreateSolidBrush(kSentinel); // the class keeps it for the process
    SetClassLongPtrW(parent.get(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(sentinel));
    auto everyCase = [&](int) {
        for (const Kind& kind : kinds)
            for (const auto& [size, caption] : cases) {
                SCOPED_TRACE(testing::Message() << &kind - kinds << ", " << size << ", caption " << caption.size());
                paintNow(parent.get());
                HWND control = makeChild(parent.get(), kind.className, caption.c_str(), kind.style, 60, 60, size, size,
                                         kind.add == LB_ADDSTRING ? WS_EX_CLIENTEDGE : 0);
                HDITEMW item{HDI_WIDTH | HDI_TEXT, size / 2 + 1, const_cast<wchar_t*>(caption.c_str())};
                TCITEMW tab{TCIF_TEXT, 0, 0, const_cast<wchar_t*>(caption.c_str())};
                const LPARAM added = kind.add == HDM_INSERTITEMW ? reinterpret_cast<LPARAM>(&item)
                                     : kind.add == TCM_INSERTITEMW ? reinterpret_cast<LPARAM>(&tab)
                                                                   : reinterpret_cast<LPARAM>(caption.c_str());
                for (int i = 0; i < 2; ++i)
                    SendMessageW(control, kind.add, kind.add == PBM_SETPOS ? 60 : 0, added);
                SendMessageW(control, CB_SETCURSEL, 0, 0);
                ASSERT_EQ(skin::startSkinEngine(control), 1);
                // Every handler that paints: hover, press and release (not on combos, whose press opens the
                // drop-down list, a window of its own) inside and outside, leave, space bar, fade steps, focus,
                // size, paint.
                for (LPARAM at : {MAKELPARAM(size / 2, size / 2), MAKELPARAM(-50, -50), MAKELPARAM(size + 50, 5)})
                    for (auto [msg, keys] : {std::pair{WM_MOUSEMOVE, 0}, {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_MOUSEMOVE, MK_LBUTTON},
                                             {WM_LBUTTONUP, 0}, {WM_MOUSELEAVE, 0}})
                        if (kind.add != CB_ADDSTRING || msg == WM_MOUSELEAVE || (msg == WM_MOUSEMOVE && !keys))
                            SendMessageW(control, msg, keys, at);
                SetFocus(control);
                for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_TIMER, WM_TIMER, WM_TIMER})
                    SendMessageW(control, msg, msg == WM_TIMER ? skin::kFadeTimerId : VK_SPACE, 0);
                SetFocus(parent.get());
                SetWindowPos(control, nullptr, 0, 0, size, size, SWP_NOMOVE | SWP_NOZORDER);
                paintNow(control);
                // The parent's pixels outside the control's window rectangle (a combo box sets its own height).
                RECT window{};
                GetWindowRect(control, &window);
                MapWindowPoints(nullptr, parent.get(), reinterpret_cast<POINT*>(&window), 2);
                const Dib shot = captureWindow(parent.get());
                FillRect(shot.dc(), &window, sentinel);
                EXPECT_EQ(shot.countNot(kSentinel), 0);
                EXPECT_EQ(skin::stopSkinEngine(control), 1);
                DestroyWindow(control);
            }
    };
    // The system keeps caches of its own (fonts, brushes, list box data) that fill on the first pass; a leak of
    // the skin grows on every pass.
    everyCase(0);
    expectNoLeak("absurd sizes and captions", 1, everyCase);
}
