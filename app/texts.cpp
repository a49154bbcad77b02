#include "app/texts.h"

namespace quillmend {

Language uiLanguage() noexcept
{
    // Every Chinese variant reads the one Chinese table.
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::chinese : Language::english;
}

std::wstring_view text(UINT id, Language language) noexcept
{
    // Strings are kept in blocks of sixteen, each a length word followed by
    // that many characters, without a terminating zero.
    const LANGID langId = language == Language::chinese ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                                        : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC block = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), langId);
    HGLOBAL loaded = block ? LoadResource(module, block) : nullptr;
    const auto* entry = loaded ? static_cast<const wchar_t*>(LockResource(loaded)) : nullptr;
    if (!entry)
        return {};
    for (UINT skip = id % 16; skip > 0; --skip)
        entry += 1 + *entry;
    return {entry + 1, static_cast<std::size_t>(*entry)};
}

std::wstring_view uiText(UINT id) noexcept
{
    static const Language language = uiLanguage();
    return text(id, language);
}

std::wstring formatText(std::wstring_view pattern, std::wstring_view argument)
{
    std::wstring result(pattern);
    if (const auto at = result.find(L"%1"); at != std::wstring::npos)
        result.replace(at, 2, argument);
    return result;
}

} // namespace quillmend
