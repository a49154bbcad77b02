// Push button faces: the four state surfaces of buttons with every kind of
// caption, against one golden, and how a surface is laid over the button.
#include "core_fixture.h"

#include "skin/paint/button_face.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

constexpr int kW = 75, kH = 25;

class Faces : public ::testing::Test {
protected:
    void SetUp() override { form = makeTopLevel(L"Form", 200, 100); }
    void TearDown() override { skin::stopSkinEngine(form.get()); }
    HWND button(const wchar_t* caption, DWORD style = BS_PUSHBUTTON)
    {
        // Drawn without smoothing, so caption pixels have the text colour.
        static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Tahoma");
        HWND b = makeChild(form.get(), L"Button", caption, style, 10, 10, kW, kH);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return b;
    }
    static Dib surface(HWND b, int n) { return captureDc(skin::stateSurface(b, n), 0, 0, kW, kH); }
    UniqueWindow form;
};

} // namespace

// The state tile nine-sliced, the caption centred in the state's colour on
// one line (underlined after "&", one "&" for "&&", cut with an ellipsis),
// and the focus box on every surface of the focused button only.
TEST_F(Faces, SurfacesOfEveryKindOfCaptionMatchTheirGolden)
{
    const wchar_t* captions[] = {L"", L"Hello", L"&Abc", L"A&&c", L"A&c", L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", L""};
    std::vector<HWND> buttons;
    for (const wchar_t* caption : captions)
        buttons.push_back(button(caption));
    SetFocus(buttons.back());
    skin::startSkinEngine(form.get());
    std::vector<Dib> surfaces;
    for (HWND b : buttons)
        for (int n = 0; n < 4; ++n)
            surfaces.push_back(surface(b, n));
    std::vector<const Dib*> parts;
    for (const Dib& s : surfaces)
        parts.push_back(&s);
    EXPECT_TRUE(matchesGolden(stack(parts), L"button-faces"));
}

TEST_F(Faces, BlendLaysTheStateSurfaceOverWithConstantAlpha)
{
    HWND b = button(L"Blend"), off = button(L"Off"), check = button(L"Check", BS_AUTOCHECKBOX);
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
    EXPECT_TRUE(samePixels(surface(off, 3), shown));
    // A "Button" that was a check box before attach is never blended.
    skin::setAlpha(check, 255);
    Dib untouched(kW, kH);
    skin::blendButtonFace(check, untouched.dc());
    EXPECT_EQ(untouched.countNot(kSentinel), 0);
}
