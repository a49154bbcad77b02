// Quillmend and the gallery started as programs, the way a user starts them:
// under a Simplified Chinese, two Traditional Chinese and an English locale,
// and at 96 and 144 DPI. Each window matches its golden picture once the
// first paint and the focus fade have settled, and Quillmend's instructions,
// measured in the form's font, fit their label whole. Quillmend's window and its
// message box, skinned, speak the locale's language only, and its title tells
// the menu's state and its source after an action and after a change an
// elevated run of the program broadcasts.
#include "app_support.h"

#include "app/registry_script.h"
#include "support/windows.h"

namespace {

using namespace quillmend;

// Quillmend's actions are checked in the rows with titles. At 144 DPI the pointer rests on the gallery's editable
// combo box, on the part of its button that only the 144-DPI button is wide enough to cover: the golden shows it hot.
TEST(Programs, InEveryLanguageAndAt96And144DpiAsTheirGoldens)
{
    constexpr wchar_t kQuillmend[] = L"app\\quillmend.exe", kGallery[] = L"gallery\\skin-gallery.exe";
    struct Row { const wchar_t *program, *locale, *golden, *shot; DWORD dpi; const wchar_t *enabled, *disabled, *boxTitle; Language language; const wchar_t* arguments = L""; };
    const Row rows[] = {
        {kQuillmend, L"zh_CN.UTF-8", L"form1", L"quillmend-form1", 96, L"Quillmend — 右键菜单：已启用（本机策略）", L"Quillmend — 右键菜单：已禁用（本机策略）",
         L"提示", Language::chinese},
        {kQuillmend, L"zh_TW.UTF-8", L"form1-zh-tw", L"quillmend-zh-tw", 96, L"Quillmend — 右鍵選單：已啟用（本機原則）",
         L"Quillmend — 右鍵選單：已停用（本機原則）", L"提示", Language::traditionalChinese},
        {kQuillmend, L"zh_HK.UTF-8", L"form1-zh-tw", L"quillmend-zh-hk", 96, L"Quillmend — 右鍵選單：已啟用（本機原則）",
         L"Quillmend — 右鍵選單：已停用（本機原則）", L"提示", Language::traditionalChinese},
        {kQuillmend, L"en_US.UTF-8", L"form1-en", L"quillmend-en", 96, L"Quillmend — right-click menu: enabled (this machine's policy)",
         L"Quillmend — right-click menu: disabled (this machine's policy)", L"Quillmend", Language::english},
        {kQuillmend, L"zh_CN.UTF-8", L"form1-144dpi", L"quillmend-144dpi", 144}, {kGallery, L"zh_CN.UTF-8", L"gallery", L"skin-gallery", 96},
        {kGallery, L"zh_CN.UTF-8", L"gallery-144dpi", L"skin-gallery-144dpi", 144},
        {kGallery, L"zh_CN.UTF-8", nullptr, L"skin-gallery-unskinned", 96, nullptr, nullptr, nullptr, {}, L" /unskinned"}}; // for the README
    // A change made by an elevated run of the program (Wine starts it without a prompt) reaches the window through
    // the broadcast.
    struct Unelevated final : Elevation {
        SystemElevation real{qmapp::built(L"app/quillmend.exe").wstring()};
        bool elevated() override { return false; }
        ElevatedRun runElevated(HWND owner, const std::wstring& argument, DWORD wait) override { return real.runElevated(owner, argument, wait); }
    } unelevated;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.shot);
        qmapp::setPolicy(0);
        SetCursorPos(1000, 740);
        HWND form = qmapp::startProgram(row.program, row.locale, row.dpi, row.arguments), box = nullptr;
        ASSERT_TRUE(SetForegroundWindow(form));
        if (RECT r{}; row.dpi == 144 && row.program == kGallery) { // the editable combo box is the gallery's second
            GetWindowRect(FindWindowExW(form, FindWindowExW(form, nullptr, L"ComboBox", nullptr), L"ComboBox", nullptr), &r);
            SetCursorPos(r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) - 4, (r.top + r.bottom) / 2);
        }
        EXPECT_TRUE(qmapp::settledPicture(form, row.shot, row.golden));
        if (row.program == kQuillmend) { // the instructions, measured in the form's font at the row's DPI, fit their label
            const std::wstring instructions(text(IDS_INSTRUCTIONS, row.language));
            const std::vector<HWND> all = qmtest::descendants(form);
            const auto label = std::ranges::find(all, instructions, [](HWND h) { return qmapp::textOf(h); });
            ASSERT_NE(label, all.end());
            const FontDescription& formFont = form1Description().font;
            LOGFONTW lf{.lfHeight = -MulDiv(formFont.tenthsOfPoint, int(row.dpi), 720), .lfCharSet = formFont.charset};
            formFont.face.copy(lf.lfFaceName, LF_FACESIZE - 1);
            RECT client{}, needed{};
            GetClientRect(*label, &client);
            needed.right = client.right;
            HDC dc = GetDC(nullptr);
            HGDIOBJ font = CreateFontIndirectW(&lf), old = SelectObject(dc, font);
            DrawTextW(dc, instructions.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            int below = 0; // how far the ink of any of its glyphs reaches under the baseline
            for (const MAT2 identity{{0, 1}, {}, {}, {0, 1}}; wchar_t c : instructions)
                if (GLYPHMETRICS glyph{}; c > L' ' && GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR)
                    below = std::max(below, int(glyph.gmBlackBoxY - glyph.gmptGlyphOrigin.y));
            DeleteObject(SelectObject(dc, old));
            ReleaseDC(nullptr, dc);
            // The last line's ink, not its whole cell: the cell may end in a descent no glyph of the text reaches.
            EXPECT_LE(needed.bottom - metrics.tmDescent + below, client.bottom)
                << "the instructions are cut off at the bottom of their label: " << needed.bottom << " px of lines, descent "
                << metrics.tmDescent << ", ink " << below << " under the baseline";
        }
        if (row.enabled) {
            EXPECT_EQ(qmapp::textOf(form), row.enabled);
            std::vector<HWND> windows = qmtest::descendants(form, {form});
            const auto disable = std::ranges::find(windows, text(IDS_BUTTON_DISABLE, row.language), [](HWND h) { return qmapp::textOf(h); });
            ASSERT_NE(disable, windows.end());
            PostMessageW(*disable, BM_CLICK, 0, 0); // with the real registry editor, in that process
            ASSERT_TRUE(qmtest::pumpUntil([&] { box = FindWindowW(L"#32770", nullptr);
                return GetWindow(box, GW_OWNER) == form && IsWindowVisible(box); }, 10'000));
            EXPECT_EQ(qmapp::textOf(box), row.boxTitle);
            EXPECT_TRUE(qmtest::pumpUntil([&] { return GetPropW(GetDlgItem(box, IDOK), L"PROCADDR") != nullptr; })) << "the box unskinned";
            std::wstring texts; // with CJK characters or punctuation, or not
            for (HWND window : qmtest::descendants(box, windows))
                texts += qmapp::textOf(window) + L" | ";
            EXPECT_EQ(std::ranges::any_of(texts, [](wchar_t c) { return (c >= 0x3000 && c < 0xA000) || c >= 0xFF00; }),
                      row.language != Language::english) << texts;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(qmtest::pumpUntil([&] { return qmapp::textOf(form) == row.disabled; }));
            qmapp::RecordingLauncher nothingHere;
            EXPECT_EQ(Actions(nothingHere, qmapp::freshTempDirectory(L"qm-elevated"), systemFolders(), unelevated).applyScript(kEnableMenu),
                      ScriptOutcome::changed);
            EXPECT_TRUE(qmtest::pumpUntil([&] { return qmapp::textOf(form) == row.enabled; }));
        }
        PostMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(qmtest::pumpUntil([&] { return !IsWindow(form); }));
    }
}

} // namespace
