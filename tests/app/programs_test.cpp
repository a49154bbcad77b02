// Quillmend's window and the gallery, each started as a program of its own at
// 96 and at 144 DPI, against their golden pictures: places, captions, fonts,
// colours and every painter's look at both densities.
#include "app_support.h"

#include "support/windows.h"

namespace {

// At 144 DPI the pointer rests on the gallery's editable combo box, on the part of its button that only the
// 144-DPI button is wide enough to cover: the golden shows that button hot.
TEST(Programs, Form1AndTheGalleryMatchTheirGoldensAt96And144Dpi)
{
    struct Row { const wchar_t *program, *golden, *shot; DWORD dpi; };
    for (auto [program, golden, shot, dpi] : {Row{L"app\\quillmend.exe", L"form1", L"quillmend-form1", 96},
                                              {L"gallery\\skin-gallery.exe", L"gallery", L"skin-gallery", 96},
                                              {L"app\\quillmend.exe", L"form1-144dpi", L"quillmend-144dpi", 144},
                                              {L"gallery\\skin-gallery.exe", L"gallery-144dpi", L"skin-gallery-144dpi", 144}}) {
        SCOPED_TRACE(testing::Message() << golden);
        SetCursorPos(1000, 740);
        HWND window = qmapp::startProgram(program, L"zh_CN.UTF-8", dpi);
        ASSERT_NE(window, nullptr);
        SetForegroundWindow(window);
        for (HWND c = nullptr; dpi == 144 && (c = FindWindowExW(window, c, L"ComboBox", nullptr));) {
            RECT r{};
            GetWindowRect(c, &r);
            if ((GetWindowLongPtrW(c, GWL_STYLE) & 3) == CBS_DROPDOWN)
                SetCursorPos(r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) - 4, (r.top + r.bottom) / 2);
        }
        RECT client{}; // the picture once the first paint and the focus fade have settled
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        std::optional<qmtest::Dib> last(qmtest::captureScreen(client));
        for (int same = 0, i = 0; same < 3 && i < 50; ++i) {
            qmapp::pumpUntil(nullptr, [] { return false; }, 200);
            qmtest::Dib now = qmtest::captureScreen(client);
            same = qmtest::samePixels(now, *last) ? same + 1 : 0;
            last.emplace(std::move(now));
        }
        qmtest::savePng(qmtest::captureWindow(window), shot);
        EXPECT_TRUE(qmtest::matchesGolden(*last, golden));
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(qmapp::pumpUntil(nullptr, [&] { return !IsWindow(window); }));
    }
}

} // namespace
