#include "forms/form_runtime.h"

#include "forms/form_classes.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

namespace quillmend {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

Form* formOf(HWND hwnd) noexcept
{
    return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, kOwnerSlot));
}

MouseEventArgs mouseArgs(const Form& form, WPARAM keys, POINT client) noexcept
{
    MouseEventArgs args;
    args.button = ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
    args.shift = ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0)
        | ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
    args.x = form.pixelsToTwipsX(client.x);
    args.y = form.pixelsToTwipsY(client.y);
    return args;
}

void setIcon(HWND hwnd, int iconId, WPARAM which, int metricX, int metricY) noexcept
{
    // Shared icons belong to the system; nothing to release.
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                             GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED);
    if (icon)
        SendMessageW(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

} // namespace

LRESULT CALLBACK formWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, kOwnerSlot,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    Form* form = formOf(hwnd);
    if (!form)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, kOwnerSlot, 0);
    return form->handleMessage(hwnd, msg, wParam, lParam);
}

Form::Form(const FormDescription& description) : m_description(description)
{
    registerFormClasses();
    {
        win32::ClientDc screen(nullptr);
        m_dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
        m_dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    const LOGFONTW formFont = logFontFor(description.font);
    m_font.reset(CreateFontIndirectW(&formFont));

    RECT frame{0, 0, twipsToPixelsX(description.clientWidth), twipsToPixelsY(description.clientHeight)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const int y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);

    const std::wstring caption(description.caption);
    m_hwnd = CreateWindowExW(0, kFormClassName, caption.c_str(), kFormStyle, x, y, width, height,
                             nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_hwnd)
        return;
    if (description.iconId) {
        setIcon(m_hwnd, description.iconId, ICON_BIG, SM_CXICON, SM_CYICON);
        setIcon(m_hwnd, description.iconId, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
    }
    createControls();
}

Form::~Form()
{
    unload();
}

LOGFONTW Form::logFontFor(const FontDescription& font) const noexcept
{
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(font.tenthsOfPoint, m_dpiY, 720);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = font.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const size_t length = std::min(font.face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::copy_n(font.face.data(), length, lf.lfFaceName);
    return lf;
}

// Controls are made in tab order, containers before what they hold, so the
// window order is the tab order that the dialog keyboard interface walks.
void Form::createControls()
{
    std::vector<const ControlDescription*> pending;
    for (const ControlDescription& row : m_description.controls)
        pending.push_back(&row);
    std::stable_sort(pending.begin(), pending.end(),
                     [](const ControlDescription* a, const ControlDescription* b) { return a->tabIndex < b->tabIndex; });

    while (!pending.empty()) {
        auto ready = std::find_if(pending.begin(), pending.end(), [this](const ControlDescription* row) {
            return row->container.empty() || control(row->container);
        });
        if (ready == pending.end())
            break; // a container that is not in the table: those rows are left out
        const ControlDescription& row = **ready;
        pending.erase(ready);

        auto built = std::make_unique<Control>();
        Control& c = *built;
        c.description = &row;
        c.form = this;
        c.foreColour = row.foreColour;
        c.logFont = row.font ? logFontFor(*row.font) : logFontFor(m_description.font);
        c.font.reset(CreateFontIndirectW(&c.logFont));

        const ControlClass cls = controlClass(row.type);
        HWND parent = row.container.empty() ? m_hwnd : window(row.container);
        const std::wstring caption(row.caption);
        const auto id = static_cast<UINT_PTR>(m_controls.size() + 1);
        c.hwnd = CreateWindowExW(cls.exStyle, cls.className, caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | cls.style | row.extraStyle,
                                 twipsToPixelsX(row.left), twipsToPixelsY(row.top),
                                 twipsToPixelsX(row.width), twipsToPixelsY(row.height),
                                 parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), &c);
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font.get()), FALSE);
        m_controls.push_back(std::move(built));
    }
}

Control* Form::control(std::wstring_view name) noexcept
{
    for (auto& c : m_controls)
        if (c->description->name == name)
            return c.get();
    return nullptr;
}

HWND Form::window(std::wstring_view name) noexcept
{
    Control* c = control(name);
    return c ? c->hwnd : nullptr;
}

Control* Form::controlOfWindow(HWND hwnd) noexcept
{
    for (auto& c : m_controls)
        if (c->hwnd == hwnd)
            return c.get();
    return nullptr;
}

void Form::onClick(std::wstring_view name, FormEvent handler)
{
    if (Control* c = control(name))
        c->click = std::move(handler);
}

void Form::onMouseMove(std::wstring_view name, MouseEvent handler)
{
    if (Control* c = control(name))
        c->mouseMove = std::move(handler);
}

void Form::show(int showCommand)
{
    if (!m_hwnd)
        return;
    if (!m_loaded) {
        m_loaded = true;
        if (m_load)
            m_load();
    }
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    if (GetActiveWindow() == m_hwnd)
        focusSavedControl();
}

void Form::unload() noexcept
{
    if (m_unloaded || !m_hwnd)
        return;
    m_unloaded = true;
    if (m_unload)
        m_unload();
    DestroyWindow(m_hwnd);
}

void Form::setFontUnderline(std::wstring_view name, bool underline)
{
    Control* c = control(name);
    const BYTE wanted = underline ? TRUE : FALSE;
    if (!c || c->logFont.lfUnderline == wanted)
        return;
    c->logFont.lfUnderline = wanted;
    win32::UniqueFont font(CreateFontIndirectW(&c->logFont));
    SendMessageW(c->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    c->font = std::move(font); // the old font is released only once the control has let go of it
}

void Form::setForeColour(std::wstring_view name, COLORREF colour)
{
    Control* c = control(name);
    if (!c || c->foreColour == colour)
        return;
    c->foreColour = colour;
    InvalidateRect(c->hwnd, nullptr, FALSE);
}

void Form::raiseClick(Control& control) noexcept
{
    if (control.click)
        control.click();
}

void Form::raiseMouseMove(Control* control, WPARAM keys, POINT client) noexcept
{
    const MouseEventArgs args = mouseArgs(*this, keys, client);
    if (control && control->mouseMove)
        control->mouseMove(args);
    else if (!control && m_mouseMove)
        m_mouseMove(args);
}

void Form::focusSavedControl() noexcept
{
    HWND target = m_savedFocus && IsWindow(m_savedFocus) ? m_savedFocus : GetNextDlgTabItem(m_hwnd, nullptr, FALSE);
    if (target)
        SetFocus(target);
}

LRESULT Form::handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
            if (Control* c = controlOfWindow(reinterpret_cast<HWND>(lParam)))
                raiseClick(*c);
        return 0;
    case WM_MOUSEMOVE:
        raiseMouseMove(nullptr, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ACTIVATE:
        // Keep the focused control while another window is active, and give
        // it back on return.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                m_savedFocus = focus;
            return 0;
        }
        focusSavedControl();
        return 0;
    case WM_SETFOCUS:
        focusSavedControl();
        return 0;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (m_settingChange)
            m_settingChange(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_CLOSE:
        unload();
        return 0;
    case WM_DESTROY:
        if (m_quitOnDestroy)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_hwnd = nullptr;
        m_unloaded = true;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void dispatchFormMessage(HWND form, MSG& msg) noexcept
{
    if (form && IsWindow(form) && IsDialogMessageW(form, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int runMessageLoop(HWND form) noexcept
{
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        dispatchFormMessage(form, msg);
    return static_cast<int>(msg.wParam);
}

} // namespace quillmend
