#include "skin/core/kinds.h"

#include "skin/core/properties.h"

#include <algorithm>
#include <array>

namespace skin {

namespace {

struct KindNames {
    ControlKind kind;
    std::array<std::wstring_view, 4> names; // unused slots stay empty
};

// Lower-cased class names of every kind the engine treats. The grid is the
// one kind matched by a prefix ("apexgrid*").
constexpr std::array kKindTable{
    KindNames{ControlKind::container, {L"#32770", L"thunderformdc", L"thunderrt6formdc", L"form"}},
    KindNames{ControlKind::pushButton, {L"thundercommandbutton", L"thunderrt6commandbutton", L"button"}},
    KindNames{ControlKind::comboBox, {L"thundercombobox", L"thunderrt6combobox", L"combo", L"combobox"}},
    KindNames{ControlKind::driveList, {L"thunderdrivelistbox", L"thunderrt6drivelistbox"}},
    KindNames{ControlKind::checkBox, {L"thundercheckbox", L"thunderrt6checkbox"}},
    KindNames{ControlKind::optionButton, {L"thunderoptionbutton", L"thunderrt6optionbutton"}},
    KindNames{ControlKind::progressBar, {L"progressbar20wndclass", L"progressbarwndclass"}},
    KindNames{ControlKind::listHeader, {L"msvb_lib_header", L"sysheader32"}},
    KindNames{ControlKind::dataList, {L"datalistwndclass", L"dblistwndclass"}},
    KindNames{ControlKind::dropDownList, {L"combolbox"}},
    KindNames{ControlKind::scrollBar, {L"scrollbar"}},
    KindNames{ControlKind::tabControl, {L"systabcontrol32"}},
    KindNames{ControlKind::spinButton, {L"msctls_updown32"}},
    KindNames{ControlKind::slider, {L"msctls_trackbar32"}},
    KindNames{ControlKind::commonProgress, {L"msctls_progress32"}},
    KindNames{ControlKind::statusBar, {L"msctls_statusbar32"}},
    KindNames{ControlKind::toolbar, {L"toolbarwindow32"}},
};

constexpr std::wstring_view kGridPrefix = L"apexgrid";

bool named(ControlKind kind, std::wstring_view lowerName) noexcept
{
    for (const KindNames& row : kKindTable)
        if (row.kind == kind)
            return std::find(row.names.begin(), row.names.end(), lowerName) != row.names.end()
                && !lowerName.empty();
    return false;
}

} // namespace

std::wstring getWindowClassName(HWND hwnd)
{
    wchar_t buffer[256]{};
    const int length = GetClassNameW(hwnd, buffer, 255);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring lowerClassName(HWND hwnd)
{
    std::wstring name = getWindowClassName(hwnd);
    // Class names of the table are ASCII; lower-case those letters only, so
    // the result does not depend on the user's locale.
    for (wchar_t& c : name)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return name;
}

ControlKind kindOf(std::wstring_view lowerName) noexcept
{
    for (const KindNames& row : kKindTable)
        if (named(row.kind, lowerName))
            return row.kind;
    return isGrid(lowerName) ? ControlKind::grid : ControlKind::other;
}

ControlKind buttonKind(LONG_PTR style) noexcept
{
    // A push-like check box or radio button looks like a push button: the system draws it.
    const bool pushLike = (style & BS_PUSHLIKE) != 0;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON:
        return ControlKind::pushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return pushLike ? ControlKind::other : ControlKind::checkBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return pushLike ? ControlKind::other : ControlKind::optionButton;
    case BS_GROUPBOX:
        return ControlKind::groupBox;
    default:
        return ControlKind::other;
    }
}

ControlKind windowKind(HWND hwnd)
{
    const std::wstring name = lowerClassName(hwnd);
    if (!isPushButton(name))
        return kindOf(name);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW)
        return buttonKind(style);
    // Only an owner-draw button can be a push button the skin turned so; the
    // property is asked for then alone, as it costs a trip to the server.
    const LONG_PTR saved = getProp(hwnd, prop::kOldStyle);
    return saved ? buttonKind(saved) : ControlKind::other;
}

bool isContainer(std::wstring_view n) noexcept { return named(ControlKind::container, n); }
bool isPushButton(std::wstring_view n) noexcept { return named(ControlKind::pushButton, n); }
bool isComboBox(std::wstring_view n) noexcept { return named(ControlKind::comboBox, n); }
bool isDriveList(std::wstring_view n) noexcept { return named(ControlKind::driveList, n); }
bool isComboKind(std::wstring_view n) noexcept { return isComboBox(n) || isDriveList(n); }
bool isCheckBox(std::wstring_view n) noexcept { return named(ControlKind::checkBox, n); }
bool isOptionButton(std::wstring_view n) noexcept { return named(ControlKind::optionButton, n); }
bool isProgressBar(std::wstring_view n) noexcept { return named(ControlKind::progressBar, n); }
bool isListHeader(std::wstring_view n) noexcept { return named(ControlKind::listHeader, n); }
bool isDataList(std::wstring_view n) noexcept { return named(ControlKind::dataList, n); }
bool isDropDownList(std::wstring_view n) noexcept { return named(ControlKind::dropDownList, n); }
bool isScrollBar(std::wstring_view n) noexcept { return named(ControlKind::scrollBar, n); }
bool isGrid(std::wstring_view n) noexcept { return n.starts_with(kGridPrefix); }

} // namespace skin
