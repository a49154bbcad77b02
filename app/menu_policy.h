// The right-click menu's policy as the machine and the current user set it,
// the policy that keeps the registry editor from importing, writing the
// value directly, and telling running programs that policies changed.
#pragma once

#include <windows.h>

#include <optional>

namespace quillmend {

inline constexpr wchar_t kSystemPolicyKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr wchar_t kRegistryToolsValue[] = L"DisableRegistryTools";

enum class PolicySource { machine, user, notSet };

// NoViewContextMenu under the machine key and under the same path for the
// current user. The shell obeys the machine's value whenever there is one,
// 0 included, and the user's only when the machine has none; with neither,
// the menu is on.
struct MenuPolicy {
    std::optional<DWORD> machine;
    std::optional<DWORD> user;
    PolicySource source() const noexcept
    {
        return machine ? PolicySource::machine : user ? PolicySource::user : PolicySource::notSet;
    }
    std::optional<DWORD> inForce() const noexcept { return machine ? machine : user; }
    bool menuDisabled() const noexcept { return inForce().value_or(0) != 0; }
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
