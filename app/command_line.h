// The command line for scripts: one argument, one line of English output,
// and an exit code. No window is created and the skin engine is never
// started. /status and /restart-shell need no administrator rights; /enable
// and /disable, run without them, run this program once more elevated (one
// prompt) and tell its outcome.
#pragma once

#include "app/elevation.h"
#include "app/launcher.h"

#include <span>
#include <string>
#include <string_view>

namespace quillmend {

enum class Command { enable, disable, status, restartShell, help, invalid };

inline constexpr int kExitDone = 0;        // done; for /status: the menu is enabled
inline constexpr int kExitDisabled = 1;    // /status: the menu is disabled
inline constexpr int kExitFailed = 2;      // the line names the cause
inline constexpr int kExitBadArgument = 87; // the line shows the usage

// One argument, '/' or '-' and a name in any letter case.
Command parseArgument(std::wstring_view argument);

// Runs the arguments after the program's name (at least one), writes the
// line and returns the exit code. /enable and /disable without administrator
// rights ask `elevation` for them.
int runCommandLine(std::span<const std::wstring> arguments, Launcher& launcher,
                   Elevation& elevation = systemElevation());

// Writes one line: UTF-8 into a file or pipe, the console's own Unicode
// output into a console; with no output at all, into the parent's console.
void writeLine(std::wstring_view line);

} // namespace quillmend
