// Form1: the program's window, its description and its event handlers.
#pragma once

#include "app/actions.h"
#include "forms/form_runtime.h"

#include <string>
#include <string_view>

namespace quillmend {

// The maker's forum, shown by Label3 and opened by clicking it.
inline constexpr std::wstring_view kForumAddress = L"https://forum.example.com";
inline constexpr COLORREF kLinkColour = 0x00FF0000;

const FormDescription& form1Description() noexcept;

class Form1 {
public:
    // Builds the window hidden; the actions go through `launcher` and
    // `elevation` and write their scripts into `scriptDirectory`.
    Form1(Launcher& launcher, std::wstring scriptDirectory, Elevation& elevation = systemElevation());
    explicit Form1(Launcher& launcher, Elevation& elevation = systemElevation());
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Form& form() noexcept { return m_form; }
    HWND hwnd() const noexcept { return m_form.hwnd(); }
    void show(int showCommand = SW_SHOWNORMAL) { m_form.show(showCommand); }

    // The title with the right-click menu's state in force, as the shell
    // reads the registry now, and where that state comes from.
    static std::wstring stateTitle();

private:
    void bindEvents();
    void onLoad() noexcept;
    void onUnload() noexcept;
    void onLinkMouseMove() noexcept;
    void onFormMouseMove() noexcept;
    void showMenuState();

    Form m_form;
    Elevation& m_elevation;
    Actions m_actions;
};

} // namespace quillmend
