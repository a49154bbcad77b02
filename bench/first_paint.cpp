#include "bench/first_paint.h"

#include "app/form1.h"
#include "bench/no_launcher.h"
#include "win32/module_path.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace bench {

namespace {

struct Handle {
    HANDLE h = nullptr;
    ~Handle() { if (h) CloseHandle(h); }
};

struct ChildTimes {
    double entered = 0;
    double built = 0;
    double painted = 0;
    bool ok = false;
};

ChildTimes runChild(const std::wstring& variant)
{
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    Handle readEnd, writeEnd;
    if (!CreatePipe(&readEnd.h, &writeEnd.h, &inherit, 0))
        return {};
    SetHandleInformation(readEnd.h, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.h;
    startup.hStdError = writeEnd.h;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};

    const std::wstring path = win32::programPath();
    const long long start = ticks();
    std::wstring commandLine = L"\"" + path + L"\" " + std::wstring(kFirstPaintSwitch) + L" " + variant + L" "
        + std::to_wstring(start);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return {};
    Handle processHandle{process.hProcess}, threadHandle{process.hThread};
    CloseHandle(writeEnd.h);
    writeEnd.h = nullptr;

    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd.h, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);

    // A child whose button still waited for its paint does not count.
    ChildTimes times;
    times.ok = exitCode == 0
        && std::sscanf(output.c_str(), "%lf %lf %lf", &times.entered, &times.built, &times.painted) == 3;
    return times;
}

} // namespace

StartupFigures measureStartup(int runs)
{
    struct Series {
        std::vector<double> painted, entered, built, shown;
        void add(const ChildTimes& t)
        {
            painted.push_back(t.painted);
            entered.push_back(t.entered);
            built.push_back(t.built - t.entered);
            shown.push_back(t.painted - t.built);
        }
    } skinned, plain;
    runChild(L"plain"); // the first start also brings the program's pages into memory
    for (int i = 0; i < runs; ++i) {
        const ChildTimes a = runChild(L"skinned");
        const ChildTimes b = runChild(L"plain");
        if (a.ok && b.ok) {
            skinned.add(a);
            plain.add(b);
        }
    }
    const auto pair = [](const std::vector<double>& a, const std::vector<double>& b) {
        return Pair{summarise(a), summarise(b)};
    };
    return {pair(skinned.painted, plain.painted), pair(skinned.entered, plain.entered),
            pair(skinned.built, plain.built), pair(skinned.shown, plain.shown)};
}

int runFirstPaintChild(std::wstring_view variant, std::wstring_view startTicks)
{
    const long long entered = ticks();
    const long long start = std::stoll(std::wstring(startTicks));
    NoLauncher launcher;
    // Form1 starts the skin engine on load; the plain form is the same
    // description without the engine.
    std::unique_ptr<quillmend::Form1> skinned;
    std::unique_ptr<quillmend::Form> plain;
    quillmend::Form* form = nullptr;
    if (variant == L"skinned") {
        skinned = std::make_unique<quillmend::Form1>(launcher);
        form = &skinned->form();
    } else {
        plain = std::make_unique<quillmend::Form>(quillmend::form1Description());
        form = plain.get();
    }
    const long long built = ticks();
    // show() ends with UpdateWindow, which paints the form and every control
    // below it before it returns.
    form->show();
    const long long painted = ticks();
    const bool allPainted = !GetUpdateRect(form->window(L"Command2"), nullptr, FALSE);
    std::printf("%.0f %.0f %.0f\n", ticksToNs(entered - start), ticksToNs(built - start), ticksToNs(painted - start));
    std::fflush(stdout);
    return allPainted ? 0 : 1;
}

} // namespace bench
