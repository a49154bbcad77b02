// The registry scripts the program carries: exact bytes, both ids.
#include "app/actions.h"
#include "app/registry_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring expectedScript(wchar_t digit)
{
    return std::wstring(L"Windows Registry Editor Version 5.00\r\n")
        + L"\r\n"
        + L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]\r\n"
        + L"\"NoViewContextMenu\"=dword:0000000" + digit + L"\r\n"
        + L"\r\n";
}

struct ScriptRow {
    int id;
    wchar_t digit;
};

class RegistryScript : public testing::TestWithParam<ScriptRow> {};

TEST_P(RegistryScript, IsUtf16WithBomAndExactText)
{
    const auto bytes = quillmend::customResource(GetParam().id);
    ASSERT_EQ(bytes.size(), 322u);
    EXPECT_EQ(bytes[0], std::byte{0xFF});
    EXPECT_EQ(bytes[1], std::byte{0xFE});
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, bytes.size() - 2);
    EXPECT_EQ(text, expectedScript(GetParam().digit));
}

INSTANTIATE_TEST_SUITE_P(BothIds, RegistryScript,
                         testing::Values(ScriptRow{101, L'0'}, ScriptRow{102, L'1'}),
                         [](const testing::TestParamInfo<ScriptRow>& row) { return "id" + std::to_string(row.param.id); });

TEST(RegistryScript, ActionsUseTheirOwnScript)
{
    EXPECT_EQ(quillmend::kEnableMenu.resourceId, 101);
    EXPECT_EQ(quillmend::kEnableMenu.intendedValue, 0u);
    EXPECT_EQ(quillmend::kDisableMenu.resourceId, 102);
    EXPECT_EQ(quillmend::kDisableMenu.intendedValue, 1u);
    EXPECT_TRUE(quillmend::customResource(103).empty());
}

TEST(ProgramIcon, HasTheFourSizesAt32Bits)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    // A group directory: reserved, type, count, then 14-byte entries.
    const int count = dir[4] | (dir[5] << 8);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
        EXPECT_EQ(entry[6] | (entry[7] << 8), 32) << "bits of image " << i;
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{24, 32, 48, 128}));
}

} // namespace
