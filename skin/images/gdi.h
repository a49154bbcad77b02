// The skin's names for the shared handle types.
#pragma once

#include "win32/handles.h"

namespace skin {
using win32::DeleteGdiObject;
using win32::Unique;
using win32::DeleteDc;
using win32::UniqueBitmap;
using win32::UniqueBrush;
using win32::UniqueFont;
using win32::UniqueRegion;
using win32::UniquePalette;
using win32::UniqueDc;
using win32::SelectGuard;
using win32::DcStateGuard;
using win32::PaintScope;
using win32::WindowDc;
using win32::ClientDc;
using win32::SavedDc;
using win32::LayoutGuard;
} // namespace skin
