// The link label under real mouse moves: plain with a hand over it,
// underlined again over the bare form, left plain when the mouse goes
// straight onto another control; a click opens the forum.
#include "app_support.h"

#include "app/form1.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace quillmend;

class LinkLabel : public testing::Test {
protected:
    void SetUp() override
    {
        form1.show();
        SetForegroundWindow(form1.hwnd());
        qmapp::pumpPending(form1.hwnd());
        link = form1.form().window(L"Label3");
    }
    void TearDown() override { SetCursorPos(0, 0); }

    bool underlined() const
    {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        return lf.lfUnderline != 0;
    }
    bool waitUnderlined(bool wanted)
    {
        return qmapp::pumpUntil(form1.hwnd(), [&] { return underlined() == wanted; });
    }
    // Rows of the label, as on screen, that are mostly link-coloured: only
    // an underline makes such a row.
    int linkColouredRows() const
    {
        RedrawWindow(link, nullptr, nullptr, RDW_UPDATENOW);
        const qmtest::Dib pixels = qmtest::captureWindow(link);
        int rows = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            int count = 0;
            for (int x = 0; x < pixels.width(); ++x)
                count += qmtest::colourNear(pixels.pixel(x, y), kLinkColour, 8);
            rows += count * 10 > pixels.width() * 8;
        }
        return rows;
    }
    void moveOverBareForm() { qmapp::moveCursorTo(form1.hwnd(), {3, 60}); }

    qmapp::RecordingLauncher launcher;
    Form1 form1{launcher, qmapp::freshTempDirectory(L"qm-link")};
    HWND link = nullptr;
};

TEST_F(LinkLabel, StartsUnderlinedInTheLinkColour)
{
    EXPECT_TRUE(underlined());
    EXPECT_GE(linkColouredRows(), 1);
}

TEST_F(LinkLabel, HoverIsPlainWithHandThenBareFormUnderlinesAgain)
{
    qmapp::moveCursorToCentre(link);
    ASSERT_TRUE(waitUnderlined(false));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(form1.form().control(L"Label3")->foreColour, kLinkColour);
    EXPECT_EQ(linkColouredRows(), 0) << "underline pixels left behind";

    moveOverBareForm();
    ASSERT_TRUE(waitUnderlined(true));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_GE(linkColouredRows(), 1);
}

TEST_F(LinkLabel, StraightOntoAnotherControlStaysPlain)
{
    qmapp::moveCursorToCentre(link);
    ASSERT_TRUE(waitUnderlined(false));
    HWND button = form1.form().window(L"Command3");
    qmapp::moveCursorToCentre(button);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return GetCursor() == LoadCursorW(nullptr, IDC_ARROW); }));
    EXPECT_FALSE(underlined());
    EXPECT_EQ(linkColouredRows(), 0);
}

TEST_F(LinkLabel, ClickOpensTheForumInANormalWindowWithoutWaiting)
{
    qmapp::moveCursorToCentre(link);
    ASSERT_TRUE(waitUnderlined(false));
    qmapp::clickLeft();
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return !launcher.launches.empty(); }));
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].commandLine,
              L"rundll32.exe url.dll,FileProtocolHandler \"https://forum.example.com/\"");
    EXPECT_EQ(launcher.launches[0].mode, WindowMode::normalFocus);
    EXPECT_FALSE(launcher.launches[0].wait.has_value());
}

} // namespace
