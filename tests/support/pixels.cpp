#include "support/pixels.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace qmtest {

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

Dib stack(const std::vector<const Dib*>& parts)
{
    int width = 0, height = 0;
    for (const Dib* part : parts)
        width = std::max(width, part->width()), height += part->height();
    Dib sheet(width, height);
    for (int top = 0; const Dib* part : parts)
        BitBlt(sheet.dc(), 0, top, part->width(), part->height(), part->dc(), 0, 0, SRCCOPY), top += part->height();
    return sheet;
}

std::wstring screensDir()
{
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    dir = dir.substr(0, dir.find_last_of(L"\\/")); // <build>/tests/test_x.exe -> <build>/tests
    dir = dir.substr(0, dir.find_last_of(L"\\/")) + L"\\screens";
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring savePng(const Dib& dib, const std::wstring& name, int scale)
{
    std::wstring path = screensDir() + L"\\" + name + L".png";
    return writePng(dib, path, scale) ? path : std::wstring();
}

namespace {

std::string hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
    return text;
}

} // namespace

::testing::AssertionResult matchesGolden(const Dib& actual, const std::wstring& name)
{
    const std::wstring path = std::wstring(QM_GOLDEN_DIR) + L"/" + name + L".png";
    const std::string shown(name.begin(), name.end());
    if (const char* update = std::getenv("QM_UPDATE_GOLDEN"); update && *update == '1')
        return writePng(actual, path, 1) ? ::testing::AssertionSuccess()
                                         : ::testing::AssertionFailure() << "could not write golden " << shown;
    const Dib golden = readPng(path);
    const int count = countDifferences(actual, golden);
    if (count == 0)
        return ::testing::AssertionSuccess();
    const int scale = actual.width() < 100 ? 4 : 1; // small pictures enlarged for a person
    savePng(actual, name + L"-actual", scale);
    auto failure = ::testing::AssertionFailure() << shown << " (see build/screens/" << shown << "-actual.png): ";
    if (count < 0)
        return failure << "golden is " << golden.width() << " x " << golden.height() << " (QM_UPDATE_GOLDEN=1 rewrites it)";
    Dib difference(actual.width(), actual.height(), 0x00FFFFFF); // differing pixels red on white
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != golden.pixel(x, y))
                difference.setPixel(x, y, 0x000000FF);
    savePng(difference, name + L"-difference", scale);
    failure << "difference in " << shown << "-difference.png; ";
    for (int i = 0;; ++i)
        if (const int x = i % actual.width(), y = i / actual.width(); actual.pixel(x, y) != golden.pixel(x, y))
            return failure << count << " pixels differ, the first at (" << x << ", " << y << "): "
                           << hex(actual.pixel(x, y)) << " instead of " << hex(golden.pixel(x, y));
}

} // namespace qmtest
