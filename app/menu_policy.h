// The right-click menu's policy as the machine and the current user set it,
// the policy that keeps the registry editor from importing, writing the
// value directly, and telling running programs that policies changed.
#pragma once

#include <windows.h>

#include <optional>

namespace quillmend {

inline constexpr wchar_t kSystemPolicyKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr wchar_t kRegistryToolsValue[] = L"DisableRegistryTools";

// NoViewContextMenu under the machine key and under the same path for the
// current user; a missing value leaves the menu enabled.
struct MenuPolicy {
    std::optional<DWORD> machine;
    std::optional<DWORD> user;
    static bool disables(std::optional<DWORD> value) noexcept { return value && *value != 0; }
    // Either of the two switches the menu off.
    bool menuDisabled() const noexcept { return disables(machine) || disables(user); }
};
MenuPolicy readMenuPolicy() noexcept;

// True when DisableRegistryTools, for the machine or the current user, keeps
// the registry editor from running even silently (any value but 0 and 2).
bool registryEditorDisabled() noexcept;

// Sets NoViewContextMenu under the machine key through the registry API.
bool writeMachinePolicy(DWORD value) noexcept;
// Whether this process may set values under the machine's policy key.
bool canWriteMachinePolicy() noexcept;

// WM_SETTINGCHANGE with "Policy" to every top-level window. Hung windows are
// skipped, and the caller waits a few seconds at most in all.
void broadcastPolicyChange() noexcept;

} // namespace quillmend
