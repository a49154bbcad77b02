#include "support/pixels.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qmtest {

namespace {

constexpr std::uint32_t toDib(COLORREF c) noexcept
{
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

constexpr COLORREF fromDib(std::uint32_t v) noexcept
{
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

} // namespace

Dib::Dib(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_original = SelectObject(m_dc, m_bitmap);
    this->fill(fill);
}

Dib::Dib(Dib&& other) noexcept
    : m_width(other.m_width), m_height(other.m_height), m_dc(other.m_dc),
      m_bitmap(other.m_bitmap), m_original(other.m_original), m_bits(other.m_bits)
{
    other.m_dc = nullptr;
    other.m_bitmap = nullptr;
    other.m_original = nullptr;
    other.m_bits = nullptr;
}

Dib::~Dib()
{
    if (m_dc) {
        SelectObject(m_dc, m_original);
        DeleteDC(m_dc);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

COLORREF Dib::pixel(int x, int y) const noexcept
{
    GdiFlush();
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return fromDib(m_bits[y * m_width + x]);
}

void Dib::setPixel(int x, int y, COLORREF colour) noexcept
{
    GdiFlush();
    if (m_bits && x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_bits[y * m_width + x] = toDib(colour);
}

void Dib::fill(COLORREF colour) noexcept
{
    GdiFlush();
    if (!m_bits)
        return;
    for (int i = 0; i < m_width * m_height; ++i)
        m_bits[i] = toDib(colour);
}

int Dib::countNot(COLORREF colour) const noexcept
{
    int n = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            n += pixel(x, y) != colour;
    return n;
}

int countDifferences(const Dib& a, const Dib& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

Dib captureDc(HDC dc, int x, int y, int width, int height)
{
    Dib dib(width, height);
    BitBlt(dib.dc(), 0, 0, width, height, dc, x, y, SRCCOPY);
    return dib;
}

Dib captureScreen(const RECT& rect)
{
    HDC screen = GetDC(nullptr);
    Dib dib = captureDc(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(nullptr, screen);
    return dib;
}

Dib captureWindow(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return captureScreen(rect);
}

std::wstring screensDir()
{
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    // <build>/tests/test_x.exe -> <build>/screens
    for (int i = 0; i < 2; ++i)
        dir = dir.substr(0, dir.find_last_of(L"\\/"));
    dir += L"\\screens";
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

namespace {

std::uint32_t crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void putChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBig32(out, crc32(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks: screenshots are
// small, and this keeps the writer to a few lines.
std::vector<unsigned char> zlibStored(const std::vector<unsigned char>& raw)
{
    std::vector<unsigned char> z{0x78, 0x01};
    std::size_t pos = 0;
    do {
        std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n & 0xFF));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n & 0xFF));
        z.push_back(static_cast<unsigned char>((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos), raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(z, (b << 16) | a);
    return z;
}

} // namespace

bool writePng(const Dib& dib, const std::wstring& path, int scale)
{
    const int w = dib.width() * scale;
    const int h = dib.height() * scale;
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<std::size_t>(h) * (w * 3 + 1));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < w; ++x) {
            COLORREF c = dib.pixel(x / scale, y / scale);
            raw.push_back(GetRValue(c));
            raw.push_back(GetGValue(c));
            raw.push_back(GetBValue(c));
        }
    }
    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    putBig32(header, static_cast<std::uint32_t>(w));
    putBig32(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", zlibStored(raw));
    putChunk(png, "IEND", {});

    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

std::wstring savePng(const Dib& dib, const std::wstring& name, int scale)
{
    std::wstring path = screensDir() + L"\\" + name + L".png";
    return writePng(dib, path, scale) ? path : std::wstring();
}

bool colourNear(COLORREF a, COLORREF b, int tolerance) noexcept
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance
        && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
        && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
    return text;
}

} // namespace qmtest
