// Control kinds, told apart by the lower-cased class name. The table of
// class-name literals is data, here; each handler asks only the questions it
// needs, in its own order.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

enum class ControlKind {
    container, pushButton, comboBox, driveList, checkBox, optionButton,
    progressBar, listHeader, dataList, dropDownList, scrollBar, grid,
    // The common controls the skin draws whole, from their own state.
    groupBox, tabControl, spinButton, slider, commonProgress, statusBar, toolbar,
    other
};

// True for the kinds from groupBox to toolbar.
constexpr bool isCommonControl(ControlKind kind) noexcept
{
    return kind >= ControlKind::groupBox && kind <= ControlKind::toolbar;
}

// The common controls with parts that follow the pointer (items, arrows, a
// thumb, buttons).
constexpr bool hasPointerParts(ControlKind kind) noexcept
{
    return kind == ControlKind::tabControl || kind == ControlKind::spinButton || kind == ControlKind::slider
        || kind == ControlKind::toolbar;
}

// The class name as the system reports it, or "" when it cannot be read.
std::wstring getWindowClassName(HWND hwnd);
// The class name lower-cased, ready for the questions below.
std::wstring lowerClassName(HWND hwnd);

// The kind of a lower-cased class name. Combo boxes and drive lists are told
// apart here; isComboKind covers both.
ControlKind kindOf(std::wstring_view lowerName) noexcept;

// The kind of a window as the handlers treat it. A window of a push button
// class (the standard "Button" among them) is a push button, check box or
// option button by its button type: the type saved at attach when the skin
// made the button owner-draw, its own otherwise.
// A group box is a `groupBox`. Push-like check boxes and radio buttons, and
// the buttons that draw themselves differently (owner-draw, split buttons,
// command links) are `other`: the skin leaves them alone.
ControlKind windowKind(HWND hwnd);
// The kind a "Button" of the given style is (its BS_TYPEMASK bits).
ControlKind buttonKind(LONG_PTR style) noexcept;

bool isContainer(std::wstring_view lowerName) noexcept;
bool isPushButton(std::wstring_view lowerName) noexcept;
bool isComboBox(std::wstring_view lowerName) noexcept;    // the four combo literals
bool isDriveList(std::wstring_view lowerName) noexcept;   // the two drive list literals
bool isComboKind(std::wstring_view lowerName) noexcept;   // all six
bool isCheckBox(std::wstring_view lowerName) noexcept;
bool isOptionButton(std::wstring_view lowerName) noexcept;
bool isProgressBar(std::wstring_view lowerName) noexcept;
bool isListHeader(std::wstring_view lowerName) noexcept;
bool isDataList(std::wstring_view lowerName) noexcept;
bool isDropDownList(std::wstring_view lowerName) noexcept;
bool isScrollBar(std::wstring_view lowerName) noexcept; // the system's "ScrollBar" windows
bool isGrid(std::wstring_view lowerName) noexcept;

} // namespace skin
