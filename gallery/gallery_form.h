// The skin gallery: one window holding a control of every kind the skin
// paints, in each of the looks worth seeing.
#pragma once

#include "forms/form_runtime.h"

#include <memory>

namespace gallery {

inline constexpr wchar_t kGalleryTitle[] = L"Skin Gallery";

// Whether the gallery starts the skin engine on load. The benchmark builds
// an unskinned one to measure the skin against.
enum class GallerySkin { on, off };

// Builds the gallery form, hidden. Its load handler finishes the controls
// the description cannot express (disabled and indeterminate looks, the
// simple and editable combo boxes, header items, positions) and, unless told
// otherwise, starts the skin; its unload handler stops it.
std::unique_ptr<quillmend::Form> createGallery(GallerySkin skin = GallerySkin::on);

} // namespace gallery
