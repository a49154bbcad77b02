// Pictures of what windows show: a top-down 32-bpp DIB section read straight
// from memory, screen capture, and PNG files through the Windows Imaging
// Component. The screenshot tool saves windows with them; the tests compare
// them with golden pictures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace picture {

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

// Copies a device context's rectangle (x, y, width, height) into a new Dib.
Dib captureDc(HDC dc, int x, int y, int width, int height);
// Copies a screen rectangle, or a window's outer rectangle as shown on screen.
Dib captureScreen(const RECT& rect);
Dib captureWindow(HWND hwnd);

// Writes the Dib, enlarged `scale` times, as a PNG file at `path`.
bool writePng(const Dib& dib, const std::wstring& path, int scale = 1);
// A 0 x 0 Dib when the file is missing or unreadable.
Dib readPng(const std::wstring& path);

} // namespace picture
