// Push button faces: what the four state surfaces show, and how they are
// laid over the button.
#include "core_fixture.h"

#include "skin/images/skin_images.h"
#include "skin/paint/button_face.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qmtest;

namespace {

constexpr int kW = 75;
constexpr int kH = 25;

// A font drawn without smoothing, so caption pixels have the text colour.
HFONT plainFont()
{
    static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    NONANTIALIASED_QUALITY, 0, L"Tahoma");
    return font;
}

class Faces : public ::testing::Test {
protected:
    void SetUp() override { form = makeTopLevel(L"Form", 200, 100); }
    void TearDown() override { skin::stopSkinEngine(form.get()); }

    HWND button(const wchar_t* caption, DWORD style = BS_PUSHBUTTON)
    {
        HWND b = makeChild(form.get(), L"Button", caption, style, 10, 10, kW, kH);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(plainFont()), FALSE);
        return b;
    }
    static Dib surface(HWND b, int n) { return captureDc(skin::stateSurface(b, n), 0, 0, kW, kH); }

    UniqueWindow form;
};

// The pixels where two pictures differ, as a bounding box.
RECT differences(const Dib& a, const Dib& b, int* count = nullptr)
{
    RECT box{a.width(), a.height(), -1, -1};
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++n;
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
            }
    if (count)
        *count = n;
    return box;
}

} // namespace

TEST_F(Faces, SurfacesShowTheStateTileNineSliced)
{
    HWND b = button(L"");
    skin::startSkinEngine(form.get());
    Dib tiles = captureDc(skin::buttonFaceImage(), 0, 0, 7, 84);
    for (int n = 0; n < 4; ++n) {
        Dib s = surface(b, n);
        const int top = 21 * n;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(s.pixel(x, y), tiles.pixel(x, top + y)) << n;
                EXPECT_EQ(s.pixel(kW - 3 + x, y), tiles.pixel(4 + x, top + y)) << n;
                EXPECT_EQ(s.pixel(x, kH - 3 + y), tiles.pixel(x, top + 18 + y)) << n;
                EXPECT_EQ(s.pixel(kW - 3 + x, kH - 3 + y), tiles.pixel(4 + x, top + 18 + y)) << n;
            }
        // The middle column of the tile fills the stretched middle band.
        for (int y = 3; y < kH - 3; ++y) {
            const COLORREF middle = s.pixel(3, y);
            for (int x = 3; x < kW - 3; ++x)
                ASSERT_EQ(s.pixel(x, y), middle) << n << " " << x << "," << y;
        }
        EXPECT_EQ(s.pixel(kW / 2, 0), tiles.pixel(3, top));
    }
}

TEST_F(Faces, CaptionIsCentredInTheInsetBoxInTheStateColour)
{
    HWND bare = button(L"");
    HWND titled = button(L"Hello");
    skin::startSkinEngine(form.get());
    for (int n = 0; n < 4; ++n) {
        Dib plain = surface(bare, n);
        Dib text = surface(titled, n);
        const RECT box = differences(plain, text);
        ASSERT_GE(box.right, 0) << "caption drawn on surface " << n;
        // Centred in (2, 2)-(73, 23): equal side margins to within a pixel.
        // Vertically the text cell is centred, and the ink of "Hello" sits in
        // it above the space kept for descenders.
        EXPECT_LE(std::abs((box.left - 2) - (72 - box.right)), 1) << n;
        EXPECT_LE(std::abs((box.top - 2) - (22 - box.bottom)), 3) << n;
        const COLORREF ink = n == 3 ? skin::kDisabledCaptionColour : RGB(0, 0, 0);
        bool inkFound = false;
        for (int y = box.top; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x)
                if (plain.pixel(x, y) != text.pixel(x, y)) {
                    EXPECT_EQ(text.pixel(x, y), ink) << n;
                    inkFound = true;
                }
        EXPECT_TRUE(inkFound);
    }
}

TEST_F(Faces, AmpersandsUnderlineAndLongCaptionsStayOnOneLine)
{
    HWND plain = button(L"Abc");
    HWND prefixed = button(L"&Abc");
    HWND doubled = button(L"A&&c");
    HWND single = button(L"A&c");
    HWND longer = button(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    HWND bare = button(L"");
    skin::startSkinEngine(form.get());

    int plainInk = 0, prefixedInk = 0;
    differences(surface(bare, 0), surface(plain, 0), &plainInk);
    const RECT underlined = differences(surface(bare, 0), surface(prefixed, 0), &prefixedInk);
    EXPECT_GT(prefixedInk, plainInk) << "the A is underlined";
    const RECT extra = differences(surface(plain, 0), surface(prefixed, 0));
    EXPECT_EQ(extra.top, extra.bottom) << "the extra pixels are one underline row";
    EXPECT_EQ(extra.bottom, underlined.bottom);

    // "&&" draws one ampersand, unlike a lone "&" which draws none.
    int doubledInk = 0, singleInk = 0;
    differences(surface(bare, 0), surface(doubled, 0), &doubledInk);
    differences(surface(bare, 0), surface(single, 0), &singleInk);
    EXPECT_GT(doubledInk, singleInk);

    const Dib plainFace = surface(bare, 0);
    const Dib cutFace = surface(longer, 0);
    const RECT cut = differences(plainFace, cutFace);
    EXPECT_GE(cut.left, 2);
    EXPECT_LE(cut.right, kW - 3);
    EXPECT_LE(cut.bottom - cut.top, 16) << "one line";
    // It ends in an ellipsis: three dots low on the line, after a letter.
    std::vector<int> runTops; // the highest ink row of each run of ink columns
    bool inRun = false;
    for (int x = cut.left; x <= cut.right; ++x) {
        int top = kH;
        for (int y = cut.top; y <= cut.bottom; ++y)
            if (plainFace.pixel(x, y) != cutFace.pixel(x, y))
                top = std::min(top, y);
        if (top < kH && !inRun)
            runTops.push_back(top);
        else if (top < kH)
            runTops.back() = std::min(runTops.back(), top);
        inRun = top < kH;
    }
    ASSERT_GE(runTops.size(), 4u);
    for (size_t i = runTops.size() - 3; i < runTops.size(); ++i)
        EXPECT_GE(runTops[i], cut.bottom - 2) << "a dot";
    EXPECT_LT(runTops[runTops.size() - 4], cut.bottom - 4) << "a letter before the dots";
}

TEST_F(Faces, FocusBoxIsOnEverySurfaceExactlyWhileFocused)
{
    HWND focused = button(L"");
    HWND other = button(L"");
    SetFocus(focused);
    skin::startSkinEngine(form.get());
    for (int n = 0; n < 4; ++n) {
        int count = 0;
        const RECT box = differences(surface(other, n), surface(focused, n), &count);
        EXPECT_EQ(box.left, 2) << n;
        EXPECT_EQ(box.top, 2) << n;
        EXPECT_EQ(box.right, kW - 3) << n;
        EXPECT_EQ(box.bottom, kH - 3) << n;
        EXPECT_GT(count, 40) << "a dotted frame";
        EXPECT_EQ(surface(focused, n).pixel(kW / 2, kH / 2), surface(other, n).pixel(kW / 2, kH / 2));
    }
}

TEST_F(Faces, BlendLaysTheStateSurfaceOverWithConstantAlpha)
{
    HWND b = button(L"Blend");
    HWND off = button(L"Off");
    HWND check = button(L"Check", BS_AUTOCHECKBOX);
    skin::startSkinEngine(form.get());
    skin::setState(b, skin::VisualState::hot);
    const Dib hot = surface(b, 1);
    auto mix = [](int s, int d, int a) { return (s * a + d * (255 - a) + 127) / 255; };
    for (int alpha : {0, 128, 255}) {
        Dib target(kW, kH);
        skin::setAlpha(b, alpha);
        EXPECT_EQ(skin::blendButtonFace(b, target.dc()), 0);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const COLORREF s = hot.pixel(x, y);
                const COLORREF want = RGB(mix(GetRValue(s), GetRValue(kSentinel), alpha),
                                          mix(GetGValue(s), GetGValue(kSentinel), alpha),
                                          mix(GetBValue(s), GetBValue(kSentinel), alpha));
                ASSERT_TRUE(colourNear(target.pixel(x, y), want, alpha == 128 ? 1 : 0)) << alpha << " at " << x << "," << y;
            }
    }

    // A disabled button shows surface 3 whatever state was asked, and stores it.
    EnableWindow(off, FALSE);
    skin::setState(off, skin::VisualState::hot);
    skin::setAlpha(off, 255);
    Dib shown(kW, kH);
    skin::blendButtonFace(off, shown.dc());
    EXPECT_EQ(skin::getState(off), skin::VisualState::disabled);
    EXPECT_EQ(differences(surface(off, 3), shown).right, -1);

    // A "Button" that was a check box before attach is never blended.
    skin::setAlpha(check, 255);
    Dib untouched(kW, kH);
    skin::blendButtonFace(check, untouched.dc());
    EXPECT_EQ(untouched.countNot(kSentinel), 0);
}
