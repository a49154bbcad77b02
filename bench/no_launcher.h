// A launcher that starts nothing: the benchmark never runs Form1's actions.
#pragma once

#include "app/launcher.h"

namespace bench {

class NoLauncher final : public quillmend::Launcher {
public:
    quillmend::LaunchResult launch(const std::wstring&, quillmend::WindowMode, std::optional<DWORD>) override
    {
        return quillmend::LaunchResult::notStarted;
    }
    quillmend::LaunchResult launchAsDesktopUser(const std::wstring&, quillmend::WindowMode) override
    {
        return quillmend::LaunchResult::notStarted;
    }
};

} // namespace bench
