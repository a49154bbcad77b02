#include "bench/machine.h"

#include "skin/images/gdi.h"

#include <windows.h>

#include <string>

namespace bench {

namespace {

std::string narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string processorName()
{
    wchar_t name[256]{};
    DWORD bytes = sizeof(name) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     L"ProcessorNameString", RRF_RT_REG_SZ, nullptr, name, &bytes) != ERROR_SUCCESS)
        return "unknown CPU";
    std::wstring text(name);
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    return narrow(text);
}

// Wine's ntdll names itself and its host; Windows' has neither export.
std::string wineVersion()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll)
        return {};
    using VersionFn = const char*(__cdecl*)();
    using HostFn = void(__cdecl*)(const char**, const char**);
    const auto version = reinterpret_cast<VersionFn>(GetProcAddress(ntdll, "wine_get_version"));
    if (!version)
        return {};
    std::string text = std::string("Wine ") + version();
    if (const auto host = reinterpret_cast<HostFn>(GetProcAddress(ntdll, "wine_get_host_version"))) {
        const char* sysname = nullptr;
        const char* release = nullptr;
        host(&sysname, &release);
        if (sysname && release)
            text += std::string(" on ") + sysname + " " + release;
    }
    return text;
}

} // namespace

std::string describeMachine()
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    GlobalMemoryStatusEx(&memory);
    int bits = 0;
    {
        skin::ClientDc screen(nullptr);
        bits = GetDeviceCaps(screen.get(), BITSPIXEL);
    }
    std::string text = processorName() + ", " + std::to_string(info.dwNumberOfProcessors) + " logical processors, "
        + std::to_string(memory.ullTotalPhys >> 20) + " MiB";
    const std::string wine = wineVersion();
    text += wine.empty() ? ", Windows" : ", " + wine;
    text += ", display " + std::to_string(bits) + " bpp";
    return text;
}

} // namespace bench
