#include "app/form1.h"
#include "app/launcher.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    quillmend::ProcessLauncher launcher;
    quillmend::Form1 form1(launcher);
    if (!form1.hwnd())
        return 1;
    form1.form().quitOnDestroy(true);
    form1.show(showCommand);
    return quillmend::runMessageLoop(form1.hwnd());
}
