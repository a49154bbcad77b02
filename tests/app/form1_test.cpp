// Form1's link label under real mouse moves.
#include "app_support.h"

#include "support/gdi_count.h"

namespace {

using namespace quillmend;

// The link is plain with the hand cursor over it, underlined over the bare form, and a click opens the forum.
TEST(Form1, LinkIsPlainWithAHandOverItUnderlinedOverTheBareFormAndAClickOpensTheForum)
{
    qmapp::RecordingLauncher launcher;
    Form1 form1{launcher, qmapp::freshTempDirectory(L"qm-form1"), launcher};
    SetCursorPos(1000, 740);
    form1.show();
    SetForegroundWindow(form1.hwnd());
    const auto control = [&](const wchar_t* name) { return form1.form().window(name); };
    HWND link = control(L"Label3");
    auto underlined = [&] { LOGFONTW lf{}; GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof lf, &lf); return lf.lfUnderline != 0; };
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND), arrow = LoadCursorW(nullptr, IDC_ARROW);
    struct Step { const wchar_t* over; std::optional<POINT> at; bool underline; HCURSOR cursor; };
    const Step steps[] = {
        {L"Label3", {}, false, hand}, {L"", POINT{3, 60}, true, arrow}, {L"Label3", {}, false, hand},
        {L"Command3", {}, false, arrow}, // straight onto another control: stays plain
        {L"", POINT{3, 60}, true, arrow}, {L"Label3", {}, false, hand},
    };
    int plainObjects = -1; // over the link: the fonts swapped back and forth are released
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "over '" << step.over << "' underline " << step.underline);
        qmapp::moveCursorTo(*step.over ? control(step.over) : form1.hwnd(), step.at);
        ASSERT_TRUE(qmtest::pumpUntil([&] { return underlined() == step.underline && GetCursor() == step.cursor; }));
        if (step.cursor == hand && plainObjects < 0)
            plainObjects = qmtest::liveGdiObjects();
        EXPECT_TRUE(step.cursor != hand || qmtest::liveGdiObjects() == plainObjects) << "a font left behind";
    }
    launcher.run = ElevatedRun{ElevatedResult::finished}; // not elevated: the link starts as we run
    launcher.result = LaunchResult::notStarted; // and the user hears of it
    qmapp::BoxWatcher watcher({IDOK});
    qmapp::mouse(MOUSEEVENTF_LEFTDOWN);
    qmapp::mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(qmtest::pumpUntil([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(std::pair(watcher.boxes[0].text, watcher.boxes[0].icon), std::pair(std::wstring(kOpenAddressFailed), LoadIconW(nullptr, IDI_ERROR)));
    EXPECT_EQ(launcher.launches, (std::vector<qmapp::Launch>{{L"\"" + systemDirectory() + L"\\rundll32.exe\" url.dll,FileProtocolHandler \"https://forum.example.com/\"",
                                                              WindowMode::normalFocus, std::nullopt}}));
}

// The real keyboard through the form's own loop: the focus starts on the first button in tab order (Command1, restart,
// is last), Tab walks on and round, Shift+Tab walks back.
TEST(Form1, TabAndShiftTabWalkTheButtonsInTabOrder)
{
    qmapp::RecordingLauncher launcher;
    Form1 form1{launcher, qmapp::freshTempDirectory(L"qm-form1"), launcher};
    form1.show();
    SetForegroundWindow(form1.hwnd());
    const std::pair<bool, const wchar_t*> steps[] = {{false, L"Command2"}, {false, L"Command3"}, {false, L"Command1"},
                                                     {false, L"Command2"}, {true, L"Command1"}, {true, L"Command3"}};
    INPUT keys[4]{}; // Shift down, Tab down and up, Shift up
    for (int i = 0; i < 4; ++i)
        keys[i] = {.type = INPUT_KEYBOARD, .ki = {.wVk = WORD(i % 3 ? VK_TAB : VK_SHIFT), .dwFlags = DWORD(i > 1 ? KEYEVENTF_KEYUP : 0)}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        if (i)
            SendInput(steps[i].first ? 4 : 2, steps[i].first ? keys : keys + 1, sizeof(INPUT));
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300;)
            for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
                dispatchFormMessage(form1.hwnd(), msg);
        EXPECT_EQ(GetFocus(), form1.form().window(steps[i].second)) << "step " << i;
    }
}

} // namespace
