// Counts the process's live GDI objects. GetGuiResources answers 0 under
// Wine, so there the count is read from the process's GDI handle table.
#pragma once

namespace qmtest {

int liveGdiObjects();

} // namespace qmtest
