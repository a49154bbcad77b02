// The form runtime's window classes and the table from control type to
// class name and window styles.
#pragma once

#include "forms/form_description.h"

#include <windows.h>

namespace quillmend {

inline constexpr wchar_t kFormClassName[] = L"Form";
inline constexpr wchar_t kFrameClassName[] = L"Frame";
inline constexpr wchar_t kLabelClassName[] = L"Label";

struct ControlClass {
    const wchar_t* className;
    DWORD style;   // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
};

ControlClass controlClass(ControlType type) noexcept;

// Registers the form, frame and label classes and the check box, option
// button and progress bar superclasses; later calls do nothing.
void registerFormClasses();

// The form's window procedure (form_runtime.cpp).
LRESULT CALLBACK formWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Window extra bytes of the runtime's own classes: the Form (form window) or
// Control (frame, label) the window belongs to, and the font it was given.
inline constexpr int kOwnerSlot = 0;
inline constexpr int kFontSlot = sizeof(LONG_PTR);

// Sizes an auto-size label to its text in its current font.
void fitLabelToText(HWND label) noexcept;

} // namespace quillmend
