// The example host's window: a window of its own class, skinned, with push
// buttons that open a message box and the system's Find, Replace and font
// dialogs, each skinned as it appears.
#pragma once

#include <windows.h>

namespace host {

inline constexpr int kMessageBoxId = 100;
inline constexpr int kFindId = 101;
inline constexpr int kReplaceId = 102;
inline constexpr int kFontId = 103;

// Registers the class once, creates the window, skins it and shows it.
HWND createHostWindow(HINSTANCE instance, int show);

// The modeless Find or Replace dialog over `owner` (one of each at a time),
// or null when the system could not make it.
HWND openFindDialog(HWND owner);
HWND openReplaceDialog(HWND owner);
// The modal font dialog with effects (strikeout, underline, colour); true
// when the user chose a font.
bool chooseFont(HWND owner);

// What the window does with a message box it opens.
using MessageBoxWatch = void (*)(HWND owner);
void watchMessageBox(MessageBoxWatch watch);

} // namespace host
