// Starting child processes. The actions ask this interface, so the tests
// can stand in a launcher that records command lines.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quillmend {

enum class WindowMode {
    hidden,
    normalFocus, // a normal window that takes the focus
};

enum class LaunchResult {
    started,    // running; nobody waits for it
    finished,   // waited for, and it ended within the bound
    timedOut,   // waited for, still running when the bound passed
    notStarted, // the process could not be created
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the command line. With a wait bound, returns once the process
    // has ended or the bound has passed.
    virtual LaunchResult launch(const std::wstring& commandLine, WindowMode mode,
                                std::optional<DWORD> waitMilliseconds) = 0;
};

// The real one: CreateProcessW, the child starting in the system directory.
// The command line names its program by full path.
class ProcessLauncher final : public Launcher {
public:
    LaunchResult launch(const std::wstring& commandLine, WindowMode mode,
                        std::optional<DWORD> waitMilliseconds) override;
};

} // namespace quillmend
