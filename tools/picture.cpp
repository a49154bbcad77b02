#include "tools/picture.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace picture {

namespace {

using Microsoft::WRL::ComPtr;

constexpr std::uint32_t toDib(COLORREF c) noexcept { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
constexpr COLORREF fromDib(std::uint32_t v) noexcept { return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

// COM for this thread, once: the imaging factory lives as long as the program.
IWICImagingFactory* imagingFactory()
{
    static IWICImagingFactory* factory = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IWICImagingFactory* f = nullptr;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&f));
        return f;
    }();
    return factory;
}

} // namespace

Dib readPng(const std::wstring& path)
{
    IWICImagingFactory* factory = imagingFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT w = 0, h = 0;
    if (!factory || FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnLoad,
                                                     decoder.GetAddressOf()))
        || FAILED(decoder->GetFrame(0, frame.GetAddressOf())) || FAILED(factory->CreateFormatConverter(converter.GetAddressOf()))
        || FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))
        || FAILED(converter->GetSize(&w, &h)))
        return Dib(0, 0);
    Dib dib(static_cast<int>(w), static_cast<int>(h));
    DIBSECTION section{}; // the rows straight into the Dib's own top-down bits
    GetObjectW(GetCurrentObject(dib.dc(), OBJ_BITMAP), sizeof section, &section);
    converter->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(section.dsBm.bmBits));
    return dib;
}


// The Dib enlarged `scale` times, as 24-bit PNG rows.
bool writePng(const Dib& dib, const std::wstring& path, int scale)
{
    IWICImagingFactory* factory = imagingFactory();
    const UINT w = static_cast<UINT>(dib.width() * scale), h = static_cast<UINT>(dib.height() * scale);
    std::vector<BYTE> rows(static_cast<std::size_t>(w) * h * 3);
    for (UINT i = 0; i < w * h; ++i) {
        const COLORREF c = dib.pixel(static_cast<int>(i % w) / scale, static_cast<int>(i / w) / scale);
        rows[i * 3] = GetBValue(c), rows[i * 3 + 1] = GetGValue(c), rows[i * 3 + 2] = GetRValue(c);
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return factory && w && h && SUCCEEDED(factory->CreateStream(stream.GetAddressOf()))
        && SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE))
        && SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.GetAddressOf()))
        && SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))
        && SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr))
        && SUCCEEDED(frame->SetSize(w, h)) && SUCCEEDED(frame->SetPixelFormat(&format))
        && format == GUID_WICPixelFormat24bppBGR
        && SUCCEEDED(frame->WritePixels(h, w * 3, static_cast<UINT>(rows.size()), rows.data()))
        && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

Dib::Dib(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}}; // top-down rows
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_original = SelectObject(m_dc, m_bitmap);
    if (m_bits)
        std::fill_n(m_bits, width * height, toDib(fill));
}

Dib::Dib(Dib&& other) noexcept
    : m_width(other.m_width), m_height(other.m_height), m_dc(std::exchange(other.m_dc, nullptr)),
      m_bitmap(std::exchange(other.m_bitmap, nullptr)), m_original(other.m_original),
      m_bits(std::exchange(other.m_bits, nullptr))
{
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

int Dib::countNot(COLORREF colour) const noexcept
{
    GdiFlush();
    return m_bits ? static_cast<int>(std::count_if(m_bits, m_bits + m_width * m_height,
                                                   [v = toDib(colour)](std::uint32_t p) { return (p & 0xFFFFFF) != v; }))
                  : 0;
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

} // namespace picture
