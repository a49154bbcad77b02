// Counts the process's live USER objects. GetGuiResources answers 0 under
// Wine, so there the count is made from what can be enumerated: every window
// of the process (top-level, message-only and all their descendants) and the
// properties those windows carry.
#pragma once

namespace qmtest {

struct UserObjects {
    int windows = 0;
    int properties = 0;
    int reported = 0; // GetGuiResources(GR_USEROBJECTS): 0 under Wine
    bool operator==(const UserObjects&) const = default;
};

UserObjects liveUserObjects();

} // namespace qmtest
