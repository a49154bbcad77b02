// Controls of absurd sizes and captions, each kind the skin paints: nothing
// crashes, nothing is drawn outside the window, no handle is left behind.
#include "reliability.h"

#include "app/form_classes.h"
#include "support/pixels.h"

#include <commctrl.h>

#include <string>

using namespace qmtest;

namespace {

enum class Fill { none, combo, list, header, progress };

struct Kind {
    const char* name;
    const wchar_t* className;
    DWORD style;
    Fill fill;
    DWORD exStyle = 0;
};

const Kind kKinds[] = {
    {"push button", L"Button", BS_PUSHBUTTON, Fill::none},
    {"check box", L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, Fill::none},
    {"option button", L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, Fill::none},
    {"drop-down list", L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, Fill::combo},
    {"drop-down combo", L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, Fill::combo},
    {"simple combo", L"ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, Fill::combo},
    {"drive list", L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL, Fill::combo},
    {"data list", L"DataListWndClass", 0, Fill::list, WS_EX_CLIENTEDGE},
    {"grid", L"ApexGridOleDB32", WS_BORDER, Fill::list},
    {"progress bar", L"ProgressBar20WndClass", WS_BORDER, Fill::progress},
    {"vertical progress bar", L"ProgressBar20WndClass", WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, Fill::progress},
    {"header", L"SysHeader32", HDS_HORZ | HDS_BUTTONS, Fill::header},
    {"list box", L"ListBox", WS_VSCROLL, Fill::list, WS_EX_CLIENTEDGE},
};

const std::wstring kCaptions[] = {
    L"",
    std::wstring(5000, L'W') + std::wstring(5000, L'中'),
    L"&&&&&&&&&&&",
    L"中文 Latin 😀👍🏽 עברית العربية &x",
};

// Gives the control its caption where it shows one: window text, combo and
// list items, header items.
HWND makeControl(HWND parent, const Kind& kind, int size, const std::wstring& caption)
{
    HWND control = makeChild(parent, kind.className, caption.c_str(), kind.style, 60, 60, size, size, kind.exStyle);
    const auto text = reinterpret_cast<LPARAM>(caption.c_str());
    switch (kind.fill) {
    case Fill::combo:
        SendMessageW(control, CB_ADDSTRING, 0, text);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
        break;
    case Fill::list: SendMessageW(control, LB_ADDSTRING, 0, text); break;
    case Fill::progress: SendMessageW(control, PBM_SETPOS, 60, 0); break;
    case Fill::header:
        for (int i = 0; i < 2; ++i) {
            HDITEMW item{HDI_WIDTH | HDI_TEXT, size / 2 + 1, const_cast<wchar_t*>(caption.c_str())};
            SendMessageW(control, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        break;
    case Fill::none: break;
    }
    return control;
}

// Every handler that paints: hover, press and release (not on combos, whose
// press opens the drop-down list, a window of its own), leave, fade steps,
// focus, enable, size, paint.
void exercise(HWND control, const Kind& kind, int size)
{
    SendMessageW(control, WM_NCPAINT, 1, 0);
    UpdateWindow(control);
    for (LPARAM point : {MAKELPARAM(size / 2, size / 2), MAKELPARAM(-50, -50), MAKELPARAM(size + 50, 5)}) {
        SendMessageW(control, WM_MOUSEMOVE, 0, point);
        if (kind.fill != Fill::combo) {
            SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, point);
            SendMessageW(control, WM_LBUTTONUP, 0, point);
        }
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

// Pixels of the parent's client area outside the control's window rectangle
// (a combo box sets its own height) that are no longer the sentinel colour.
int paintedOutside(HWND parent, HWND control)
{
    RECT client{}, window{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(control, &window);
    OffsetRect(&window, -client.left, -client.top);
    const Dib shot = captureScreen(client);
    int outside = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            outside += !PtInRect(&window, POINT{x, y}) && shot.pixel(x, y) != kSentinel;
    return outside;
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

    auto everyRow = [&] {
        for (const Kind& kind : kKinds)
            for (int size : {0, 1, 5, 4000})
                for (const std::wstring& caption : kCaptions) {
                    // One caption is enough for the very large window.
                    if (size == 4000 && &caption != &kCaptions[1])
                        continue;
                    SCOPED_TRACE(testing::Message() << kind.name << ", " << size << " x " << size << ", caption of "
                                                    << caption.size() << " characters");
                    HWND control = makeControl(parent.get(), kind, size, caption);
                    ASSERT_NE(control, nullptr);
                    pumpBounded();
                    ASSERT_EQ(skin::startSkinEngine(control), 1);
                    exercise(control, kind, size);
                    EXPECT_EQ(paintedOutside(parent.get(), control), 0);
                    EXPECT_EQ(skin::stopSkinEngine(control), 1);
                    DestroyWindow(control);
                    UpdateWindow(parent.get());
                    pumpBounded();
                }
    };
    // The system keeps caches of its own (fonts, brushes, list box data)
    // that fill on the first pass; a leak of the skin grows on every pass.
    everyRow();
    const int gdiBefore = liveGdiObjects();
    const UserObjects userBefore = liveUserObjects();
    everyRow();
    EXPECT_EQ(liveGdiObjects(), gdiBefore);
    EXPECT_EQ(liveUserObjects(), userBefore);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
