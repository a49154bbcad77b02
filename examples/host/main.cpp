// A plain Win32 program that skins its own window: a window of its own class
// with a push button that opens a message box. With /selftest it checks that
// the button and the message box's button were skinned, closes everything
// and exits with 0 (or 1 when something was not skinned).
#include <quillmend/skin.h>

#include <windows.h>

#include <cwchar>

namespace {

constexpr int kOpenId = 100;
constexpr UINT_PTR kCheckBoxTimer = 1;
bool g_selfTest = false;
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
void checkMessageBox(HWND owner)
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

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        CreateWindowExW(0, L"Button", L"Open a message box", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 180, 28,
                        hwnd, reinterpret_cast<HMENU>(kOpenId), nullptr, nullptr);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kOpenId) {
            if (g_selfTest)
                SetTimer(hwnd, kCheckBoxTimer, 100, nullptr);
            MessageBoxW(hwnd, L"Skinned as it appeared.", L"Quillmend skin host", MB_OK);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kCheckBoxTimer)
            checkMessageBox(hwnd);
        return 0;
    case WM_DESTROY:
        quillmend::skin::stopSkinEngine(hwnd);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t* commandLine, int show)
{
    g_selfTest = std::wcsstr(commandLine, L"/selftest") != nullptr;
    WNDCLASSW wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QuillmendSkinHost";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Quillmend skin host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 320, 120, nullptr, nullptr, instance, nullptr);
    quillmend::skin::startSkinEngine(window);
    ShowWindow(window, show);
    UpdateWindow(window);

    if (g_selfTest) {
        HWND button = GetDlgItem(window, kOpenId);
        const bool buttonSkinned = hasSkinRegion(button);
        SendMessageW(window, WM_COMMAND, kOpenId, reinterpret_cast<LPARAM>(button));
        const bool given = quillmend::skin::stopSkinEngine(window) == 1 && !hasSkinRegion(button);
        DestroyWindow(window);
        return buttonSkinned && g_boxSkinned && given ? 0 : 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
