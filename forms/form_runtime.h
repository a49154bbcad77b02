// The form runtime: builds a top-level window and its controls from a
// FormDescription and raises the form's events to plain handler functions.
#pragma once

#include "forms/form_description.h"
#include "win32/handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace quillmend {

// Mouse state of a mouse-move event: buttons (1 left, 2 right, 4 middle),
// shift keys (1 Shift, 2 Ctrl, 4 Alt) and the position in twips.
struct MouseEventArgs {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
};

using FormEvent = std::function<void()>;
using MouseEvent = std::function<void(const MouseEventArgs&)>;
// A system setting changed; the argument names its area ("Policy" ...), or is empty.
using SettingEvent = std::function<void(std::wstring_view)>;

class Form;

// One built control. Owned by its form; its address is stable, and the
// runtime's own window classes keep it in their window extra bytes.
struct Control {
    const ControlDescription* description = nullptr;
    Form* form = nullptr;
    HWND hwnd = nullptr;
    COLORREF foreColour = kSystemColour;
    LOGFONTW logFont{};
    win32::UniqueFont font;
    FormEvent click;
    MouseEvent mouseMove;
};

class Form {
public:
    // Creates the window and every control, hidden.
    explicit Form(const FormDescription& description);
    // Unloads the form if it is still loaded.
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hwnd() const noexcept { return m_hwnd; }
    const FormDescription& description() const noexcept { return m_description; }
    // The control of that name, or null.
    Control* control(std::wstring_view name) noexcept;
    HWND window(std::wstring_view name) noexcept;
    const std::vector<std::unique_ptr<Control>>& controls() const noexcept { return m_controls; }
    HFONT formFont() const noexcept { return m_font.get(); }

    void onLoad(FormEvent handler) { m_load = std::move(handler); }
    void onUnload(FormEvent handler) { m_unload = std::move(handler); }
    void onMouseMove(MouseEvent handler) { m_mouseMove = std::move(handler); }
    void onSettingChange(SettingEvent handler) { m_settingChange = std::move(handler); }
    void onClick(std::wstring_view name, FormEvent handler);
    void onMouseMove(std::wstring_view name, MouseEvent handler);

    // Raises load (once), then shows the window and gives the keyboard focus
    // to the first control in tab order.
    void show(int showCommand = SW_SHOWNORMAL);
    // Raises unload (once) and destroys the window. Never cancelled.
    void unload() noexcept;
    // When set, destroying the window ends the thread's message loop.
    void quitOnDestroy(bool quit) noexcept { m_quitOnDestroy = quit; }

    // Property changes at run time; each redraws the control.
    void setFontUnderline(std::wstring_view name, bool underline);
    void setForeColour(std::wstring_view name, COLORREF colour);

    int twipsToPixelsX(int twips) const noexcept { return MulDiv(twips, m_dpiX, 1440); }
    int twipsToPixelsY(int twips) const noexcept { return MulDiv(twips, m_dpiY, 1440); }
    int pixelsToTwipsX(int pixels) const noexcept { return MulDiv(pixels, 1440, m_dpiX); }
    int pixelsToTwipsY(int pixels) const noexcept { return MulDiv(pixels, 1440, m_dpiY); }
    LOGFONTW logFontFor(const FontDescription& font) const noexcept;

    // Called by the window procedures.
    void raiseClick(Control& control) noexcept;
    void raiseMouseMove(Control* control, WPARAM keys, POINT client) noexcept;
    LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void createControls();
    Control* controlOfWindow(HWND hwnd) noexcept;
    void focusSavedControl() noexcept;

    const FormDescription& m_description;
    HWND m_hwnd = nullptr;
    int m_dpiX = 96;
    int m_dpiY = 96;
    win32::UniqueFont m_font;
    std::vector<std::unique_ptr<Control>> m_controls;
    FormEvent m_load;
    FormEvent m_unload;
    MouseEvent m_mouseMove;
    SettingEvent m_settingChange;
    HWND m_savedFocus = nullptr;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_quitOnDestroy = false;
};

// Hands a message to the form's keyboard interface (Tab, Shift+Tab, space)
// or dispatches it.
void dispatchFormMessage(HWND form, MSG& msg) noexcept;
// Runs the thread's message loop until WM_QUIT; returns its exit code.
int runMessageLoop(HWND form) noexcept;

} // namespace quillmend
