// snap <window title> <png path>: waits up to 30 s for a visible top-level
// window with that title, lets it finish painting, saves what the screen shows
// of it as a PNG, then asks it to close.
#include "support/pixels.h"

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: snap <window title> <png path>\n", stderr);
        return 2;
    }
    HWND window = nullptr;
    for (int waited = 0; waited < 30000 && !window; waited += 100) {
        window = FindWindowW(nullptr, argv[1]);
        if (!window || !IsWindowVisible(window)) {
            window = nullptr;
            Sleep(100);
        }
    }
    if (!window) {
        std::fputs("snap: the window did not appear\n", stderr);
        return 1;
    }
    SetForegroundWindow(window);
    Sleep(1500); // let the first paint and the skin's fades settle
    const bool saved = qmtest::writePng(qmtest::captureWindow(window), argv[2]);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return saved ? 0 : 1;
}
