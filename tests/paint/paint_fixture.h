// Shared set-up for the painter tests: the skin images, a visible host window
// to put controls in, fixture classes for the kinds that only exist under
// other class names, and readers for what a window shows.
#pragma once

#include "support/pixels.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace qmtest {

// Registers `name` as a superclass of the system class `base`, keeping its
// window procedure; extraStyle adds class styles (CS_OWNDC ...).
void registerSuperclass(const wchar_t* name, const wchar_t* base, UINT extraStyle = 0);

// A window procedure that counts the messages it sees and hands each on to
// the procedure it wraps, so a test can tell whether a control's own
// painting ran.
struct CountingProc {
    static WNDPROC wrapped;
    static int paints;     // WM_PAINT
    static int ncPaints;   // WM_NCPAINT
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static WNDPROC wrap(HWND hwnd);   // resets the counts
};

// Pixels of the image cell (sx, sy, w, h) that are not the key colour and
// differ from what the Dib shows at (x, y) onwards; -1 if the cell is all key.
int imageMismatches(const Dib& dib, int x, int y, HDC image, int sx, int sy, int w, int h);

class PaintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A child of the host window at (x, y) with the given outer size.
    HWND child(const wchar_t* cls, DWORD style, int x, int y, int width, int height,
               DWORD exStyle = 0, const wchar_t* text = L"");
    // Runs every pending paint so a control's own drawing is done before a
    // painter draws over it.
    static void settle(HWND hwnd);
    // What the window shows, frame included (its whole-window context).
    static Dib windowPixels(HWND hwnd);
    // What the client area shows.
    static Dib clientPixels(HWND hwnd);

    HWND host_ = nullptr;
};

} // namespace qmtest
