#include "app/form1.h"

#include "app/menu_policy.h"
#include "app/texts.h"
#include "quillmend/skin.h"

namespace quillmend {

Form1::Form1(Launcher& launcher, std::wstring scriptDirectory)
    : m_form(form1Description()), m_actions(launcher, std::move(scriptDirectory))
{
    bindEvents();
}

Form1::Form1(Launcher& launcher) : m_form(form1Description()), m_actions(launcher)
{
    bindEvents();
}

void Form1::bindEvents()
{
    m_form.onLoad([this] { onLoad(); });
    m_form.onUnload([this] { onUnload(); });
    m_form.onClick(L"Command1", [this] { m_actions.restartShell(hwnd()); showMenuState(); });
    m_form.onClick(L"Command2", [this] { m_actions.runScript(hwnd(), kEnableMenu); showMenuState(); });
    m_form.onClick(L"Command3", [this] { m_actions.runScript(hwnd(), kDisableMenu); showMenuState(); });
    m_form.onClick(L"Label3", [this] { m_actions.openAddress(hwnd(), kForumAddress); });
    m_form.onMouseMove(L"Label3", [this](const MouseEventArgs&) { onLinkMouseMove(); });
    m_form.onMouseMove([this](const MouseEventArgs&) { onFormMouseMove(); });
    // Another program (Quillmend from a script, say) changed a policy.
    m_form.onSettingChange([this](std::wstring_view area) {
        if (area == L"Policy")
            showMenuState();
    });
}

// The window is built and about to be shown: the title tells the menu's
// state, and the skin engine starts here.
void Form1::onLoad() noexcept
{
    showMenuState();
    skin::startSkinEngine(hwnd());
}

std::wstring Form1::stateTitle()
{
    auto state = [](std::optional<DWORD> value) {
        return uiText(MenuPolicy::disables(value) ? IDS_STATE_DISABLED : IDS_STATE_ENABLED);
    };
    const MenuPolicy policy = readMenuPolicy();
    std::wstring title = formatText(uiText(IDS_TITLE_STATE), state(policy.machine));
    if (policy.user)
        title += formatText(uiText(IDS_TITLE_USER_STATE), state(policy.user));
    return title;
}

// Only the title bar changes, so no control of the form moves.
void Form1::showMenuState()
{
    SetWindowTextW(hwnd(), stateTitle().c_str());
}

// The window is about to be destroyed: the skin engine stops here. The
// unload always goes ahead.
void Form1::onUnload() noexcept
{
    skin::stopSkinEngine(hwnd());
}

// Over the link: plain text in the link colour, with the hand cursor.
void Form1::onLinkMouseMove() noexcept
{
    m_form.setFontUnderline(L"Label3", false);
    m_form.setForeColour(L"Label3", kLinkColour);
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
}

// Over the bare form: the link is underlined again.
void Form1::onFormMouseMove() noexcept
{
    m_form.setFontUnderline(L"Label3", true);
}

} // namespace quillmend
