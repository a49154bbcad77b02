// Child programs are the system's own, whatever lies in our folder or the
// current one, through the real launcher.
#include "app_support.h"

#include <fstream>
#include <set>

namespace {

using namespace quillmend;
namespace fs = std::filesystem;

fs::path self() { wchar_t path[MAX_PATH]{}; GetModuleFileNameW(nullptr, path, MAX_PATH); return path; }
const fs::path kRanLog = fs::temp_directory_path() / L"qm-ran.txt";
const wchar_t* const kNames[] = {L"regedit.exe", L"cmd.exe", L"rundll32.exe", L"taskkill.exe", L"explorer.exe"};

// A copy of this program under a system program's name only notes where it ran from.
const bool kPlanted = [] {
    if (std::ranges::none_of(kNames, [](const wchar_t* name) { return self().filename() == name; }))
        return false;
    std::wofstream(kRanLog, std::ios::app) << self().wstring() << L'\n';
    ExitProcess(0);
}();

TEST(PlantedPrograms, NeverRunThroughTheRealLauncher)
{
    // The actions take `system` for the Windows and system directories: the
    // real command interpreter and copies that note they ran.
    const fs::path root = qmapp::freshTempDirectory(L"qm-planted"), cwd = root / L"cwd", system = root / L"system";
    for (const fs::path& folder : {cwd, system})
        fs::create_directories(folder);
    for (const wchar_t* name : kNames) {
        for (const fs::path& planted : {self().parent_path(), cwd})
            fs::copy_file(self(), planted / name, fs::copy_options::overwrite_existing);
        fs::copy_file(name == std::wstring_view(L"cmd.exe") ? fs::path(systemDirectory()) / name : self(), system / name);
    }
    fs::remove(kRanLog);
    const fs::path previous = fs::current_path();
    fs::current_path(cwd);
    ProcessLauncher launcher;
    Actions actions(launcher, root.wstring(), {system.wstring(), system.wstring()});
    actions.applyScript(kDisableMenu);
    EXPECT_EQ(actions.startShellRestart(), LaunchResult::started);
    actions.openAddress(nullptr, L"https://forum.example.com");
    const std::set<std::wstring> expected{(system / L"regedit.exe").wstring(), (system / L"taskkill.exe").wstring(),
                                          (system / L"explorer.exe").wstring(), (system / L"rundll32.exe").wstring()};
    auto ranLog = [] {
        std::wifstream log(kRanLog);
        std::set<std::wstring> lines;
        for (std::wstring line; std::getline(log, line); lines.insert(line)) {}
        return lines;
    };
    for (int i = 0; i < 200 && ranLog().size() < expected.size(); ++i)
        Sleep(50); // the restart and the address are not waited for
    fs::current_path(previous);
    for (const wchar_t* name : kNames) fs::remove(self().parent_path() / name);
    EXPECT_EQ(ranLog(), expected);
}

} // namespace
