// What a push button shows inside its face: the image set by BM_SETIMAGE or
// the elevation shield, and the caption, laid out as the button's own type
// lays them out (alignment, BS_MULTILINE, an image alone or before the text).
#pragma once

#include <windows.h>

#include <string>

namespace skin {

class FaceContent {
public:
    // Reads caption, style, image and shield of the button at `dpi`.
    FaceContent(HWND hwnd, int dpi);
    ~FaceContent();
    FaceContent(const FaceContent&) = delete;
    FaceContent& operator=(const FaceContent&) = delete;

    // Draws image and caption into `box` of `dc`, in the dc's font and colour.
    void draw(HDC dc, const RECT& box) const noexcept;

private:
    void drawImage(HDC dc, int x, int y) const noexcept;

    std::wstring m_caption;
    LONG_PTR m_style = 0;
    HANDLE m_image = nullptr; // borrowed from the button, or m_shield
    bool m_imageIsIcon = false;
    HICON m_shield = nullptr; // owned when m_ownsShield
    bool m_ownsShield = false;
    SIZE m_imageSize{};
    int m_gap = 0;
};

} // namespace skin
