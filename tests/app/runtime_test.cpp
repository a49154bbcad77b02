// The form runtime beyond Form1: every control type it builds for the
// gallery, and no GDI object left behind.
#include "app_support.h"

#include "app/form1.h"
#include "app/form_runtime.h"
#include "support/gdi_count.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

using namespace quillmend;
using T = ControlType;

const std::array kGalleryControls{
    ControlDescription{.name = L"Check", .type = T::checkBox, .caption = L"复选", .left = 120, .top = 120, .width = 1500, .height = 300},
    ControlDescription{.name = L"Option", .type = T::optionButton, .caption = L"单选", .left = 120, .top = 480, .width = 1500, .height = 300},
    ControlDescription{.name = L"Progress", .type = T::progressBar, .left = 120, .top = 840, .width = 1500, .height = 300},
    ControlDescription{.name = L"Combo", .type = T::comboBox, .left = 1800, .top = 120, .width = 1500, .height = 1500},
    ControlDescription{.name = L"List", .type = T::listBox, .left = 1800, .top = 600, .width = 1500, .height = 900},
    ControlDescription{.name = L"Header", .type = T::listHeader, .left = 3600, .top = 120, .width = 1500, .height = 300},
};

const FormDescription kGallery{.name = L"Gallery", .caption = L"Gallery", .clientWidth = 5400, .clientHeight = 1800,
                        .font = {L"宋体", 90}, .controls = kGalleryControls};

struct TypeRow {
    const wchar_t* name;
    const wchar_t* className;
    DWORD style;   // all of these bits set
    DWORD exStyle; // all of these bits set
};

TEST(FormRuntime, BuildsEveryGalleryTypeFromItsClassTable)
{
    Form form(kGallery);
    const TypeRow rows[] = {
        {L"Check", L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 0},
        {L"Option", L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 0},
        {L"Progress", L"ProgressBar20WndClass", 0, 0},
        {L"Combo", L"ComboBox", CBS_DROPDOWNLIST, 0},
        {L"List", L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE},
        {L"Header", L"SysHeader32", HDS_HORZ, 0},
    };
    for (const TypeRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name);
        HWND hwnd = form.window(row.name);
        ASSERT_NE(hwnd, nullptr);
        wchar_t cls[64]{};
        GetClassNameW(hwnd, cls, 64);
        EXPECT_STREQ(cls, row.className);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & (row.style | WS_CHILD), row.style | WS_CHILD);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)) & row.exStyle, row.exStyle);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), form.control(row.name)->font.get());
    }
    // The superclasses behave as their bases: the check box checks itself,
    // the progress bar keeps its position.
    HWND check = form.window(L"Check");
    SendMessageW(check, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND progress = form.window(L"Progress");
    SendMessageW(progress, PBM_SETPOS, 40, 0);
    EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 40);
}

void showAndClose(Form1& form1)
{
    form1.show();
    qmapp::pumpPending(form1.hwnd());
    SendMessageW(form1.hwnd(), WM_CLOSE, 0, 0);
}

TEST(FormRuntime, ReleasesEveryGdiObjectItMade)
{
    qmapp::RecordingLauncher launcher;
    const std::wstring dir = qmapp::freshTempDirectory(L"qm-runtime");
    {
        // The system keeps some objects of its own from the first window on.
        Form1 warmUp(launcher, dir);
        showAndClose(warmUp);
    }
    const int before = qmtest::liveGdiObjects();
    {
        Form1 form1(launcher, dir);
        form1.show();
        qmapp::pumpPending(form1.hwnd());
        const int shown = qmtest::liveGdiObjects();
        for (int i = 0; i < 10; ++i) {
            form1.form().setFontUnderline(L"Label3", i % 2 == 0);
            UpdateWindow(form1.form().window(L"Label3"));
        }
        EXPECT_EQ(qmtest::liveGdiObjects(), shown);
        PostMessageW(form1.hwnd(), WM_CLOSE, 0, 0);
        qmapp::pumpPending(form1.hwnd());
        EXPECT_FALSE(IsWindow(form1.hwnd()));
    }
    EXPECT_EQ(qmtest::liveGdiObjects(), before);
}

TEST(FormRuntime, UnloadIsRaisedOnceWhenTheUserCloses)
{
    Form form(kGallery);
    int unloads = 0;
    form.onUnload([&] { ++unloads; });
    HWND hwnd = form.hwnd();
    form.show();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
    form.unload();
    EXPECT_EQ(unloads, 1);
}

} // namespace
