#pragma once

#include "skin/core/properties.h"

#include <windows.h>

namespace skin {

// Each returns 1 if it drew, 0 if the state was unchanged and not forced.
int paintCheckBox(HWND hwnd, VisualState state, bool force) noexcept;
int paintOptionButton(HWND hwnd, VisualState state, bool force) noexcept;

} // namespace skin
