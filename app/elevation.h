// Whether this process runs with administrator rights, and running this
// program once more with them for the one write that needs them. The actions
// ask this interface, so the tests can stand in "not elevated", "declined"
// and "elevated" where every process has a full token.
#pragma once

#include <windows.h>

#include <string>

namespace quillmend {

enum class ElevatedResult {
    finished,   // ran and ended within the bound; the exit code is its own
    declined,   // the user declined the prompt; nothing ran
    notStarted, // could not be started for another reason
    timedOut,   // still running when the bound passed
};

struct ElevatedRun {
    ElevatedResult result;
    DWORD exitCode = 0;
};

class Elevation {
public:
    virtual ~Elevation() = default;
    virtual bool elevated() = 0;
    // Runs the program with administrator rights and one argument, with no
    // window, the prompt owned by `owner`; waits until it ends or the bound
    // passes, handling messages sent to this thread meanwhile.
    virtual ElevatedRun runElevated(HWND owner, const std::wstring& argument, DWORD waitMilliseconds) = 0;
};

// The real one: the process token, and the "runas" verb on the program's own
// file (this program's unless another is named).
class SystemElevation final : public Elevation {
public:
    SystemElevation();
    explicit SystemElevation(std::wstring program);
    bool elevated() override;
    ElevatedRun runElevated(HWND owner, const std::wstring& argument, DWORD waitMilliseconds) override;

private:
    std::wstring m_program;
};

// The process's own, for whoever is not told of another.
Elevation& systemElevation();

} // namespace quillmend
