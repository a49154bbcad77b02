// The skin at 120, 144 and 192 DPI: the scaled images, and the glyphs the
// painters draw with the DPI given; then Form1 and the gallery at 144 DPI in
// processes of their own.
#include "paint/paint_fixture.h"

#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"

#include <climits>
#include <functional>
#include <optional>

namespace qmtest {
namespace {

using enum skin::VisualState;

constexpr int kDpis[] = {120, 144, 192};

struct Box { int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; }; // inclusive

Box boxOf(const Dib& dib, int w, int h, const std::function<bool(COLORREF)>& match)
{
    Box box;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (match(dib.pixel(x, y)))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box;
}

bool green(COLORREF c) { return GetGValue(c) > GetRValue(c) + 30 && GetGValue(c) > GetBValue(c) + 30; }
int channel(COLORREF c, int i) { return int(c >> 8 * i & 0xFF); }

// The glyph's share of the box (x, y, w, h) along each axis is the 96-DPI share, within a tenth, and it lies
// centred in the box to a pixel both ways.
void expectCentred(const Box& glyph, int x, int y, int w, int h, double shareX, double shareY, int dpi)
{
    EXPECT_NEAR((glyph.right - glyph.left + 1) / double(w), shareX, 0.1) << dpi;
    EXPECT_NEAR((glyph.bottom - glyph.top + 1) / double(h), shareY, 0.1) << dpi;
    EXPECT_LE(std::abs((glyph.left - x) - (x + w - 1 - glyph.right)), 2) << dpi;
    EXPECT_LE(std::abs((glyph.top - y) - (y + h - 1 - glyph.bottom)), 2) << dpi;
}

class Dpi : public PaintTest {};

TEST_F(Dpi, ImagesRepeatPixelsAtWholeFactorsAndNeverBlendInTheKeyColour)
{
    const struct { HDC (*at96)() noexcept; HDC (*at)(int) noexcept; int w, h; } images[] = {
        {skin::buttonFaceImage, skin::buttonFaceImageAt, 7, 84}, {skin::comboButtonImage, skin::comboButtonImageAt, 15, 18},
        {skin::markGlyphImage, skin::markGlyphImageAt, 18, 24}, {skin::optionBubbleImage, skin::optionBubbleImageAt, 13, 52},
        {skin::headerItemImage, skin::headerItemImageAt, 9, 20}};
    for (int dpi : kDpis)
        for (const auto& image : images) {
            const Dib source = captureDc(image.at96(), 0, 0, image.w, image.h);
            BITMAP bitmap{};
            GetObjectW(GetCurrentObject(image.at(dpi), OBJ_BITMAP), sizeof(bitmap), &bitmap);
            ASSERT_TRUE(bitmap.bmWidth == MulDiv(image.w, dpi, 96) && bitmap.bmHeight == MulDiv(image.h, dpi, 96));
            const Dib scaled = captureDc(image.at(dpi), 0, 0, bitmap.bmWidth, bitmap.bmHeight);
            for (int y = 0; y < scaled.height(); ++y)
                for (int x = 0; x < scaled.width(); ++x) {
                    const COLORREF c = scaled.pixel(x, y);
                    ASSERT_TRUE(dpi != 192 || c == source.pixel(x / 2, y / 2)) << x << "," << y;
                    if (dpi == 192)
                        continue;
                    // Near the new pixel's source area: all key, it stays key; all one colour, it has that
                    // colour; otherwise each channel lies between those of the colours there.
                    const int sx0 = std::max(0, x * 96 / dpi - 1), sx1 = std::min(image.w - 1, (x + 1) * 96 / dpi + 1);
                    const int sy0 = std::max(0, y * 96 / dpi - 1), sy1 = std::min(image.h - 1, (y + 1) * 96 / dpi + 1);
                    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0}, colours = 0, others = 0;
                    for (int sy = sy0; sy <= sy1; ++sy)
                        for (int sx = sx0; sx <= sx1; ++sx) {
                            const COLORREF s = source.pixel(sx, sy);
                            others += s != source.pixel(sx0, sy0);
                            colours += s != skin::kKeyColour;
                            for (int i = 0; i < 3 && s != skin::kKeyColour; ++i)
                                lo[i] = std::min(lo[i], channel(s, i)), hi[i] = std::max(hi[i], channel(s, i));
                        }
                    if (others == 0 || colours == 0)
                        ASSERT_EQ(hex(c), hex(colours ? source.pixel(sx0, sy0) : skin::kKeyColour)) << dpi << " " << x << "," << y;
                    for (int i = 0; i < 3 && c != skin::kKeyColour; ++i)
                        ASSERT_TRUE(channel(c, i) >= lo[i] && channel(c, i) <= hi[i]) << dpi << " " << x << "," << y;
                }
        }
}

TEST_F(Dpi, MarksArrowsAndSquaresKeepTheirShareOfTheControlCentredInsideIt)
{
    for (int dpi : kDpis) {
        const int square = skin::systemMetricAt(SM_CXMENUCHECK, dpi), height = MulDiv(17, dpi, 96);
        int top = 0; // where the check box's square lies; the option circle lies there too
        for (auto [check, shareX, shareY] : {std::tuple{BST_CHECKED, 9 / 13.0, 8 / 13.0}, {BST_INDETERMINATE, 7 / 13.0, 7 / 13.0}}) {
            HWND box = child(kCheckClass, BS_AUTO3STATE, 10, 10, MulDiv(110, dpi, 96), height);
            SendMessageW(box, BM_SETCHECK, check, 0);
            skin::paintCheckBoxAtDpi(box, normal, true, dpi);
            const Dib shown = pixels(box);
            const Box frame = boxOf(shown, square + 4, height, [](COLORREF c) { return c == skin::kSkinFrameColour; });
            EXPECT_TRUE(frame.right - frame.left + 1 == square && frame.bottom - frame.top + 1 == square &&
                        std::abs(frame.top - (height - 1 - frame.bottom)) <= 1) << dpi;
            top = frame.top;
            expectCentred(boxOf(shown, square + 4, height, green), 0, top, square, square, shareX, shareY, dpi);
            DestroyWindow(box);
        }
        HWND option = child(kOptionClass, BS_AUTORADIOBUTTON, 10, 10, MulDiv(110, dpi, 96), height);
        SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
        skin::paintOptionButtonAtDpi(option, normal, true, dpi);
        expectCentred(boxOf(pixels(option), square + 4, height, green), 0, top, square, square, 5 / 13.0, 5 / 13.0, dpi);

        // The combo button draws in its column inside the frame and nowhere else; the arrow keeps its share of
        // the column's width, and its own shape (7 x 4 at 96 DPI).
        const int width = MulDiv(100, dpi, 96), column = skin::systemMetricAt(SM_CXVSCROLL, dpi) + 1;
        HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 40, width, 200);
        RECT r{};
        GetWindowRect(combo, &r);
        Dib dib(width + 10, r.bottom - r.top + 10);
        VisualState state = normal;
        skin::paintComboButtonAtDpi(combo, dib.dc(), state, true, dpi);
        const Box drawn = boxOf(dib, dib.width(), dib.height(), [](COLORREF c) { return c != kSentinel; });
        EXPECT_TRUE(drawn.left == width - column - 1 && drawn.right == width - 2 && drawn.top == 1 && drawn.bottom == r.bottom - r.top - 2) << dpi;
        expectCentred(boxOf(dib, dib.width(), dib.height(), [](COLORREF c) { return c != kSentinel && c != skin::kWhite; }),
                      drawn.left, drawn.top, column, r.bottom - r.top - 2, 7 / 18.0, 4 / 18.0 * column / (r.bottom - r.top - 2), dpi);
    }
}

// Form1 and the gallery started as programs at 144 DPI: pictures for the README, and the combo boxes the gallery
// used to make in pixels now as wide as its description says at that DPI, so nothing is cut.
TEST_F(Dpi, Form1AndTheGalleryAt144DpiInProgramsOfTheirOwn)
{
    for (auto [program, shot] : {std::pair{L"app\\quillmend.exe", L"quillmend-144dpi"}, {L"gallery\\skin-gallery.exe", L"skin-gallery-144dpi"}}) {
        const std::wstring path = screensDir() + L"\\..\\" + program;
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION process{};
        // A process takes the screen DPI from the user's setting when it starts; the setting is put back at once.
        HKEY key = nullptr;
        DWORD old = 0, size = sizeof(old), dpi = 144;
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        const bool had = RegQueryValueExW(key, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old), &size) == ERROR_SUCCESS;
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
        const BOOL started = CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
        if (started)
            WaitForInputIdle(process.hProcess, 20000);
        had ? RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old), size) : RegDeleteValueW(key, L"LogPixels");
        RegCloseKey(key);
        ASSERT_TRUE(started) << shot;

        GUITHREADINFO gui{sizeof(gui)}; // the window the program showed is its active one
        GetGUIThreadInfo(process.dwThreadId, &gui);
        HWND window = gui.hwndActive;
        ASSERT_NE(window, nullptr) << shot;
        SetForegroundWindow(window);
        // The picture once the first paint and the focus fade have settled.
        std::optional<Dib> last(captureWindow(window));
        for (int same = 0, i = 0; same < 3 && i < 50; ++i) {
            WaitForSingleObject(process.hProcess, 200);
            Dib now = captureWindow(window);
            same = samePixels(now, *last) ? same + 1 : 0;
            last.emplace(std::move(now));
        }
        EXPECT_FALSE(savePng(*last, shot).empty());
        for (HWND c = FindWindowExW(window, nullptr, L"ComboBox", nullptr); c; c = FindWindowExW(window, c, L"ComboBox", nullptr)) {
            RECT r{};
            GetWindowRect(c, &r);
            EXPECT_EQ(r.right - r.left, MulDiv(140, 144, 96)) << "cut at 144 DPI";
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), DWORD(WAIT_OBJECT_0));
        CloseHandle(process.hThread), CloseHandle(process.hProcess);
    }
}

} // namespace
} // namespace qmtest
