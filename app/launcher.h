// Starting child processes. The actions ask this interface, so the tests
// can stand in a launcher that records command lines.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

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
    noUserContext, // no unelevated context of the desktop's user to start it in
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the command line. With a wait bound, returns once the process
    // has ended or the bound has passed.
    virtual LaunchResult launch(const std::wstring& commandLine, WindowMode mode,
                                std::optional<DWORD> waitMilliseconds) = 0;
    // Starts the command line, without waiting, as the user who owns this
    // session's desktop, with that user's own rights: the token of the
    // running shell, never ours. For an elevated process, whose children
    // would otherwise inherit its rights (or another account's).
    virtual LaunchResult launchAsDesktopUser(const std::wstring& commandLine, WindowMode mode) = 0;
};

// The real one: CreateProcessW, the child starting in the system directory.
// The command line names its program by full path.
class ProcessLauncher final : public Launcher {
public:
    LaunchResult launch(const std::wstring& commandLine, WindowMode mode,
                        std::optional<DWORD> waitMilliseconds) override;
    LaunchResult launchAsDesktopUser(const std::wstring& commandLine, WindowMode mode) override;
};

// The processes of this session's shell: the one that owns the shell window,
// or, with none, the explorer processes of this session. Never another
// session's, which may belong to another user signed in to the machine.
std::vector<DWORD> sessionShellProcesses();

} // namespace quillmend
