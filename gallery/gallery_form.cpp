#include "gallery/gallery_form.h"

#include "quillmend/skin.h"

#include <commctrl.h>

#include <array>
#include <iterator>
#include <string_view>

namespace gallery {

namespace {

using quillmend::ControlDescription;
using quillmend::ControlType;

// Positions and sizes in twips, 15 to a pixel at 96 dots per inch.
constexpr int px(int pixels) { return pixels * 15; }

constexpr std::array kControls{
    ControlDescription{L"CommandEnabled", ControlType::pushButton, {}, L"Enabled", px(16), px(16), px(96), px(26), 0},
    ControlDescription{L"CommandDisabled", ControlType::pushButton, {}, L"Disabled", px(124), px(16), px(96), px(26), 1},

    ControlDescription{L"CheckUnchecked", ControlType::checkBox, {}, L"Unchecked", px(16), px(58), px(110), px(17), 2},
    ControlDescription{L"CheckChecked", ControlType::checkBox, {}, L"Checked", px(16), px(80), px(110), px(17), 3},
    ControlDescription{L"CheckIndeterminate", ControlType::checkBox, {}, L"Indeterminate", px(16), px(102), px(110), px(17), 4},
    ControlDescription{L"CheckDisabled", ControlType::checkBox, {}, L"Disabled", px(16), px(124), px(110), px(17), 5},

    ControlDescription{L"OptionChecked", ControlType::optionButton, {}, L"Checked", px(140), px(58), px(110), px(17), 6,
                       quillmend::kSystemColour, std::nullopt, false, WS_GROUP},
    ControlDescription{L"OptionUnchecked", ControlType::optionButton, {}, L"Unchecked", px(140), px(80), px(110), px(17), 7},
    // A group of its own, so its check mark leaves the first group's alone.
    ControlDescription{L"OptionDisabled", ControlType::optionButton, {}, L"Disabled", px(140), px(102), px(110), px(17), 8,
                       quillmend::kSystemColour, std::nullopt, false, WS_GROUP},

    ControlDescription{L"ComboList", ControlType::comboBox, {}, L"", px(264), px(16), px(140), px(200), 9,
                       quillmend::kSystemColour, std::nullopt, false, WS_GROUP},

    ControlDescription{L"ProgressHorizontal", ControlType::progressBar, {}, L"", px(16), px(156), px(234), px(18), 12,
                quillmend::kSystemColour, std::nullopt, false, WS_BORDER},
    ControlDescription{L"ProgressVertical", ControlType::progressBar, {}, L"", px(420), px(16), px(20), px(140), 13,
                quillmend::kSystemColour, std::nullopt, false, WS_BORDER | PBS_VERTICAL | PBS_SMOOTH},

    ControlDescription{L"Header", ControlType::listHeader, {}, L"", px(16), px(190), px(300), px(22), 14},
    ControlDescription{L"List", ControlType::listBox, {}, L"", px(16), px(220), px(300), px(90), 15},
};

constexpr quillmend::FormDescription kGallery{
    L"Gallery", kGalleryTitle, px(664), px(390), {L"宋体", 90, false, false, GB2312_CHARSET}, 0, kControls};

// The description gives every combo box the drop-down-list style; the
// simple and the editable drop-down combo are made here, beside it, placed
// in twips like the rest so they grow with the DPI.
HWND addCombo(quillmend::Form& form, DWORD style, int y, int height)
{
    HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | style,
                                 form.twipsToPixelsX(px(264)), form.twipsToPixelsY(y), form.twipsToPixelsX(px(140)),
                                 form.twipsToPixelsY(height), form.hwnd(), nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(form.formFont()), FALSE);
    return combo;
}

// A common control the description has no type for, placed like the rest.
HWND addControl(quillmend::Form& form, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                int width, int height)
{
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, form.twipsToPixelsX(px(x)),
                                   form.twipsToPixelsY(px(y)), form.twipsToPixelsX(px(width)),
                                   form.twipsToPixelsY(px(height)), form.hwnd(), nullptr, GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(form.formFont()), FALSE);
    return control;
}

// In a column on the right, a group box round an edit box with its spin
// button, a horizontal spin button and a check box, a tab control and two
// progress bars; beside the list, an upright slider; along the bottom, a
// slider, a toolbar and a status bar.
void addCommonControls(quillmend::Form& form)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    // A group box leaves what lies inside its frame to the window below, as
    // in a dialog box: the form paints under its children.
    HWND window = form.hwnd();
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~WS_CLIPCHILDREN);

    addControl(form, L"Button", L"分组 &Group", BS_GROUPBOX, 464, 16, 184, 84);
    HWND edit = addControl(form, L"Edit", L"", WS_BORDER | WS_TABSTOP | ES_NUMBER, 476, 40, 80, 22);
    HWND spin = addControl(form, UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageW(spin, UDM_SETRANGE32, 0, 100);
    SendMessageW(spin, UDM_SETPOS32, 0, 42);
    addControl(form, UPDOWN_CLASSW, L"", UDS_HORZ, 588, 40, 40, 22);
    addControl(form, L"Button", L"内部 Inside", BS_AUTOCHECKBOX | WS_TABSTOP, 476, 70, 160, 20);

    HWND tabs = addControl(form, WC_TABCONTROLW, L"", WS_TABSTOP, 464, 112, 184, 84);
    const wchar_t* captions[] = {L"常规 General", L"高级 Advanced", L"关于 About"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);

    HWND slider = addControl(form, TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP, 16, 318, 200, 32);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(slider, TBM_SETPOS, TRUE, 4);
    HWND upright = addControl(form, TRACKBAR_CLASSW, L"", TBS_VERT | TBS_BOTH | TBS_AUTOTICKS, 424, 170, 32, 140);
    SendMessageW(upright, TBM_SETRANGE, TRUE, MAKELPARAM(0, 5));
    SendMessageW(upright, TBM_SETPOS, TRUE, 2);

    HWND progress = addControl(form, PROGRESS_CLASSW, L"", 0, 464, 210, 184, 14);
    SendMessageW(progress, PBM_SETPOS, 60, 0);
    HWND paused = addControl(form, PROGRESS_CLASSW, L"", PBS_SMOOTH, 464, 232, 184, 14);
    SendMessageW(paused, PBM_SETPOS, 35, 0);
    SendMessageW(paused, PBM_SETSTATE, PBST_PAUSED, 0);

    HWND toolbar = addControl(form, TOOLBARCLASSNAMEW, L"",
                              TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE
                                  | CCS_NODIVIDER,
                              232, 322, 416, 26);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    TBBUTTON buttons[] = {
        {STD_FILENEW, 201, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0, reinterpret_cast<INT_PTR>(L"新建 New")},
        {STD_FILEOPEN, 202, TBSTATE_ENABLED, BTNS_DROPDOWN | BTNS_AUTOSIZE, {}, 0, reinterpret_cast<INT_PTR>(L"打开 Open")},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {STD_PROPERTIES, 203, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK | BTNS_AUTOSIZE, {}, 0,
         reinterpret_cast<INT_PTR>(L"属性 Properties")},
        {STD_DELETE, 204, 0, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0, reinterpret_cast<INT_PTR>(L"删除 Delete")},
    };
    SendMessageW(toolbar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));

    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  form.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(form.formFont()), FALSE);
    const int parts[] = {form.twipsToPixelsX(px(220)), form.twipsToPixelsX(px(440)), -1};
    SendMessageW(status, SB_SETPARTS, std::size(parts), reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"就绪 Ready"));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"\t第 2 栏 Part two"));
    SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"\t\t100%"));
}

void fillCombo(HWND combo, std::wstring_view select)
{
    for (const wchar_t* text : {L"第一项 First", L"第二项 Second", L"第三项 Third"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(select.data()));
}

void prepare(quillmend::Form& form)
{
    EnableWindow(form.window(L"CommandDisabled"), FALSE);

    SendMessageW(form.window(L"CheckChecked"), BM_SETCHECK, BST_CHECKED, 0);
    HWND indeterminate = form.window(L"CheckIndeterminate");
    SendMessageW(indeterminate, BM_SETSTYLE, BS_AUTO3STATE, FALSE);
    SendMessageW(indeterminate, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendMessageW(form.window(L"CheckDisabled"), BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(form.window(L"CheckDisabled"), FALSE);

    SendMessageW(form.window(L"OptionChecked"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(form.window(L"OptionDisabled"), BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(form.window(L"OptionDisabled"), FALSE);

    fillCombo(form.window(L"ComboList"), L"第一项");
    fillCombo(addCombo(form, CBS_DROPDOWN, px(50), px(200)), L"第二项");
    fillCombo(addCombo(form, CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, px(84), px(90)), L"第三项");

    // Progress is shown out of 30000, whatever range the bar was given.
    for (std::wstring_view name : {L"ProgressHorizontal", L"ProgressVertical"})
        SendMessageW(form.window(name), PBM_SETRANGE32, 0, 30000);
    SendMessageW(form.window(L"ProgressHorizontal"), PBM_SETPOS, 15000, 0);
    SendMessageW(form.window(L"ProgressVertical"), PBM_SETPOS, 20000, 0);

    HWND header = form.window(L"Header");
    const wchar_t* captions[] = {L"名称 Name", L"大小 Size", L"A caption too long for its column"};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = form.twipsToPixelsX(px(90));
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }

    HWND list = form.window(L"List");
    for (int i = 1; i <= 12; ++i) {
        const std::wstring text = L"列表项 List item " + std::to_wstring(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 1, 0);

    addCommonControls(form);
}

} // namespace

std::unique_ptr<quillmend::Form> createGallery(GallerySkin skin)
{
    auto form = std::make_unique<quillmend::Form>(kGallery);
    quillmend::Form* raw = form.get();
    if (skin == GallerySkin::off) {
        form->onLoad([raw] { prepare(*raw); });
        return form;
    }
    form->onLoad([raw] {
        prepare(*raw);
        quillmend::skin::startSkinEngine(raw->hwnd());
    });
    form->onUnload([raw] { quillmend::skin::stopSkinEngine(raw->hwnd()); });
    return form;
}

} // namespace gallery
