#include "app/registry_script.h"

#include "win32/handles.h"

namespace quillmend {

std::span<const std::byte> customResource(int id) noexcept
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"CUSTOM");
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::byte*>(data), SizeofResource(module, found)};
}

bool writeFreshFile(const std::wstring& path, std::span<const std::byte> bytes) noexcept
{
    if (bytes.empty())
        return false;
    // Nothing that was lying at this path may be used in place of our bytes:
    // remove it, then insist on creating the file anew.
    DeleteFileW(path.c_str());
    win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        (void)file.release();
        return false;
    }
    DWORD written = 0;
    const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
        && written == bytes.size();
    if (!complete) {
        file.reset();
        DeleteFileW(path.c_str());
    }
    return complete;
}

namespace {

// A folder as `get` reports it, without a trailing '\'.
std::wstring folder(UINT (WINAPI *get)(LPWSTR, UINT))
{
    std::wstring path(MAX_PATH, L'\0');
    UINT length = get(path.data(), static_cast<UINT>(path.size()));
    if (length >= path.size()) {
        path.resize(length);
        length = get(path.data(), static_cast<UINT>(path.size()));
    }
    path.resize(length < path.size() ? length : 0);
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

} // namespace

std::wstring systemDirectory()
{
    return folder(GetSystemDirectoryW);
}

std::wstring windowsDirectory()
{
    return folder(GetWindowsDirectoryW);
}

std::optional<DWORD> readDword(HKEY root, const wchar_t* key, const wchar_t* name) noexcept
{
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    win32::UniqueKey opened(raw);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

std::optional<DWORD> readContextMenuPolicy() noexcept
{
    return readDword(HKEY_LOCAL_MACHINE, kPolicyKey, kPolicyValue);
}

} // namespace quillmend
