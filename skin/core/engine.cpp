#include "skin/core/engine.h"

#include "skin/core/button_surfaces.h"
#include "skin/core/child_creation.h"
#include "skin/core/high_contrast.h"
#include "skin/core/fade_timer.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/rect.h"
#include "skin/images/scratch.h"
#include "skin/images/skin_images.h"

#include <optional>

namespace skin {

namespace {

// The engine of one user-interface thread: each thread that skins windows
// has its own, so no value is shared and none needs a lock. Thread-local
// storage holds plain values only: the emulated thread-local storage of the
// MinGW runtime frees a thread's storage before it runs the destructors of
// thread-local objects.
struct ThreadEngine {
    bool skinInitialised = false;
    bool trackMouseEventAvailable = false;
    int attachedWindowCount = 0;
    UpperLayers layers;
};
thread_local ThreadEngine t_engine;

constexpr LONG_PTR kButtonTypeMask = BS_TYPEMASK;

void attachPushButton(HWND hwnd, bool parentRepainted) noexcept
{
    createButtonSurfaces(hwnd);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    // No redraw here: attach repaints the whole window once it is subclassed.
    SendMessageW(hwnd, BM_SETSTYLE, BS_OWNERDRAW, FALSE);
    setProp(hwnd, prop::kOldStyle, style);
    setProp(hwnd, prop::kMouseFlag, 0);
    setProp(hwnd, prop::kTimerId, 0);
    setState(hwnd, IsWindowEnabled(hwnd) ? VisualState::normal : VisualState::disabled);
    setAlpha(hwnd, 0);
    setRoundedRegion(hwnd, !parentRepainted);
}

// A window being destroyed keeps its region: it is hidden already and its
// region goes with it.
void detachPushButton(HWND hwnd, bool destroyed) noexcept
{
    releaseButtonSurfaces(hwnd);
    if (const auto timer = static_cast<UINT_PTR>(takeProp(hwnd, prop::kTimerId)))
        KillTimer(hwnd, timer);
    // Give back only the button type attach changed: the enabled and visible
    // bits are the window's own business since then.
    const auto saved = takeProp(hwnd, prop::kOldStyle);
    const LONG_PTR current = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (saved && (current & kButtonTypeMask) != (saved & kButtonTypeMask))
        SetWindowLongPtrW(hwnd, GWL_STYLE, (current & ~kButtonTypeMask) | (saved & kButtonTypeMask));
    for (const PropName& name : {prop::kMouseFlag, prop::kOldState, prop::kAlphaLevel, prop::kShield})
        removeProp(hwnd, name);
    if (!destroyed)
        SetWindowRgn(hwnd, nullptr, TRUE);
}

void attachStateful(HWND hwnd) noexcept
{
    setProp(hwnd, prop::kMouseFlag, 0);
    setState(hwnd, VisualState::normal);
}

// A common control with parts that follow the pointer remembers the one
// under it.
void attachPointerParts(HWND hwnd) noexcept
{
    setProp(hwnd, prop::kMouseFlag, 0);
    setProp(hwnd, prop::kPartHot, -1);
}

// What any common control was given, and a marquee progress bar's block.
void detachCommonControl(HWND hwnd) noexcept
{
    for (const PropName& name : {prop::kMouseFlag, prop::kPartHot, prop::kMarquee})
        removeProp(hwnd, name);
}

void attachListHeader(HWND hwnd) noexcept
{
    setProp(hwnd, prop::kMouseFlag, 0);
    setProp(hwnd, prop::kHdIndex, -1);
    setProp(hwnd, prop::kHmIndex, -1);
}

// Gives the window the state of its kind before its subclassing step.
void addKindState(HWND hwnd, ControlKind kind, bool parentRepainted) noexcept
{
    switch (kind) {
    case ControlKind::pushButton:
        attachPushButton(hwnd, parentRepainted);
        break;
    case ControlKind::comboBox:
    case ControlKind::driveList:
    case ControlKind::checkBox:
    case ControlKind::optionButton:
        attachStateful(hwnd);
        break;
    case ControlKind::listHeader:
        attachListHeader(hwnd);
        break;
    default:
        if (hasPointerParts(kind))
            attachPointerParts(hwnd);
        break;
    }
}

// Removes whatever attach gave the window before its subclassing step.
void removeKindState(HWND hwnd, ControlKind kind, bool destroyed = false) noexcept
{
    if (kind == ControlKind::pushButton) {
        detachPushButton(hwnd, destroyed);
    } else if (kind == ControlKind::comboBox || kind == ControlKind::driveList || kind == ControlKind::checkBox
               || kind == ControlKind::optionButton) {
        removeProp(hwnd, prop::kMouseFlag);
        removeProp(hwnd, prop::kOldState);
    } else if (kind == ControlKind::listHeader) {
        for (const PropName& n : {prop::kMouseFlag, prop::kHdIndex, prop::kHmIndex})
            removeProp(hwnd, n);
    } else if (isCommonControl(kind)) {
        detachCommonControl(hwnd);
    }
}

// How a window is repainted after attach or detach. A container invalidates
// the client areas of every window below it in one call, so the windows it
// attaches or detaches on the way leave theirs to it. A window being
// destroyed, and everything below it, is hidden already: no repaint at all.
enum class Repaint { own, withChildren, byContainer, none };

// Repaints the frame now and invalidates the client area. A progress bar
// paints itself whole on a frame repaint, so it always gets one.
void repaintWhole(HWND hwnd, std::wstring_view name, Repaint how) noexcept
{
    if (how == Repaint::none)
        return;
    if (isProgressBar(name) || hasNonClientArea(hwnd))
        SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    if (how != Repaint::byContainer)
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_INTERNALPAINT | (how == Repaint::withChildren ? RDW_ALLCHILDREN : 0));
}

// Takes the skin's procedure out of the window's chain. Only the procedure on
// top may take itself out: one lower down that wrote back the procedure it
// saved would cut off every procedure installed above it since. Below
// another, the skin's stays in the chain and passes every message on.
void leaveChain(HWND hwnd, LONG_PTR savedProc) noexcept
{
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(t_engine.layers.windowProc))
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, savedProc);
    else
        setProp(hwnd, prop::kPassProc, savedProc);
}

// False if the window is skinned already, as its outward record says; a
// window the engine holds nothing for has no record of this thread's. A
// window that still runs the skin's procedure but lost its saved one counts
// as skinned: subclassing it again would save the skin's procedure as its
// own, and every message would call itself until the stack ran out. A window
// that passes its messages on is given back. Anything else the engine holds
// for a window without a record of the skin's, bar a new child's own
// procedure, belongs to a window destroyed without the skin's knowledge whose
// handle this one has now, and is forgotten.
bool hasFreshState(HWND hwnd) noexcept
{
    const bool held = holdsState(hwnd);
    if (held && GetPropW(hwnd, prop::kProcAddr.text))
        return false;
    const bool passing = held && GetPropW(hwnd, prop::kPassProc.text);
    if (!passing && GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(t_engine.layers.windowProc))
        return false;
    if (held && !passing && !GetPropW(hwnd, prop::kCreateProc.text))
        forgetState(hwnd);
    return true;
}

// Puts the skin's procedure into the window's chain; returns the procedure it
// passes messages on to, or 0 if the window cannot be subclassed. A window
// given back while something sat above the skin still has the skin's
// procedure in its chain, and is skinned again where it stands: a second link
// would hand every message to the first one.
LONG_PTR joinChain(HWND hwnd) noexcept
{
    if (const LONG_PTR passProc = takeProp(hwnd, prop::kPassProc))
        return passProc;
    return SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(t_engine.layers.windowProc));
}

// A child met while a container attaches or detaches everything below it.
constexpr LPARAM kUnderContainer = 1;
// A child of a window being destroyed.
constexpr LPARAM kUnderDestroyed = 2;

// The first window attached on a thread starts watching for the children
// created later under it; the last one detached stops that and releases what
// the thread's engine holds.
void windowAttached() noexcept
{
    if (t_engine.attachedWindowCount++ == 0)
        watchChildCreation();
}

void windowDetached() noexcept
{
    if (--t_engine.attachedWindowCount > 0)
        return;
    t_engine.attachedWindowCount = 0;
    stopWatchingChildCreation();
    releaseSkinImages();
    releaseScratchSurfaces();
    releaseFaceContext();
    t_engine.skinInitialised = false;
    noWindowAttached();
}

} // namespace

bool skinInitialised() noexcept { return t_engine.skinInitialised; }
bool trackMouseEventAvailable() noexcept { return t_engine.trackMouseEventAvailable; }
int attachedWindowCount() noexcept { return t_engine.attachedWindowCount; }

bool probeExport(const char* functionName, const wchar_t* libraryName) noexcept
{
    HMODULE module = GetModuleHandleW(libraryName);
    const bool loadedHere = module == nullptr;
    if (loadedHere)
        module = LoadLibraryW(libraryName);
    if (!module)
        return false;
    const bool found = GetProcAddress(module, functionName) != nullptr;
    if (loadedHere)
        FreeLibrary(module);
    return found;
}

void lendUpperLayers(const UpperLayers& layers) noexcept { t_engine.layers = layers; }

void prepareEngine() noexcept
{
    if (!t_engine.skinInitialised) {
        t_engine.skinInitialised = true;
        t_engine.trackMouseEventAvailable = probeExport("TrackMouseEvent", L"User32");
        buildSkinImages();
    }
}

const UpperLayers& upperLayers() noexcept { return t_engine.layers; }

namespace {

int attach(HWND hwnd, bool asContainer, bool underContainer) noexcept
{
    if (!hwnd || !t_engine.layers.windowProc)
        return 0;
    // Only windows of this thread: another program's dialog must never be
    // restyled or subclassed, a foreign window cannot be subclassed anyway,
    // and another thread's windows belong to that thread's engine.
    if (!belongsToThisThread(hwnd))
        return 0;
    if (!hasFreshState(hwnd))
        return 0;

    const std::wstring name = lowerClassName(hwnd);
    const bool container = asContainer || isContainer(name);
    const Repaint repaint = underContainer ? Repaint::byContainer
                            : container   ? Repaint::withChildren
                                          : Repaint::own;
    if (container)
        EnumChildWindows(hwnd, attachChildCallback, kUnderContainer);
    const ControlKind kind = windowKind(hwnd);
    // A window under a container, or not shown yet, uncovers nothing of its
    // parent that is not repainted anyway.
    addKindState(hwnd, kind, repaint == Repaint::byContainer || !IsWindowVisible(hwnd));

    const LONG_PTR oldProc = joinChain(hwnd);
    if (oldProc == 0) {
        // Not subclassed: take back what was given so nothing outlives the
        // attach and the window does not count.
        removeKindState(hwnd, kind);
        if (repaint == Repaint::withChildren) // the children are skinned all the same
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ALLCHILDREN);
        return 0;
    }
    windowAttached();
    setProp(hwnd, prop::kProcAddr, oldProc);
    repaintWhole(hwnd, name, repaint);
    return 1;
}

// The window goes last, after every window below it when it is a container.
// `how` is the repaint a child gets from its container's context; a window
// detached on its own repaints itself, and its children when a container.
int detach(HWND hwnd, bool asContainer, std::optional<Repaint> how) noexcept
{
    if (!hwnd || !belongsToThisThread(hwnd))
        return 0;
    const LONG_PTR savedProc = getProp(hwnd, prop::kProcAddr);
    if (savedProc == 0)
        return 0;

    const std::wstring name = lowerClassName(hwnd);
    const bool container = asContainer || isContainer(name);
    const Repaint repaint = how ? *how : container ? Repaint::withChildren : Repaint::own;
    const bool destroyed = repaint == Repaint::none;
    if (container)
        EnumChildWindows(hwnd, detachChildCallback, destroyed ? kUnderDestroyed : kUnderContainer);
    if (!isContainer(name))
        removeKindState(hwnd, windowKind(hwnd), destroyed);
    // Scroll bars of any window; bits taken off for the message being
    // handled go back when it returns.
    for (const PropName& n : {prop::kScrollHot, prop::kScrollDown, prop::kScrollSign})
        removeProp(hwnd, n);

    removeProp(hwnd, prop::kProcAddr);
    leaveChain(hwnd, savedProc);
    repaintWhole(hwnd, name, repaint);
    windowDetached();
    return 1;
}

} // namespace

int attachWindow(HWND hwnd) noexcept
{
    return attach(hwnd, false, false);
}

int attachHostWindow(HWND hwnd) noexcept
{
    return attach(hwnd, true, false);
}

int detachWindow(HWND hwnd) noexcept
{
    return detach(hwnd, false, std::nullopt);
}

int detachHostWindow(HWND hwnd) noexcept
{
    return detach(hwnd, true, std::nullopt);
}

int detachDestroyedWindow(HWND hwnd) noexcept
{
    return detach(hwnd, false, Repaint::none);
}

BOOL CALLBACK attachChildCallback(HWND hwnd, LPARAM lParam) noexcept
{
    attach(hwnd, false, lParam == kUnderContainer);
    return TRUE;
}

BOOL CALLBACK detachChildCallback(HWND hwnd, LPARAM lParam) noexcept
{
    std::optional<Repaint> how;
    if (lParam == kUnderDestroyed)
        how = Repaint::none;
    else if (lParam == kUnderContainer)
        how = Repaint::byContainer;
    detach(hwnd, false, how);
    return TRUE;
}

} // namespace skin
