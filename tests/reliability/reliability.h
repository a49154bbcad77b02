// What the reliability tests share: the superclasses of the kinds known to
// the skin only by another class name, the windows of this thread, taking
// the skin off all of them, and a bounded message pump.
#pragma once

#include "skin/core/engine.h"
#include "skin/router/start.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"
#include "support/user_count.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace qmtest {

// Registers a drive list (a combo box), a data list and a grid (list boxes).
void registerSuperclasses();
// `root` and every window below it; with no root, every window of this
// thread, top-level ones and all their descendants.
std::vector<HWND> windowTree(HWND root = nullptr);
// Detaches every window of this thread that is still attached, whoever
// attached it.
void detachEverything();
// Dispatches queued messages, at most `limit`; true if the queue emptied.
bool pumpBounded(int limit = 10000);

} // namespace qmtest
