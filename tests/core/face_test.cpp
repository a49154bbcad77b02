// Push button faces: the four state surfaces of buttons with every kind of
// caption against one golden, and how a surface is laid over the button.
#include "core_fixture.h"

#include "skin/paint/button_face.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;

// The state tile nine-sliced, the caption centred in the state's colour on
// one line (underlined after "&", one "&" for "&&", cut with an ellipsis),
// and the focus box on every surface of the focused button only. Blending
// lays the hot surface over with constant alpha; a disabled button shows
// surface 3 whatever state was asked; a former check box is never blended.
TEST(Faces, SurfacesOfEveryKindOfCaptionMatchTheirGoldenAndBlendWithConstantAlpha)
{
    auto form = makeTopLevel(L"Form", 200, 100);
    // Drawn without smoothing, so caption pixels have the text colour.
    static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Tahoma");
    std::vector<HWND> buttons;
    for (const wchar_t* caption : {L"", L"Hello", L"&Abc", L"A&&c", L"A&c", L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", L"", L"Check"}) {
        buttons.push_back(makeChild(form.get(), L"Button", caption, *caption == 'C' ? BS_AUTOCHECKBOX : BS_PUSHBUTTON, 10, 10, 75, 25));
        SendMessageW(buttons.back(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SetFocus(buttons[6]);
    skin::startSkinEngine(form.get());
    std::vector<Dib> shots;
    for (int b = 0; b < 7; ++b)
        for (int n = 0; n < 4; ++n)
            shots.push_back(captureDc(skin::stateSurface(buttons[b], n), 0, 0, 75, 25));
    EnableWindow(buttons[2], FALSE);
    for (auto [button, alpha] : {std::pair{1, 0}, {1, 128}, {2, 255}, {7, 255}}) {
        shots.emplace_back(75, 25);
        skin::setState(buttons[button], skin::VisualState::hot);
        skin::setAlpha(buttons[button], alpha);
        skin::blendButtonFace(buttons[button], shots.back().dc());
    }
    std::vector<const Dib*> parts;
    for (const Dib& s : shots)
        parts.push_back(&s);
    EXPECT_TRUE(matchesGolden(stack(parts), L"button-faces"));
    skin::stopSkinEngine(form.get());
}
