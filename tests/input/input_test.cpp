// Hover, leave, press, release, double click, the space bar and enabling, as
// one state table: a control in a given state receives one message with the
// real pointer in a given place; afterwards its properties are checked, and
// for push buttons whether anything was painted. Then hit areas, what a
// release refreshes, the focus box, resizes and owned windows, and the real
// pointer moved across the controls with no message sent by the test.
#include "support/windows.h"

#include "skin/core/button_surfaces.h"
#include "skin/core/engine.h"
#include "skin/router/start.h"
#include "skin/core/properties.h"

#include "skin/images/gdi.h"
#include "skin/input/fade.h"
#include "skin/input/mouse.h"
#include "support/gdi_count.h"
#include "support/pixels.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

using namespace qmtest;

namespace {

// A skinned form with one control of each kind the interaction handlers treat.
struct InputForm {
    InputForm()
    {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSEXW wc{sizeof(wc)}; // a drive list: a combo box under the kind table's name
        GetClassInfoExW(nullptr, L"ComboBox", &wc);
        wc.cbSize = sizeof(wc), wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = L"ThunderRT6DriveListBox", wc.style &= ~CS_GLOBALCLASS;
        RegisterClassExW(&wc);
        HWND f = form.get();
        push = makeChild(f, L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 100, 25);
        check = makeChild(f, L"Button", L"Check", BS_AUTOCHECKBOX, 10, 50, 100, 17);
        option = makeChild(f, L"Button", L"Option", BS_AUTORADIOBUTTON, 10, 75, 100, 17);
        label = makeChild(f, L"Static", L"Label", 0, 10, 100, 60, 16);
        comboList = makeChild(f, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 130, 10, 100, 120);
        comboEdit = makeChild(f, L"ComboBox", L"", CBS_DROPDOWN | WS_VSCROLL, 130, 45, 100, 120);
        drive = makeChild(f, L"ThunderRT6DriveListBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 130, 80, 100, 120);
        header = makeChild(f, WC_HEADERW, L"", HDS_BUTTONS, 250, 10, 160, 20); // three items of 50 pixels
        for (int i = 0; i < 3; ++i) {
            HDITEMW item{HDI_TEXT | HDI_WIDTH, 50, const_cast<wchar_t*>(L"Col")};
            SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        for (HWND combo : {comboList, comboEdit, drive})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        pumpMessages();
        skin::startSkinEngine(f);
        pumpMessages();
    }
    ~InputForm() { skin::stopSkinEngine(form.get()); }
    UniqueWindow form = makeTopLevel(L"Form", 420, 200, L"input test");
    HWND push, comboList, comboEdit, drive, check, option, header, label; // the combo lists: whole control / button
};

LPARAM packPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))); }

// Puts the pointer over the middle of `hwnd` (or `x` pixels from its left edge), or over the desktop far from
// every test window.
void pointAt(HWND hwnd, int x = -1)
{
    RECT r{1000, 740, 1000, 740};
    if (hwnd)
        GetWindowRect(hwnd, &r);
    SetCursorPos(x < 0 ? (r.left + r.right) / 2 : r.left + x, (r.top + r.bottom) / 2);
    pumpMessages();
}

// Whether a push button shows anything but `colour` inside its rounded corners.
bool paintedOver(HWND hwnd, COLORREF colour)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return captureDc(skin::WindowDc(hwnd).get(), 2, 2, r.right - r.left - 4, r.bottom - r.top - 4).countNot(colour) > 0;
}

using F = InputForm;

constexpr WPARAM kHeld = MK_LBUTTON;
const LPARAM kMiddle = packPoint(5, 5);

// Properties as "s1 m0 a30 f1 h-1 d2": OLDSTATE, MOUSEFLAG, ALPHALEVEL, fade running, HMINDEX, HDINDEX.
const std::pair<char, skin::PropName> kProps[] = {{'s', skin::prop::kOldState}, {'m', skin::prop::kMouseFlag},
                                                  {'a', skin::prop::kAlphaLevel}, {'f', skin::prop::kTimerId},
                                                  {'h', skin::prop::kHmIndex}, {'d', skin::prop::kHdIndex}};

void forEachProp(const char* text, const std::function<void(const skin::PropName&, int, bool)>& each)
{
    std::istringstream in(text);
    for (std::string token; in >> token;)
        for (auto [letter, name] : kProps)
            if (token[0] == letter)
                each(name, std::stoi(token.substr(1)), letter == 'f');
}

struct Row {
    const char* what;
    HWND InputForm::*control;
    const char* before;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    HWND InputForm::*pointer; // where the real pointer is; nullptr: far away
    const char* after;
    int painted = -1; // push buttons: 1 if the window was painted on, 0 if not
};

const Row kRows[] = {
    // push button: entry fades the hot face in and paints nothing now; a press shows the pressed face at once
    {"push entry", &F::push, "s0 m0 a77", WM_MOUSEMOVE, 0, kMiddle, &F::push, "s1 m1 a0 f1", 0},
    {"push captured outside", &F::push, "s2 m1 a30 f1", WM_MOUSEMOVE, kHeld, packPoint(-40, 90), nullptr, "s2 a255 f0", 1},
    {"push leave", &F::push, "s2 m1 a200", WM_MOUSELEAVE, 0, 0, nullptr, "s0 m0 a0 f1", 1},
    {"push down", &F::push, "s1 a40 f1", WM_LBUTTONDOWN, kHeld, kMiddle, &F::push, "s2 a0 f0", 1},
    {"push up", &F::push, "s2 m1 a0", WM_LBUTTONUP, 0, kMiddle, &F::push, "s0 m0 a60 f1", 0},
    {"push space down", &F::push, "s1 a90 f1", WM_KEYDOWN, VK_SPACE, 0, &F::push, "s2 a0 f0", 1},
    {"push space up", &F::push, "s2 m1 a0", WM_KEYUP, VK_SPACE, 0, &F::push, "s0 m0 a0 f1", 0},
    // after a finished fade the level is 0: the new face must still show, at once
    {"disable at rest", &F::push, "s1 a0 f0", WM_ENABLE, FALSE, 0, nullptr, "s3 a0 f0", 1},
    {"enable during a fade", &F::push, "s3 a120 f1", WM_ENABLE, TRUE, 0, &F::push, "s0 a0 f0", 1},
    // combo boxes: the painter keeps the state it drew; an editable one counts only its button area
    {"list combo pressed", &F::comboList, "s0", WM_MOUSEMOVE, kHeld, kMiddle, &F::comboList, "s2"},
    {"edit combo onto the button", &F::comboEdit, "s2", WM_MOUSEMOVE, 0, packPoint(90, 10), &F::comboEdit, "s1 m1"},
    {"edit combo off the button", &F::comboEdit, "s1", WM_MOUSEMOVE, 0, kMiddle, &F::comboEdit, "s0 m1"},
    {"drive list held anywhere", &F::drive, "s0", WM_MOUSEMOVE, kHeld, kMiddle, &F::drive, "s2"},
    {"list combo down anywhere", &F::comboList, "s0", WM_LBUTTONDOWN, kHeld, kMiddle, &F::comboList, "s2"},
    {"edit combo down on the button", &F::comboEdit, "s0", WM_LBUTTONDOWN, kHeld, packPoint(90, 10), &F::comboEdit, "s2"},
    {"edit combo down off the button", &F::comboEdit, "s0", WM_LBUTTONDOWN, kHeld, kMiddle, &F::comboEdit, "s0"},
    {"combo up over it", &F::comboList, "s0", WM_LBUTTONUP, 0, kMiddle, &F::comboList, "s1"},
    {"combo up elsewhere", &F::comboList, "s2", WM_LBUTTONUP, 0, kMiddle, nullptr, "s0"},
    // check boxes and option buttons
    {"check down", &F::check, "s1", WM_LBUTTONDOWN, kHeld, kMiddle, &F::check, "s2"},
    {"check up", &F::check, "s2", WM_LBUTTONUP, 0, kMiddle, &F::check, "s0"},
    {"check space down", &F::check, "s0", WM_KEYDOWN, VK_SPACE, 0, &F::check, "s2"},
    {"check space up", &F::check, "s2", WM_KEYUP, VK_SPACE, 0, &F::check, "s0"},
    {"option leave", &F::option, "s2 m1", WM_MOUSELEAVE, 0, 0, nullptr, "s0 m0"},
    // list header: items at x 0-50, 50-100, 100-150 (a shared border goes to the lower index); nothing beyond
    {"header shared border", &F::header, "h-1", WM_MOUSEMOVE, 0, packPoint(50, 5), &F::header, "h0"},
    {"header to empty space", &F::header, "h1", WM_MOUSEMOVE, 0, packPoint(155, 5), &F::header, "h-1"},
    {"header held elsewhere", &F::header, "h0 d1", WM_MOUSEMOVE, kHeld, packPoint(60, 5), &F::header, "h0 d1"},
    {"header above an item", &F::header, "h-1", WM_MOUSEMOVE, 0, packPoint(120, -30), &F::header, "h2"},
    {"header leave", &F::header, "m1 h2 d1", WM_MOUSELEAVE, 0, 0, nullptr, "m0 h-1 d-1"},
    {"header down on item 1", &F::header, "d-1", WM_LBUTTONDOWN, kHeld, packPoint(60, 5), &F::header, "d1"},
    {"header down beyond items", &F::header, "d2", WM_LBUTTONDOWN, kHeld, packPoint(155, 5), &F::header, "d-1"},
    {"header double click", &F::header, "d-1", WM_LBUTTONDBLCLK, kHeld, packPoint(10, 5), &F::header, "d0"},
    {"header up over it", &F::header, "d1", WM_LBUTTONUP, 0, packPoint(60, 5), &F::header, "d-1"},
    // a focus change redraws a push button's faces and fades its state in; an option button is drawn normal
    {"push focus", &F::push, "s1 a200 f0", WM_SETFOCUS, 0, 0, &F::push, "s1 a0 f1"},
    {"option focus", &F::option, "s1", WM_SETFOCUS, 0, 0, &F::option, "s0"},
    // containers and unlisted kinds get no state
    {"form hover", &F::label, "", WM_MOUSEMOVE, 0, kMiddle, &F::label, "m0"},
};

} // namespace

TEST(Input, EveryRowOfTheStateTable)
{
    constexpr COLORREF kWipe = RGB(255, 0, 255);
    for (const Row& row : kRows) {
        InputForm f;
        HWND hwnd = f.*row.control;
        pointAt(row.pointer ? f.*row.pointer : nullptr);
        forEachProp(row.before, [hwnd](const skin::PropName& name, int value, bool fade) {
            fade ? void(value ? skin::startFadeTimer(hwnd) : skin::stopFadeTimer(hwnd)) : skin::setProp(hwnd, name, value);
        });
        skin::UniqueBrush wipe(CreateSolidBrush(kWipe)); // so a later paint can be told from none
        RECT all{0, 0, 200, 100};
        FillRect(skin::WindowDc(hwnd).get(), &all, wipe.get());
        SendMessageW(hwnd, row.msg, row.wParam, row.lParam);
        forEachProp(row.after, [&](const skin::PropName& name, int value, bool fade) {
            EXPECT_EQ(fade ? skin::getProp(hwnd, name) != 0 : skin::getProp(hwnd, name), value)
                << row.what << ": " << std::string(name.text, name.text + wcslen(name.text));
        });
        EXPECT_TRUE(row.painted < 0 || paintedOver(hwnd, kWipe) == (row.painted == 1)) << row.what << ": painted";
        if (row.control == &F::label) {
            EXPECT_EQ(GetPropW(f.form.get(), skin::prop::kOldState.text), nullptr);
            EXPECT_EQ(GetPropW(hwnd, skin::prop::kOldState.text), nullptr);
        }
    }
}

TEST(Input, HitAreasReleasesAndFocus)
{
    InputForm f;
    // The editable combo's button area has exact inclusive bounds.
    RECT r{};
    GetWindowRect(f.comboEdit, &r);
    const int w = r.right - r.left, h = r.bottom - r.top, s = GetSystemMetrics(SM_CXVSCROLL);
    const struct { int x, y; bool inside; } points[] = {
        {w - s - 3, h / 2, false}, {w - s - 2, h / 2, true}, {w - 2, h / 2, true}, {w - 1, h / 2, false},
        {w - 5, 1, false},         {w - 5, 2, true},         {w - 5, h - 2, true}, {w - 5, h - 1, false}};
    for (const auto& p : points)
        EXPECT_EQ(skin::comboButtonArea(f.comboEdit, p.x, p.y), p.inside) << p.x << "," << p.y;

    // Every release refreshes the attached check boxes and option buttons around it.
    HWND loose = makeChild(f.form.get(), L"Button", L"Loose", BS_AUTOCHECKBOX, 10, 130, 100, 17);
    for (HWND released : {f.label, f.push, f.form.get()}) {
        skin::setState(f.check, skin::VisualState::hot);
        skin::setState(f.option, skin::VisualState::pressed);
        SendMessageW(released, WM_LBUTTONUP, 0, kMiddle);
        EXPECT_EQ(skin::getState(f.check), skin::VisualState::normal);
        EXPECT_EQ(skin::getState(f.option), skin::VisualState::normal);
        EXPECT_EQ(GetPropW(loose, skin::prop::kOldState.text), nullptr) << "a window never attached is skipped";
    }

    // A focus change redraws the faces with the focus box.
    const auto hotFace = [&] { return captureDc(skin::stateSurface(f.push, 1), 0, 0, 100, 25); };
    SetFocus(f.label);
    const Dib unfocused = hotFace();
    SetFocus(f.push);
    EXPECT_GT(countDifferences(hotFace(), unfocused), 40) << "the focus box is on the hot surface";
    // A button waiting for its paint (a window just shown) has nothing on
    // screen to fade from: no fade over it, the paint shows the face whole.
    SetFocus(f.label);
    skin::stopFadeTimer(f.push);
    InvalidateRect(f.push, nullptr, FALSE);
    SetFocus(f.push);
    EXPECT_EQ(GetPropW(f.push, skin::prop::kTimerId.text), nullptr);
}

TEST(Input, ResizesMovesAndOwnedWindows)
{
    InputForm f;
    // A resized push button keeps its contexts, with faces and shape at the new size, and frees the old bitmaps.
    skin::setState(f.push, skin::VisualState::hot);
    const HDC hot = skin::stateSurface(f.push, 1);
    const int objects = liveGdiObjects();
    SetWindowPos(f.push, nullptr, 0, 0, 140, 31, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(liveGdiObjects(), objects);
    EXPECT_EQ(skin::stateSurface(f.push, 1), hot);
    const Dib face = captureDc(hot, 0, 0, 141, 32);
    EXPECT_EQ(face.pixel(139, 30), face.pixel(0, 30)) << "mirror-symmetric corners";
    EXPECT_NE(face.pixel(139, 30), kSentinel);
    EXPECT_EQ(face.pixel(140, 31), kSentinel) << "no larger than the button";
    EXPECT_EQ(skin::getState(f.push), skin::VisualState::hot);
    skin::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(f.push, region.get());
    EXPECT_TRUE(PtInRegion(region.get(), 139, 15) && !PtInRegion(region.get(), 139, 30) && PtInRegion(region.get(), 70, 30));
    // A moved combo box returns to normal.
    skin::setState(f.comboList, skin::VisualState::hot);
    SetWindowPos(f.comboList, nullptr, 131, 11, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(skin::getState(f.comboList), skin::VisualState::normal);
    // An owned popup taking the activation is attached (not as a container); a stranger is not.
    registerPlainClass(L"QmOwned");
    const int count = skin::attachedWindowCount();
    HWND owned = CreateWindowExW(0, L"QmOwned", L"owned", WS_POPUP, 60, 60, 100, 60, f.form.get(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND button = makeChild(owned, L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 75, 25); // there before the owned window is skinned
    ShowWindow(owned, SW_SHOW);
    HWND stranger = CreateWindowExW(0, L"QmOwned", L"stranger", WS_POPUP | WS_VISIBLE, 300, 60, 100, 60, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    pumpMessages();
    SendMessageW(f.form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger));
    EXPECT_NE(skin::getProp(owned, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::getProp(button, skin::prop::kProcAddr) | skin::getProp(stranger, skin::prop::kProcAddr), 0);
    EXPECT_EQ(skin::attachedWindowCount(), count + 1);
    DestroyWindow(owned);
    DestroyWindow(stranger);
    EXPECT_EQ(skin::attachedWindowCount(), count);
}

// The real pointer across the controls and along the header's items, then onto the desktop, a window the skin does not own:
// each control turns hot under it, and with no leave message from the test every one ends with the look it had.
TEST(Input, RealPointerAcrossTheControlsOntoAForeignWindow)
{
    InputForm f;
    const HWND controls[] = {f.push, f.check, f.option, f.comboList, f.comboEdit, f.header};
    // The controls' own procedures see no moves, so none asks for leave notifications or repaints a hot item
    // itself, as buttons and headers of the classic look do not: only what the skin does brings them back.
    for (HWND h : controls)
        SetPropW(h, L"QmOwnProc", GetPropW(h, skin::prop::kProcAddr.text)), skin::setProp(h, skin::prop::kProcAddr, reinterpret_cast<LONG_PTR>(
            +[](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
                return msg == WM_MOUSEMOVE ? 0 : CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(hwnd, L"QmOwnProc")), hwnd, msg, wParam, lParam);
            }));
    const auto atRest = [&] { return std::ranges::none_of(controls, [](HWND h) {
        return GetPropW(h, skin::prop::kOldState.text) || GetPropW(h, skin::prop::kMouseFlag.text) || GetPropW(h, skin::prop::kTimerId.text); }); };
    pointAt(nullptr);
    paintNow(f.form.get()); // the looks before; afterwards only what the pointer made them paint
    const Dib before = captureWindow(f.form.get());
    const struct { HWND at; int x; HWND hwnd; skin::PropName prop; int value; } steps[] = {
        {f.push, -1, f.push, skin::prop::kOldState, 1}, {f.check, -1, f.check, skin::prop::kOldState, 1},
        {f.option, -1, f.option, skin::prop::kOldState, 1}, {f.comboList, -1, f.comboList, skin::prop::kOldState, 1},
        {f.comboEdit, 95, f.comboEdit, skin::prop::kOldState, 1}, {f.header, 25, f.header, skin::prop::kHmIndex, 0},
        {f.header, 75, f.header, skin::prop::kHmIndex, 1}, {nullptr, -1, f.header, skin::prop::kHmIndex, -1}};
    for (const auto& step : steps) {
        pointAt(step.at, step.x);
        EXPECT_TRUE(pumpUntil([&] { return skin::getProp(step.hwnd, step.prop) == step.value; })) << "step " << &step - steps;
    }
    EXPECT_TRUE(pumpUntil(atRest));
    EXPECT_EQ(countDifferences(captureWindow(f.form.get()), before), 0);
}
