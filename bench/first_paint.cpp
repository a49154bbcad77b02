#include "bench/first_paint.h"

#include "app/form1.h"
#include "bench/no_launcher.h"

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
    double form = 0;
    double button = 0;
    bool ok = false;
};

std::wstring ownPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

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

    const std::wstring path = ownPath();
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

    ChildTimes times;
    times.ok = std::sscanf(output.c_str(), "%lf %lf", &times.form, &times.button) == 2;
    return times;
}

} // namespace

StartupFigures measureStartup(int runs)
{
    std::vector<double> skinnedForm, skinnedButton, plainForm, plainButton;
    runChild(L"plain"); // the first start of the image also loads the libraries from disk
    for (int i = 0; i < runs; ++i) {
        const ChildTimes skinned = runChild(L"skinned");
        const ChildTimes plain = runChild(L"plain");
        if (skinned.ok && plain.ok) {
            skinnedForm.push_back(skinned.form);
            skinnedButton.push_back(skinned.button);
            plainForm.push_back(plain.form);
            plainButton.push_back(plain.button);
        }
    }
    return {{summarise(skinnedForm), summarise(plainForm)}, {summarise(skinnedButton), summarise(plainButton)}};
}

int runFirstPaintChild(std::wstring_view variant, std::wstring_view startTicks)
{
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
    HWND button = form->window(L"Command2");

    // show() ends with UpdateWindow: the form's own paint is done when it returns.
    form->show();
    const long long formPainted = ticks();
    // A button painted before show() returned has nothing left to paint.
    long long buttonPainted = GetUpdateRect(button, nullptr, FALSE) ? 0 : formPainted;
    const DWORD deadline = GetTickCount() + 10000;
    while (!buttonPainted && GetTickCount() < deadline) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (msg.message == WM_PAINT && msg.hwnd == button)
            buttonPainted = ticks();
    }
    std::printf("%.0f %.0f\n", ticksToNs(formPainted - start), ticksToNs(buttonPainted - start));
    std::fflush(stdout);
    return buttonPainted ? 0 : 1;
}

} // namespace bench
