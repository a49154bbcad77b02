// Pixel helpers for tests: the pictures of tools/picture.h compared, stacked
// into sheets, saved under the build folder and checked against golden
// pictures kept under tests/golden.
#pragma once

#include "tools/picture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qmtest {

using picture::Dib;
using picture::kSentinel;
using picture::captureDc;
using picture::captureScreen;
using picture::captureWindow;
using picture::writePng;
using picture::readPng;

// How many pixels of two pictures of one size differ; -1 for different sizes.
int countDifferences(const Dib& a, const Dib& b);
inline bool samePixels(const Dib& a, const Dib& b) { return countDifferences(a, b) == 0; }

// The pictures one below the other, left-aligned, on the sentinel colour:
// many small pictures checked against one golden.
Dib stack(const std::vector<const Dib*>& parts);

// <build>/screens, found from the test program's own location.
std::wstring screensDir();
// Writes the Dib, enlarged `scale` times, as <build>/screens/<name>.png;
// returns the full path or "".
std::wstring savePng(const Dib& dib, const std::wstring& name, int scale = 1);
// Compares `actual` exactly with tests/golden/<name>.png. On a mismatch the
// actual picture and a difference picture go to <build>/screens and the
// message names the first differing pixel. With QM_UPDATE_GOLDEN=1 the golden is rewritten instead.
::testing::AssertionResult matchesGolden(const Dib& actual, const std::wstring& name);

} // namespace qmtest
