// Pixel helpers for tests: a top-down 32-bpp DIB section read straight from
// memory, screen capture, PNG files through the Windows Imaging Component,
// and golden pictures kept under tests/golden.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qmtest {

// A colour no skin image uses, so untouched pixels are easy to tell.
inline constexpr COLORREF kSentinel = 0x00123456;

class Dib {
public:
    Dib(int width, int height, COLORREF fill = kSentinel);
    ~Dib();
    Dib(Dib&& other) noexcept;

    HDC dc() const noexcept { return m_dc; }
    int width() const noexcept { return m_width; }
    int height() const noexcept { return m_height; }
    // The colour at (x, y) as a COLORREF (0x00BBGGRR); CLR_INVALID outside.
    COLORREF pixel(int x, int y) const noexcept;
    void setPixel(int x, int y, COLORREF colour) noexcept;
    // Counts the pixels that differ from `colour`.
    int countNot(COLORREF colour) const noexcept;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_original = nullptr;
    std::uint32_t* m_bits = nullptr;
};

// How many pixels of two pictures of one size differ; -1 for different sizes.
int countDifferences(const Dib& a, const Dib& b);
inline bool samePixels(const Dib& a, const Dib& b) { return countDifferences(a, b) == 0; }

// The pictures one below the other, left-aligned, on the sentinel colour:
// many small pictures checked against one golden.
Dib stack(const std::vector<const Dib*>& parts);

// Copies a device context's rectangle (x, y, width, height) into a new Dib.
Dib captureDc(HDC dc, int x, int y, int width, int height);
// Copies a screen rectangle, or a window's outer rectangle as shown on screen.
Dib captureScreen(const RECT& rect);
Dib captureWindow(HWND hwnd);

// <build>/screens, found from the test program's own location.
std::wstring screensDir();
// Writes the Dib, enlarged `scale` times, as <build>/screens/<name>.png;
// returns the full path or "".
std::wstring savePng(const Dib& dib, const std::wstring& name, int scale = 1);
// Writes the Dib, enlarged `scale` times, as a PNG file at `path`.
bool writePng(const Dib& dib, const std::wstring& path, int scale = 1);

// Compares `actual` exactly with tests/golden/<name>.png. On a mismatch the
// actual picture and a difference picture go to <build>/screens and the
// message names the first differing pixel. With QM_UPDATE_GOLDEN=1 the golden is rewritten instead.
::testing::AssertionResult matchesGolden(const Dib& actual, const std::wstring& name);

} // namespace qmtest
