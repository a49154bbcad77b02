#include "host_window.h"

#include <quillmend/skin.h>

#include <commdlg.h>

namespace host {

namespace {

constexpr wchar_t kClassName[] = L"QuillmendSkinHost";
constexpr wchar_t kTitle[] = L"Quillmend skin host";

// The Find and Replace dialogs read and write their text and flags while they
// are open, so both live as long as the program.
wchar_t g_findText[128] = L"skin";
wchar_t g_replaceText[128] = L"";
FINDREPLACEW g_find{};
FINDREPLACEW g_replace{};
HWND g_findDialog = nullptr;
HWND g_replaceDialog = nullptr;
MessageBoxWatch g_watch = nullptr;
const UINT g_findMessage = RegisterWindowMessageW(FINDMSGSTRINGW);

HWND openFindOrReplace(HWND owner, bool replace)
{
    HWND& open = replace ? g_replaceDialog : g_findDialog;
    if (open && IsWindow(open))
        return open;
    FINDREPLACEW& request = replace ? g_replace : g_find;
    request = FINDREPLACEW{sizeof(request)};
    request.hwndOwner = owner;
    request.Flags = FR_DOWN;
    request.lpstrFindWhat = g_findText;
    request.wFindWhatLen = sizeof(g_findText);
    request.lpstrReplaceWith = replace ? g_replaceText : nullptr;
    request.wReplaceWithLen = replace ? sizeof(g_replaceText) : 0;
    open = replace ? ReplaceTextW(&request) : FindTextW(&request);
    return open;
}

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == g_findMessage) {
        const auto* request = reinterpret_cast<const FINDREPLACEW*>(lParam);
        if (request->Flags & FR_DIALOGTERM)
            (request == &g_replace ? g_replaceDialog : g_findDialog) = nullptr;
        return 0;
    }
    switch (msg) {
    case WM_CREATE: {
        const struct { int id; const wchar_t* caption; } buttons[] = {
            {kMessageBoxId, L"Open a message box"}, {kFindId, L"Find..."}, {kReplaceId, L"Replace..."},
            {kFontId, L"Font..."}};
        int y = 20;
        for (const auto& button : buttons) {
            CreateWindowExW(0, L"Button", button.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 20, y,
                            180, 28, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), nullptr, nullptr);
            y += 36;
        }
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kMessageBoxId:
            if (g_watch)
                g_watch(hwnd);
            MessageBoxW(hwnd, L"Skinned as it appeared.", kTitle, MB_OK);
            return 0;
        case kFindId: openFindDialog(hwnd); return 0;
        case kReplaceId: openReplaceDialog(hwnd); return 0;
        case kFontId: chooseFont(hwnd); return 0;
        default: return 0;
        }
    case WM_DESTROY:
        quillmend::skin::stopSkinEngine(hwnd);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

HWND createHostWindow(HINSTANCE instance, int show)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc); // fails harmlessly when registered already
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                  220, nullptr, nullptr, instance, nullptr);
    quillmend::skin::startSkinEngine(window);
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

HWND openFindDialog(HWND owner) { return openFindOrReplace(owner, false); }
HWND openReplaceDialog(HWND owner) { return openFindOrReplace(owner, true); }

bool chooseFont(HWND owner)
{
    LOGFONTW font{};
    CHOOSEFONTW request{sizeof(request)};
    request.hwndOwner = owner;
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_EFFECTS;
    return ChooseFontW(&request) != FALSE;
}

void watchMessageBox(MessageBoxWatch watch) { g_watch = watch; }

} // namespace host
