// Standard buttons as dialogs use them, on a skinned and an unskinned twin
// driven alike: the dialog manager's default and Enter, two quick real
// clicks, a Yes/No message box, radio buttons, what push buttons show; the
// elevation shield; the system's Find, Replace and font dialogs over the
// example host.
#include "core/core_fixture.h"
#include "../examples/host/host_window.h"
#include "skin/core/kinds.h"
#include "skin/images/gdi.h"
#include "skin/paint/button_face.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <functional>
#include <list>

using namespace qmtest;

namespace {

int g_command = 0, g_clicks = 0;
bool g_boxSkinned = false;

// A dialog box with an OK (the default) and a Cancel button, skinned or not, recording the commands it hears.
struct Twin : SkinnedForm {
    explicit Twin(bool skin) : SkinnedForm(L"#32770"), skinned(skin)
    {
        DLGPROC record = [](HWND, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR { // clicks count 10, double clicks 1
            return msg == WM_COMMAND && (g_command = LOWORD(wParam), g_clicks += HIWORD(wParam) == BN_CLICKED ? 10 : HIWORD(wParam) == BN_DOUBLECLICKED, false);
        };
        SetWindowLongPtrW(f, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(record));
        SetWindowLongPtrW(defPush, GWLP_ID, IDOK), SetWindowLongPtrW(push, GWLP_ID, IDCANCEL);
        SendMessageW(f, DM_SETDEFID, IDOK, 0), SendMessageW(down, BM_SETCHECK, BST_CHECKED, 0);
        skin::startSkinEngine(skinned ? f : nullptr), SetForegroundWindow(f), paintNow(f);
    }
    bool skinned; // OK is defPush, Cancel push
};

void focus(HWND dialog, HWND control) { SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE); }

int pressEnter(Twin& t, HWND on)
{
    MSG key{(focus(t.f, on), GetFocus()), WM_KEYDOWN, VK_RETURN, 0x1C0001};
    return g_command = 0, IsDialogMessageW(t.f, &key), g_command;
}

int clickTwice(HWND button) // two quick real clicks: what the parent heard
{
    RECT r{};
    GetWindowRect(button, &r);
    g_clicks = 0, clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, 2, 500);
    return g_clicks;
}

int answerWithEnterOnNo(Twin& t) // a Yes/No box: the focus moved to No as Tab would, then Enter
{
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindWindowW(L"#32770", L"yes or no"), no = GetDlgItem(box, IDNO);
        if (no)
            KillTimer(nullptr, id), focus(box, no), g_boxSkinned = skin::isAttached(no), PostMessageW(no, WM_KEYDOWN, VK_RETURN, 0x1C0001);
    });
    return MessageBoxW(t.f, L"Go on?", L"yes or no", MB_YESNO) == IDNO && g_boxSkinned == t.skinned ? IDNO : -1;
}

Dib glyph(HWND hwnd) { return captureDc(skin::WindowDc(hwnd).get(), 0, 0, GetSystemMetrics(SM_CXMENUCHECK), 20); }

// Every button, check box, radio button and combo box of the dialog is skinned; a checked radio button looks so.
HWND expectSkinnedWhole(HWND dialog, const wchar_t* shot)
{
    paintNow(dialog);
    HWND radio[2]{}; // an unchecked and a checked one
    for (HWND h : descendants(dialog)) {
        const skin::ControlKind kind = skin::windowKind(h);
        if (kind == skin::ControlKind::other || !IsWindowVisible(h))
            continue; // statics and edit fields keep the system's look
        EXPECT_TRUE(skin::isAttached(h)) << skin::getWindowClassName(h).size();
        if (kind == skin::ControlKind::optionButton)
            radio[SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED] = h;
    }
    EXPECT_TRUE(!radio[0] || countDifferences(glyph(radio[0]), glyph(radio[1])) > 0) << "a checked radio button shows it";
    savePng(captureWindow(dialog), shot);
    return dialog;
}

} // namespace

TEST(Dialogs, StandardButtonsBehaveAndShowAsUnskinned)
{
    const struct { const char* what; int expected; std::function<int(Twin&)> observe; } rows[] = {
        {"a push button's code", DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, [](Twin& t) { return int(SendMessageW(t.push, WM_GETDLGCODE, 0, 0)); }},
        {"the default follows the focus", DLGC_BUTTON | DLGC_DEFPUSHBUTTON,
         [](Twin& t) { return focus(t.f, t.push), int(SendMessageW(t.push, WM_GETDLGCODE, 0, 0)); }},
        {"Enter presses the focused button", IDCANCEL, [](Twin& t) { return pressEnter(t, t.push); }},
        {"Enter elsewhere presses the default", IDOK, [](Twin& t) { return pressEnter(t, t.check); }},
        {"the dialog's default", IDOK, [](Twin& t) { return LOWORD(SendMessageW(t.f, DM_GETDEFID, 0, 0)); }},
        {"two quick clicks are two clicks", 20, [](Twin& t) { return clickTwice(t.push); }},
        {"BS_NOTIFY hears the double click", 11, [](Twin& t) { return clickTwice(t.notify); }},
        {"No on a message box after Tab", IDNO, answerWithEnterOnNo},
        {"the checked radio button looks checked", 1, [](Twin& t) { return int(countDifferences(glyph(t.autoRadio), glyph(t.down)) > 0); }},
    };
    for (bool skinned : {false, true}) {
        Twin t(skinned);
        for (const auto& row : rows)
            EXPECT_EQ(row.observe(t), row.expected) << row.what << (skinned ? ", skinned" : ", unskinned");
    }
    Twin plain(false), skinned(true);
    for (HWND Twin::*box : {&Twin::check, &Twin::down})
        EXPECT_GT(countDifferences(glyph(plain.*box), glyph(skinned.*box)), 20) << "the skin draws the glyph";

    // What push buttons show, on one sheet: an icon or a bitmap alone, an icon before the caption, wrapped and
    // aligned captions, a mnemonic, a caption cut with an ellipsis; then the elevation shield before the caption,
    // in the four faces at 96 and 144 DPI.
    std::list<Dib> faces;
    std::vector<const Dib*> sheet;
    const skin::UniqueBitmap red(CreateBitmap(16, 16, 1, 32, std::vector<DWORD>(256, 0x00FF0000).data()));
    const struct { DWORD style; const wchar_t* text; HANDLE image; } buttons[] = {
        {BS_ICON, L"", LoadIconW(nullptr, IDI_ERROR)}, {BS_BITMAP, L"", red.get()}, {0, L"Stop", LoadIconW(nullptr, IDI_ERROR)},
        {BS_MULTILINE, L"one two three", nullptr}, {BS_LEFT | BS_TOP, L"Go", nullptr}, {BS_RIGHT | BS_BOTTOM, L"Go", nullptr},
        {0, L"&Go", nullptr}, {0, L"Restart the shell", nullptr}}; // an underlined G; the start of a caption too long
    for (const auto& b : buttons) { // skinned as they are created, the image given afterwards
        HWND hwnd = makeChild(skinned.f, L"Button", b.text, b.style, 230, 140, 64, 54);
        SendMessageW(hwnd, BM_SETIMAGE, GetObjectType(b.image) == OBJ_BITMAP ? IMAGE_BITMAP : IMAGE_ICON, LPARAM(b.image));
        sheet.push_back(&faces.emplace_back(captureDc(skin::stateSurface(hwnd, 0), 0, 0, 64, 54)));
    }
    HWND shielded[2], twin = makeChild(plain.f, L"Button", L"Change", BS_PUSHBUTTON, 230, 140, 100, 25);
    for (int i : {0, 1}) {
        shielded[i] = makeChild(skinned.f, L"Button", L"Change", BS_PUSHBUTTON, 230, 140, i ? 150 : 100, i ? 38 : 25);
        EXPECT_EQ(SendMessageW(shielded[i], BCM_SETSHIELD, 0, TRUE), TRUE);
        skin::renderButtonFacesAtDpi(shielded[i], i ? 144 : 96);
        for (int n = 0; n < 4; ++n)
            sheet.push_back(&faces.emplace_back(captureDc(skin::stateSurface(shielded[i], n), 0, 0, i ? 150 : 100, i ? 38 : 25)));
    }
    EXPECT_TRUE(matchesGolden(stack(sheet), L"button-content"));
    DestroyWindow(shielded[1]), skin::detachWindow(shielded[0]), paintNow(shielded[0]), paintNow(twin);
    EXPECT_TRUE(skinProperties(shielded[0]).empty());
    EXPECT_TRUE(samePixels(captureWindow(shielded[0]), captureWindow(twin))) << "the shield went with the skin";
}

TEST(Dialogs, FindReplaceAndFontDialogsOverTheExampleHostAreSkinned)
{
    const LCID locale = GetThreadLocale(); // the dialogs in English, as the README shows them
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
    HWND host = host::createHostWindow(GetModuleHandleW(nullptr), SW_SHOW);
    HWND find = expectSkinnedWhole(host::openFindDialog(host), L"skin-find-dialog");
    HWND replace = expectSkinnedWhole(host::openReplaceDialog(host), L"replace-dialog");
    DestroyWindow(find), DestroyWindow(replace), SetThreadLocale(locale);
    static HWND s_host = host; // the font dialog is the popup it makes active
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (HWND font = GetLastActivePopup(s_host); font != s_host)
            KillTimer(nullptr, id), expectSkinnedWhole(font, L"font-dialog"), PostMessageW(font, WM_COMMAND, IDCANCEL, 0);
    });
    host::chooseFont(host);
    DestroyWindow(host);
    MSG quit; // the host's own, not the test's
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
