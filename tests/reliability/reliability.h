// What the reliability tests share: the skin's own headers, the object
// counts, real windows, counts asked for in the environment and a bounded
// message pump.
#pragma once

#include "skin/core/engine.h"
#include "skin/router/start.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"
#include "support/user_count.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qmtest {

// The number (decimal or 0x hexadecimal) in the environment variable `name`, or `fallback`.
inline unsigned long long envNumber(const char* name, unsigned long long fallback)
{
    const char* asked = std::getenv(name);
    return asked && *asked ? std::strtoull(asked, nullptr, 0) : fallback;
}

// Dispatches queued messages, at most `limit`; true if the queue emptied.
inline bool pumpBounded(int limit = 10000)
{
    MSG msg;
    for (int i = 0; i < limit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

} // namespace qmtest
