// The texts of the window and its messages, from the string tables in the
// program's resources: Traditional Chinese for the Taiwan, Hong Kong and
// Macao user interface languages, Simplified Chinese for every other Chinese
// one, English for every other language.
#pragma once

#include "resource_ids.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace quillmend {

enum class Language { chinese, traditionalChinese, english };

// The language the user's interface language calls for.
Language uiLanguage() noexcept;

// The text of string resource `id` in `language`; empty if there is none.
// The view points into the loaded module and stays valid.
std::wstring_view text(UINT id, Language language) noexcept;
// The same in the user's language.
std::wstring_view uiText(UINT id) noexcept;

// `pattern` with its "%1" replaced by `argument`.
std::wstring formatText(std::wstring_view pattern, std::wstring_view argument);

} // namespace quillmend
