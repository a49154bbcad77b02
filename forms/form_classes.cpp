#include "forms/form_classes.h"

#include "forms/form_runtime.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <string>

namespace quillmend {

namespace {

struct TypeRow {
    ControlType type;
    ControlClass cls;
};

// One row per control type: the class it is made of and its styles.
constexpr std::array kTypeTable{
    TypeRow{ControlType::frame, {kFrameClassName, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}},
    TypeRow{ControlType::label, {kLabelClassName, 0, 0}},
    TypeRow{ControlType::pushButton, {L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0}},
    TypeRow{ControlType::checkBox, {L"ThunderRT6CheckBox", BS_AUTOCHECKBOX | WS_TABSTOP, 0}},
    TypeRow{ControlType::optionButton, {L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | WS_TABSTOP, 0}},
    TypeRow{ControlType::progressBar, {L"ProgressBar20WndClass", 0, 0}},
    TypeRow{ControlType::comboBox, {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0}},
    TypeRow{ControlType::listBox,
            {L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_TABSTOP,
             WS_EX_CLIENTEDGE}},
    TypeRow{ControlType::listHeader, {L"SysHeader32", HDS_HORZ | HDS_BUTTONS, 0}},
};

struct Superclass {
    const wchar_t* base;
    const wchar_t* name;
};

// Registered under the names the skin engine knows these kinds by; they
// behave exactly as their base classes.
constexpr std::array kSuperclasses{
    Superclass{L"Button", L"ThunderRT6CheckBox"},
    Superclass{L"Button", L"ThunderRT6OptionButton"},
    Superclass{PROGRESS_CLASSW, L"ProgressBar20WndClass"},
};

Control* ownerControl(HWND hwnd) noexcept
{
    return reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, kOwnerSlot));
}

HFONT windowFont(HWND hwnd) noexcept
{
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot));
}

std::wstring windowText(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

COLORREF textColour(const Control* control) noexcept
{
    return control && control->foreColour != kSystemColour ? control->foreColour : GetSysColor(COLOR_BTNTEXT);
}

void fillFace(HDC dc, const RECT& rect) noexcept
{
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
}

// The messages every runtime class treats alike; true if handled.
bool commonMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept
{
    Control* control = ownerControl(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, kOwnerSlot,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        return true;
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (control && control->description->autoSize)
            fitLabelToText(hwnd);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, FALSE);
        result = 0;
        return true;
    case WM_GETFONT:
        result = static_cast<LRESULT>(GetWindowLongPtrW(hwnd, kFontSlot));
        return true;
    case WM_SETTEXT:
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        if (control && control->description->autoSize)
            fitLabelToText(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return true;
    case WM_MOUSEMOVE:
        if (control)
            control->form->raiseMouseMove(control, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_STATIC;
        return true;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, kOwnerSlot, 0);
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        return true;
    default:
        return false;
    }
}

// The etched border with the caption set into its top edge, in the fore colour.
void paintFrame(HWND hwnd, HDC dc) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    fillFace(dc, client);
    win32::DcStateGuard state(dc);
    win32::SelectGuard font(dc, windowFont(hwnd));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = windowText(hwnd);
    if (caption.empty())
        return;
    constexpr int kCaptionLeft = 8;
    constexpr int kCaptionGap = 2;
    RECT text{kCaptionLeft, 0, client.right - kCaptionLeft, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT gap{text.left - kCaptionGap, 0, text.right + kCaptionGap, metrics.tmHeight};
    fillFace(dc, gap);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour(ownerControl(hwnd)));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK frameWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    LRESULT result = 0;
    if (commonMessage(hwnd, msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd, &client);
        fillFace(reinterpret_cast<HDC>(wParam), client);
        return 1;
    }
    case WM_PAINT: {
        win32::PaintScope paint(hwnd);
        paintFrame(hwnd, paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paintFrame(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    // The frame is only a container: its controls' notifications and colour
    // questions belong to the form.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

UINT labelFormat(const Control* control) noexcept
{
    const bool oneLine = control && control->description->autoSize;
    return DT_NOPREFIX | (oneLine ? DT_SINGLELINE : DT_WORDBREAK);
}

// Draws the container's surface under the label, then the text, off screen:
// the label is transparent and a change of font leaves nothing behind.
void paintLabel(HWND hwnd, HDC dc) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    win32::UniqueDc memory(CreateCompatibleDC(dc));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap)
        return;
    win32::SelectGuard selectBitmap(memory.get(), bitmap.get());
    fillFace(memory.get(), client);

    HWND parent = GetParent(hwnd);
    POINT offset{0, 0};
    MapWindowPoints(hwnd, parent, &offset, 1);
    POINT oldOrigin{};
    SetViewportOrgEx(memory.get(), -offset.x, -offset.y, &oldOrigin);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_ERASEBKGND | PRF_CLIENT);
    SetViewportOrgEx(memory.get(), oldOrigin.x, oldOrigin.y, nullptr);

    const Control* control = ownerControl(hwnd);
    {
        win32::DcStateGuard state(memory.get());
        win32::SelectGuard font(memory.get(), windowFont(hwnd));
        SetBkMode(memory.get(), TRANSPARENT);
        SetTextColor(memory.get(), textColour(control));
        const std::wstring text = windowText(hwnd);
        DrawTextW(memory.get(), text.c_str(), -1, &client, labelFormat(control));
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    LRESULT result = 0;
    if (commonMessage(hwnd, msg, wParam, lParam, result))
        return result;
    Control* control = ownerControl(hwnd);
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the paint draws the background with the text
    case WM_PAINT: {
        win32::PaintScope paint(hwnd);
        paintLabel(hwnd, paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paintLabel(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETCURSOR:
        // A label with a mouse-move handler leaves the cursor to it, so the
        // class cursor does not flicker in between.
        if (LOWORD(lParam) == HTCLIENT && control && control->mouseMove)
            return TRUE;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != hwnd)
            return 0;
        ReleaseCapture();
        RECT client{};
        GetClientRect(hwnd, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (control && PtInRect(&client, at))
            control->form->raiseClick(*control);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void registerOwnClass(const wchar_t* name, WNDPROC proc, HBRUSH background) noexcept
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

void registerSuperclass(const Superclass& superclass) noexcept
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, superclass.base, &wc))
        return;
    wc.style &= ~CS_GLOBALCLASS;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = superclass.name;
    RegisterClassExW(&wc);
}

bool registerAll() noexcept
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    registerOwnClass(kFormClassName, formWindowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    registerOwnClass(kFrameClassName, frameWindowProc, nullptr);
    registerOwnClass(kLabelClassName, labelWindowProc, nullptr);
    for (const Superclass& superclass : kSuperclasses)
        registerSuperclass(superclass);
    return true;
}

} // namespace

ControlClass controlClass(ControlType type) noexcept
{
    for (const TypeRow& row : kTypeTable)
        if (row.type == type)
            return row.cls;
    return kTypeTable.front().cls;
}

void registerFormClasses()
{
    static const bool registered = registerAll();
    (void)registered;
}

void fitLabelToText(HWND label) noexcept
{
    const std::wstring text = windowText(label);
    win32::ClientDc screen(nullptr);
    win32::SelectGuard font(screen.get(), windowFont(label));
    RECT size{0, 0, 0, 0};
    DrawTextW(screen.get(), text.c_str(), -1, &size, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    SetWindowPos(label, nullptr, 0, 0, size.right, size.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, FALSE);
}

} // namespace quillmend
