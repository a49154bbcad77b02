#include "skin/images/display_bitmap.h"

#include "skin/images/gdi.h"

namespace skin {

namespace {

// Read once: each question goes through the display driver.
int displayBitsPerPixel() noexcept
{
    static const int bits = [] {
        const ClientDc screen(nullptr);
        return screen.get() ? GetDeviceCaps(screen.get(), BITSPIXEL) : 0;
    }();
    return bits;
}

} // namespace

HBITMAP createDisplayBitmap(int width, int height) noexcept
{
    if (width <= 0 || height <= 0)
        return nullptr;
    if (displayBitsPerPixel() == 32) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    const ClientDc screen(nullptr);
    return screen.get() ? CreateCompatibleBitmap(screen.get(), width, height) : nullptr;
}

} // namespace skin
