// One row of an interaction table: a control in a given state receives one
// message with the pointer in a given place; afterwards its properties are
// checked, and for push buttons whether anything was painted.
#pragma once

#include "input_fixture.h"

#include <optional>

namespace qmtest {

struct Props {
    std::optional<int> state;      // OLDSTATE
    std::optional<int> mouseFlag;  // MOUSEFLAG
    std::optional<int> alpha;      // ALPHALEVEL
    std::optional<bool> fading;    // TIMERID non-zero
    std::optional<int> hot;        // HMINDEX
    std::optional<int> held;       // HDINDEX
};

struct Row {
    const char* what;
    HWND InputForm::*control;
    Props before;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    HWND InputForm::*pointer; // where the real pointer is; nullptr: far away
    Props after;
    std::optional<bool> painted; // push buttons: was the window painted on?
};

// Sets `props` on the window (a running fade is started or stopped).
void applyProps(HWND hwnd, const Props& props);
// Runs every row on a fresh form and reports each mismatch with its row.
void runTable(const Row* rows, size_t count);

template <size_t N> void runTable(const Row (&rows)[N]) { runTable(rows, N); }

} // namespace qmtest
