#include "app/menu_policy.h"

#include "app/registry_script.h"
#include "win32/handles.h"

namespace quillmend {

namespace {

constexpr UINT kBroadcastWindowTimeout = 1000; // milliseconds for one window
constexpr DWORD kBroadcastBound = 3000;        // milliseconds for them all

// The policy key opened for setting values, created if it is missing.
win32::UniqueKey openPolicyForWriting() noexcept
{
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPolicyKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return win32::UniqueKey(raw);
}

DWORD WINAPI broadcastThread(void*)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"), SMTO_ABORTIFHUNG,
                        kBroadcastWindowTimeout, &ignored);
    return 0;
}

} // namespace

MenuPolicy readMenuPolicy() noexcept
{
    return {readDword(HKEY_LOCAL_MACHINE, kPolicyKey, kPolicyValue), readDword(HKEY_CURRENT_USER, kPolicyKey, kPolicyValue)};
}

bool registryEditorDisabled() noexcept
{
    // 2 stops the editor's window only; silent imports still run.
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        if (const auto value = readDword(root, kSystemPolicyKey, kRegistryToolsValue); value && *value != 0 && *value != 2)
            return true;
    return false;
}

bool writeMachinePolicy(DWORD value) noexcept
{
    const win32::UniqueKey key = openPolicyForWriting();
    return key
        && RegSetValueExW(key.get(), kPolicyValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value))
               == ERROR_SUCCESS;
}

bool canWriteMachinePolicy() noexcept
{
    return openPolicyForWriting() != nullptr;
}

void broadcastPolicyChange() noexcept
{
    // Each window may take up to a second to answer, so the broadcast runs on
    // a thread of its own and the caller stops waiting after the bound. Our
    // own windows get the message too: their sent messages are handled while
    // waiting, or the broadcast would wait on us.
    const win32::UniqueHandle thread(CreateThread(nullptr, 0, broadcastThread, nullptr, 0, nullptr));
    if (!thread)
        return;
    HANDLE handle = thread.get();
    const ULONGLONG end = GetTickCount64() + kBroadcastBound;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        if (MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE)
            != WAIT_OBJECT_0 + 1)
            break;
        MSG msg{};
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace quillmend
