// Form1's description: every control, its container, caption (in the
// user's language), place in twips, tab index, colour and font.
#include "app/form1.h"

#include "app/texts.h"
#include "resource_ids.h"

#include <array>

namespace quillmend {

namespace {

constexpr FontDescription kFormFont{L"宋体", 90, false, false, GB2312_CHARSET};
constexpr FontDescription kSiteFont{L"黑体", 120, true, false, GB2312_CHARSET};
constexpr FontDescription kLinkFont{L"宋体", 120, false, true, GB2312_CHARSET};
constexpr FontDescription kCreditFont{L"宋体", 105, true, false, GB2312_CHARSET};

using T = ControlType;

// Fields: name, type, container, caption, left, top, width, height, tab
// index, fore colour, font, auto size.
const std::array kControls{
    ControlDescription{.name = L"Frame1", .type = T::frame, .caption = uiText(IDS_FRAME_INSTRUCTIONS),
                .left = 2760, .top = 120, .width = 3975, .height = 1695, .tabIndex = 0, .foreColour = 0x00FF0000},
    ControlDescription{.name = L"Label1", .type = T::label, .container = L"Frame1", .caption = uiText(IDS_INSTRUCTIONS),
                .left = 240, .top = 240, .width = 3495, .height = 1335, .tabIndex = 1, .foreColour = 0x00404000},
    ControlDescription{.name = L"Frame2", .type = T::frame, .caption = uiText(IDS_FRAME_ACTIONS),
                .left = 120, .top = 120, .width = 2655, .height = 1695, .tabIndex = 2, .foreColour = 0x00FF00FF},
    ControlDescription{.name = L"Command2", .type = T::pushButton, .container = L"Frame2", .caption = uiText(IDS_BUTTON_ENABLE),
                .left = 120, .top = 240, .width = 2415, .height = 375, .tabIndex = 3},
    ControlDescription{.name = L"Command3", .type = T::pushButton, .container = L"Frame2", .caption = uiText(IDS_BUTTON_DISABLE),
                .left = 120, .top = 720, .width = 2415, .height = 375, .tabIndex = 4},
    ControlDescription{.name = L"Command1", .type = T::pushButton, .container = L"Frame2", .caption = uiText(IDS_BUTTON_RESTART),
                .left = 120, .top = 1200, .width = 2415, .height = 375, .tabIndex = 5},
    ControlDescription{.name = L"Label2", .type = T::label, .caption = L"Lurnhaven",
                .left = 240, .top = 1920, .width = 1305, .height = 240, .tabIndex = 6, .foreColour = 0x00404000,
                .font = kSiteFont, .autoSize = true},
    ControlDescription{.name = L"Label3", .type = T::label, .caption = kForumAddress,
                .left = 1680, .top = 1920, .width = 2775, .height = 240, .tabIndex = 7, .foreColour = kLinkColour,
                .font = kLinkFont, .autoSize = true},
    ControlDescription{.name = L"Label4", .type = T::label, .caption = uiText(IDS_CREDIT),
                .left = 5160, .top = 1920, .width = 1470, .height = 210, .tabIndex = 8, .foreColour = 0x00008000,
                .font = kCreditFont, .autoSize = true},
};

const FormDescription kForm1{.name = L"Form1", .caption = L"Quillmend", .clientWidth = 6855, .clientHeight = 2205,
                      .font = kFormFont, .iconId = IDI_QUILLMEND, .controls = kControls};

} // namespace

const FormDescription& form1Description() noexcept
{
    return kForm1;
}

} // namespace quillmend
