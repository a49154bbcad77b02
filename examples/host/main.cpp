// A plain Win32 program that skins its own window (see host_window.h). With
// /selftest it checks that its button and the message box's button were
// skinned, closes everything and exits with 0 (or 1 when something was not
// skinned).
#include "host_window.h"

#include <quillmend/skin.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kCheckBoxTimer = 1;
bool g_boxSkinned = false;
int g_timerTicks = 0;

// A skinned push button is clipped to rounded corners; a plain one has no region.
bool hasSkinRegion(HWND button)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(button, region);
    DeleteObject(region);
    return kind != ERROR;
}

// Looks for the message box this thread shows, checks its button, closes it.
void CALLBACK checkMessageBox(HWND owner, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowW(L"#32770", L"Quillmend skin host");
    if (!box || GetWindow(box, GW_OWNER) != owner) {
        if (++g_timerTicks > 50) // five seconds without a box: give up
            KillTimer(owner, kCheckBoxTimer);
        return;
    }
    HWND ok = GetDlgItem(box, IDOK);
    g_boxSkinned = ok && hasSkinRegion(ok);
    KillTimer(owner, kCheckBoxTimer);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t* commandLine, int show)
{
    HWND window = host::createHostWindow(instance, show);
    if (std::wcsstr(commandLine, L"/selftest")) {
        host::watchMessageBox([](HWND owner) { SetTimer(owner, kCheckBoxTimer, 100, checkMessageBox); });
        HWND button = GetDlgItem(window, host::kMessageBoxId);
        const bool buttonSkinned = hasSkinRegion(button);
        SendMessageW(window, WM_COMMAND, host::kMessageBoxId, reinterpret_cast<LPARAM>(button));
        const bool given = quillmend::skin::stopSkinEngine(window) == 1 && !hasSkinRegion(button);
        DestroyWindow(window);
        return buttonSkinned && g_boxSkinned && given ? 0 : 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(GetActiveWindow(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}
