// Counts the process's live GDI objects, as the benchmark does.
#pragma once

#include "win32/gdi_objects.h"

namespace qmtest {

using win32::liveGdiObjects;

} // namespace qmtest
