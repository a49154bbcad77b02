// snap <window title> <png path>: waits up to 30 s for a visible top-level
// window whose title starts with that text (Quillmend adds the menu's state
// to its own), lets it finish painting, saves what the screen shows
// of it as a PNG, then asks it to close.
#include "tools/picture.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    wchar_t title[512]{};
    GetWindowTextW(window, title, 512);
    if (IsWindowVisible(window) && std::wstring(title).starts_with(search->prefix)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: snap <window title> <png path>\n", stderr);
        return 2;
    }
    Search search{argv[1]};
    for (int waited = 0; waited < 30000 && !search.found; waited += 100) {
        EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    HWND window = search.found;
    if (!window) {
        std::fputs("snap: the window did not appear\n", stderr);
        return 1;
    }
    SetForegroundWindow(window);
    Sleep(1500); // let the first paint and the skin's fades settle
    const bool saved = picture::writePng(picture::captureWindow(window), argv[2]);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return saved ? 0 : 1;
}
