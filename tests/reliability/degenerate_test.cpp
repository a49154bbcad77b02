// Controls of absurd sizes and captions, each kind the skin paints: nothing
// crashes, nothing is drawn outside the window, no handle is left behind.
#include "reliability.h"

#include "app/form_classes.h"
#include "support/pixels.h"

#include <commctrl.h>

#include <string>

using namespace qmtest;

namespace {

const struct Kind { const wchar_t* className; DWORD style, exStyle; UINT add; } kKinds[] = {
    {L"Button", BS_PUSHBUTTON, 0, 0}, {L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 0, 0},
    {L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 0, 0}, {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, CB_ADDSTRING},
    {L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 0, CB_ADDSTRING}, {L"ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, 0, CB_ADDSTRING},
    {L"ProgressBar20WndClass", WS_BORDER, 0, PBM_SETPOS}, {L"ProgressBar20WndClass", WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, 0, PBM_SETPOS},
    {L"SysHeader32", HDS_HORZ | HDS_BUTTONS, 0, HDM_INSERTITEMW}, {L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, LB_ADDSTRING}};

const std::wstring kCaptions[] = {L"", std::wstring(5000, L'W') + std::wstring(5000, L'中'), L"&&&&&&&&&&&",
                                  L"中文 Latin 😀👍🏽 עברית العربية &x"};

// Every handler that paints: hover, press and release (not on combos, whose press opens the drop-down list, a
// window of its own) inside and outside, leave, focus, space bar, fade steps, enable, size, paint.
void exercise(HWND control, bool combo, int size)
{
    SendMessageW(control, WM_NCPAINT, 1, 0);
    UpdateWindow(control);
    for (LPARAM at : {MAKELPARAM(size / 2, size / 2), MAKELPARAM(-50, -50), MAKELPARAM(size + 50, 5)})
        for (auto [msg, keys] : {std::pair{WM_MOUSEMOVE, 0}, {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_MOUSEMOVE, MK_LBUTTON},
                                 {WM_LBUTTONUP, 0}, {WM_MOUSELEAVE, 0}})
            if (!combo || msg == WM_MOUSELEAVE || (msg == WM_MOUSEMOVE && !keys))
                SendMessageW(control, msg, keys, at);
    SetFocus(control);
    for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_TIMER, WM_TIMER, WM_TIMER})
        SendMessageW(control, msg, msg == WM_TIMER ? skin::kFadeTimerId : VK_SPACE, 0);
    EnableWindow(control, FALSE);
    EnableWindow(control, TRUE);
    SetWindowPos(control, nullptr, 0, 0, size, size, SWP_NOMOVE | SWP_NOZORDER);
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    SetFocus(GetParent(control));
}

} // namespace

TEST(Degenerate, AbsurdSizesAndCaptionsStayInsideTheWindowAndLeakNothing)
{
    quillmend::registerFormClasses();
    registerPlainClass(L"QmSentinel");
    UniqueWindow parent(CreateWindowExW(WS_EX_TOPMOST, L"QmSentinel", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                        500, 400, 160, 160, nullptr, nullptr, nullptr, nullptr));
    static const HBRUSH sentinel = CreateSolidBrush(kSentinel); // the class keeps it for the process
    SetClassLongPtrW(parent.get(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(sentinel));
    paintNow(parent.get());
    auto everyRow = [&] {
        for (const Kind& kind : kKinds)
            for (int size : {0, 1, 5, 4000})
                for (const std::wstring& caption : kCaptions) {
                    if (size == 4000 && &caption != &kCaptions[1]) // one caption is enough for the very large window
                        continue;
                    SCOPED_TRACE(testing::Message() << &kind - kKinds << ", " << size << ", caption " << caption.size());
                    HWND control = makeChild(parent.get(), kind.className, caption.c_str(), kind.style, 60, 60, size, size, kind.exStyle);
                    HDITEMW item{HDI_WIDTH | HDI_TEXT, size / 2 + 1, const_cast<wchar_t*>(caption.c_str())};
                    for (int i = 0; i < 2; ++i)
                        SendMessageW(control, kind.add, kind.add == PBM_SETPOS ? 60 : 0,
                                     kind.add == HDM_INSERTITEMW ? reinterpret_cast<LPARAM>(&item) : reinterpret_cast<LPARAM>(caption.c_str()));
                    SendMessageW(control, CB_SETCURSEL, 0, 0);
                    pumpBounded();
                    ASSERT_EQ(skin::startSkinEngine(control), 1);
                    exercise(control, kind.add == CB_ADDSTRING, size);
                    // The parent's pixels outside the control's window rectangle (a combo box sets its own height).
                    RECT window{};
                    GetWindowRect(control, &window);
                    MapWindowPoints(nullptr, parent.get(), reinterpret_cast<POINT*>(&window), 2);
                    const Dib shot = captureWindow(parent.get());
                    FillRect(shot.dc(), &window, sentinel);
                    EXPECT_EQ(shot.countNot(kSentinel), 0);
                    EXPECT_EQ(skin::stopSkinEngine(control), 1);
                    DestroyWindow(control);
                    UpdateWindow(parent.get());
                    pumpBounded();
                }
    };
    // The system keeps caches of its own (fonts, brushes, list box data) that fill on the first pass; a leak of
    // the skin grows on every pass.
    everyRow();
    const int gdiBefore = liveGdiObjects();
    const UserObjects userBefore = liveUserObjects();
    everyRow();
    EXPECT_EQ(liveGdiObjects(), gdiBefore);
    EXPECT_EQ(liveUserObjects(), userBefore);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
