#include "app/form1.h"

#include "app/menu_policy.h"
#include "app/registry_script.h"
#include "app/texts.h"
#include "quillmend/skin.h"

#include <commctrl.h>

namespace quillmend {

Form1::Form1(Launcher& launcher, std::wstring scriptDirectory, Elevation& elevation)
    : m_form(form1Description()), m_elevation(elevation),
      m_actions(launcher, std::move(scriptDirectory), systemFolders(), elevation)
{
    bindEvents();
}

Form1::Form1(Launcher& launcher, Elevation& elevation) : Form1(launcher, systemDirectory(), elevation)
{
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
// state, and the skin engine starts here. Without administrator rights the
// two buttons that ask for them carry the system's shield; the message goes
// to the skinned buttons, so the skin sees it.
void Form1::onLoad() noexcept
{
    showMenuState();
    skin::startSkinEngine(hwnd());
    if (!m_elevation.elevated())
        for (const wchar_t* name : {L"Command2", L"Command3"})
            SendMessageW(m_form.window(name), BCM_SETSHIELD, 0, TRUE);
}

std::wstring Form1::stateTitle()
{
    const MenuPolicy policy = readMenuPolicy();
    const UINT source = policy.source() == PolicySource::machine ? IDS_SOURCE_MACHINE
        : policy.source() == PolicySource::user                  ? IDS_SOURCE_USER
                                                                 : IDS_SOURCE_NONE;
    return formatText(uiText(IDS_TITLE_STATE), uiText(policy.menuDisabled() ? IDS_STATE_DISABLED : IDS_STATE_ENABLED))
        + std::wstring(uiText(source));
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
