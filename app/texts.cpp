#include "app/texts.h"

namespace quillmend {

Language uiLanguage() noexcept
{
    const LANGID language = GetUserDefaultUILanguage();
    if (PRIMARYLANGID(language) != LANG_CHINESE)
        return Language::english;
    switch (SUBLANGID(language)) {
    case SUBLANG_CHINESE_TRADITIONAL: // Taiwan
    case SUBLANG_CHINESE_HONGKONG:
    case SUBLANG_CHINESE_MACAU:
        return Language::traditionalChinese;
    default:
        return Language::chinese;
    }
}

std::wstring_view text(UINT id, Language language) noexcept
{
    // Strings are kept in blocks of sixteen, each a length word followed by
    // that many characters, without a terminating zero.
    const LANGID langId = language == Language::chinese              ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                          : language == Language::traditionalChinese ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL)
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
