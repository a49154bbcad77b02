#include "skin/router/start.h"

#include "quillmend/skin.h"
#include "skin/core/engine.h"
#include "skin/core/high_contrast.h"
#include "skin/input/scroll_calls.h"
#include "skin/paint/button_face.h"
#include "skin/router/window_proc.h"

namespace skin {

int startSkinEngine(HWND hwnd) noexcept
{
    lendUpperLayers({&skinWindowProc, &renderButtonFaces});
    if (leaveToSystemWhileHighContrast(hwnd))
        return kLeftToSystem;
    prepareEngine();
    interceptScrollCalls();
    return attachHostWindow(hwnd);
}

// The thread lets the program's scroll calls go once it skins nothing.
int stopSkinEngine(HWND hwnd) noexcept
{
    const int detached = detachHostWindow(hwnd);
    forgetLeftWindow(hwnd);
    if (!skinInitialised())
        releaseScrollCalls();
    return detached;
}

} // namespace skin

namespace quillmend::skin {

int startSkinEngine(HWND window) noexcept
{
    return ::skin::startSkinEngine(window);
}

int stopSkinEngine(HWND window) noexcept
{
    return ::skin::stopSkinEngine(window);
}

} // namespace quillmend::skin
