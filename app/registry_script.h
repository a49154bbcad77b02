// The pieces of a registry action: the script resources, the script file,
// and the policy value they set.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace quillmend {

inline constexpr wchar_t kPolicyKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr wchar_t kPolicyValue[] = L"NoViewContextMenu";

// The bytes of a resource of type "CUSTOM" in the program's own module;
// empty if there is none.
std::span<const std::byte> customResource(int id) noexcept;

// Writes the bytes to a new file at the path, removing whatever file was
// there first. False if the file could not be written completely.
bool writeFreshFile(const std::wstring& path, std::span<const std::byte> bytes) noexcept;

// The system directory as the system reports it, without a trailing '\'.
std::wstring systemDirectory();
// The Windows directory, the same way.
std::wstring windowsDirectory();

// A DWORD value from the 64-bit registry view; nothing if the key or the
// value is missing or not a DWORD.
std::optional<DWORD> readDword(HKEY root, const wchar_t* key, const wchar_t* name) noexcept;

// NoViewContextMenu as a DWORD from the machine's 64-bit registry view;
// nothing if the key or the value is missing or not a DWORD.
std::optional<DWORD> readContextMenuPolicy() noexcept;

} // namespace quillmend
