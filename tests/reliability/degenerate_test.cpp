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
    {L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, CB_ADDSTRING},
    {L"DataListWndClass", 0, WS_EX_CLIENTEDGE, LB_ADDSTRING}, {L"ApexGridOleDB32", WS_BORDER, 0, LB_ADDSTRING},
    {L"ProgressBar20WndClass", WS_BORDER, 0, PBM_SETPOS}, {L"ProgressBar20WndClass", WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, 0, PBM_SETPOS},
    {L"SysHeader32", HDS_HORZ | HDS_BUTTONS, 0, HDM_INSERTITEMW}, {L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, LB_ADDSTRING}};

const std::wstring kCaptions[] = {L"", std::wstring(5000, L'W') + std::wstring(5000, L'中'), L"&&&&&&&&&&&",
                                  L"中文 Latin 😀👍🏽 עברית العربية &x"};

// Every handler that paints: hover, press and release (not on combos, whose press opens the drop-down list, a
// window of its own), leave, fade steps, focus, enable, size, paint.
void exercise(HWND control, const Kind& kind, int size)
{
    SendMessageW(control, WM_NCPAINT, 1, 0);
    UpdateWindow(control);
    for (LPARAM point : {MAKELPARAM(size / 2, size / 2), MAKELPARAM(-50, -50), MAKELPARAM(size + 50, 5)}) {
        SendMessageW(control, WM_MOUSEMOVE, 0, point);
        for (UINT msg : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP})
            if (kind.add != CB_ADDSTRING)
                SendMessageW(control, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    }
    SetFocus(control);
    SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(control, WM_KEYUP, VK_SPACE, 0);
    for (int i = 0; i < 3; ++i)
        SendMessageW(control, WM_TIMER, 1, 0);
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
    registerSuperclasses();
    registerPlainClass(L"QmSentinel");
    UniqueWindow parent(CreateWindowExW(WS_EX_TOPMOST, L"QmSentinel", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                        500, 400, 160, 160, nullptr, nullptr, nullptr, nullptr));
    static const HBRUSH sentinel = CreateSolidBrush(kSentinel); // the class keeps it for the process
    SetClassLongPtrW(parent.get(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(sentinel));
    InvalidateRect(parent.get(), nullptr, TRUE);
    UpdateWindow(parent.get());
    RECT client{0, 0, 160, 160};
    MapWindowPoints(parent.get(), nullptr, reinterpret_cast<POINT*>(&client), 2);
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
                    exercise(control, kind, size);
                    // Pixels of the parent outside the control's window rectangle (a combo box sets its own height).
                    RECT window{};
                    GetWindowRect(control, &window);
                    OffsetRect(&window, -client.left, -client.top);
                    const Dib shot = captureScreen(client);
                    int outside = 0;
                    for (int y = 0; y < shot.height(); ++y)
                        for (int x = 0; x < shot.width(); ++x)
                            outside += !PtInRect(&window, POINT{x, y}) && shot.pixel(x, y) != kSentinel;
                    EXPECT_EQ(outside, 0);
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
