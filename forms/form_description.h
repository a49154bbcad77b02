// The description a form is built from: one row per control, positions and
// sizes in twips relative to the control's container.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

namespace quillmend {

enum class ControlType {
    frame,        // group box: the runtime's own "Frame" class
    label,        // transparent text, the runtime's own "Label" class
    pushButton,   // the standard "Button" class
    checkBox,
    optionButton,
    progressBar,
    comboBox,
    listBox,
    listHeader,
};

struct FontDescription {
    std::wstring_view face;
    int tenthsOfPoint = 90;
    bool bold = false;
    bool underline = false;
    BYTE charset = GB2312_CHARSET;
};

// A colour the control takes from the system instead of from the row.
inline constexpr COLORREF kSystemColour = CLR_INVALID;

struct ControlDescription {
    std::wstring_view name;
    ControlType type;
    std::wstring_view container{}; // empty: the form itself
    std::wstring_view caption{};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
    COLORREF foreColour = kSystemColour;
    std::optional<FontDescription> font{}; // none: the form's font
    bool autoSize = false;        // labels: width and height follow the text
    DWORD extraStyle = 0;         // added to the type's own window styles
};

struct FormDescription {
    std::wstring_view name;
    std::wstring_view caption{};
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    FontDescription font{};
    int iconId = 0;       // 0: no icon
    std::span<const ControlDescription> controls{};
};

} // namespace quillmend
