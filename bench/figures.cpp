#include "bench/figures.h"

#include "app/form1.h"
#include "bench/first_paint.h"
#include "bench/no_launcher.h"
#include "gallery/gallery_form.h"
#include "quillmend/skin.h"
#include "skin/core/button_surfaces.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/input/fade.h"
#include "skin/paint/button_face.h"
#include "skin/paint/scroll_bar.h"
#include "win32/gdi_objects.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>

namespace bench {

namespace {

constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN;
constexpr int kFadeSteps = 86; // alpha 0, 3, ... 255
constexpr int kImagePixels = 7 * 84 + 15 * 18 + 18 * 24 + 13 * 52 + 9 * 20;

bool isSkinned(HWND hwnd) noexcept
{
    return GetPropW(hwnd, skin::prop::kProcAddr.text) != nullptr;
}

// A baseline window that got skinned would make every ratio meaningless.
void requireUnskinned(HWND hwnd, const char* what)
{
    if (isSkinned(hwnd)) {
        std::fprintf(stderr, "quillmend-bench: the unskinned %s was skinned; figures would be wrong\n", what);
        std::exit(2);
    }
}

BOOL CALLBACK countWindow(HWND, LPARAM count) noexcept
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK visitNothing(HWND, LPARAM) noexcept
{
    return TRUE;
}

int windowCount(HWND form) noexcept
{
    int count = 1;
    EnumChildWindows(form, countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void place(HWND hwnd, int x, int y) noexcept
{
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

long long processCpu100ns() noexcept
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](FILETIME t) { return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

struct CpuShare {
    double percent = 0;
    double wallNs = 0;
    double busyPercent = 0; // time inside the counted messages' dispatch over the wall time
};

// Runs the thread's messages until `done`, and reports the process's CPU
// time over the wall time it took.
template <class Done, class Counted>
CpuShare pumpUntil(Done done, Counted counted)
{
    double busy = 0;
    const long long wallStart = ticks();
    const long long cpuStart = processCpu100ns();
    while (!done() && ticksToNs(ticks() - wallStart) < 5e9) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
            continue;
        }
        const bool timed = counted(msg);
        const long long start = ticks();
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (timed)
            busy += ticksToNs(ticks() - start);
    }
    const double wall = ticksToNs(ticks() - wallStart);
    const double cpu = static_cast<double>(processCpu100ns() - cpuStart) * 100.0;
    return {wall > 0 ? 100.0 * cpu / wall : 0, wall, wall > 0 ? 100.0 * busy / wall : 0};
}

// The engine's own fade: real 15 ms timer, 86 steps, ends by itself.
CpuShare realFade(HWND button)
{
    pumpMessages();
    skin::setState(button, skin::VisualState::hot);
    skin::setAlpha(button, 0);
    skin::startFadeTimer(button);
    const CpuShare share = pumpUntil([button] { return skin::getProp(button, skin::prop::kTimerId) == 0; },
                                     [button](const MSG& msg) { return msg.message == WM_TIMER && msg.hwnd == button; });
    skin::setState(button, skin::VisualState::normal);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return share;
}

// The same 86 ticks of a 15 ms timer on the unskinned button, doing nothing.
CpuShare bareTimer(HWND button)
{
    constexpr UINT_PTR kId = 77;
    pumpMessages();
    int seen = 0;
    SetTimer(button, kId, skin::kFadeIntervalMs, nullptr);
    const CpuShare share = pumpUntil([&seen] { return seen >= kFadeSteps; }, [&seen, button](const MSG& msg) {
        const bool tick = msg.message == WM_TIMER && msg.hwnd == button && msg.wParam == kId;
        seen += tick ? 1 : 0;
        return tick;
    });
    KillTimer(button, kId);
    return share;
}

Row pairRow(std::string figure, std::string unit, const Pair& pair, std::string baselineIs)
{
    return {std::move(figure), std::move(unit), pair.measured, pair.baseline, std::move(baselineIs)};
}

Row partRow(std::string figure, std::string unit, const Summary& summary, std::string note = {})
{
    return {std::move(figure), std::move(unit), summary, std::nullopt, std::move(note)};
}

// The windows every in-process figure uses: each skinned window beside an
// unskinned one built from the same description. None is ever activated:
// a skinned form attaches the form that takes the activation from it.
struct Scene {
    NoLauncher launcher;
    quillmend::Form1 form1{launcher};
    quillmend::Form plainForm1{quillmend::form1Description()};
    std::unique_ptr<quillmend::Form> gallery = gallery::createGallery(gallery::GallerySkin::on);
    std::unique_ptr<quillmend::Form> plainGallery = gallery::createGallery(gallery::GallerySkin::off);

    Scene()
    {
        form1.show(SW_SHOWNOACTIVATE);
        plainForm1.show(SW_SHOWNOACTIVATE);
        gallery->show(SW_SHOWNOACTIVATE);
        plainGallery->show(SW_SHOWNOACTIVATE);
        place(form1.hwnd(), 0, 0);
        place(plainForm1.hwnd(), 520, 0);
        place(gallery->hwnd(), 0, 220);
        place(plainGallery->hwnd(), 520, 220);
        pumpMessages();
    }
    void check() const
    {
        requireUnskinned(plainForm1.hwnd(), "Form1");
        requireUnskinned(plainGallery->hwnd(), "gallery");
    }
};

void measureImageSet(Results& results)
{
    // Nothing is attached yet: each build replaces the last, and the set is
    // released again before the engine starts for real.
    const Summary build = sample([] { skin::buildSkinImages(); });
    skin::releaseSkinImages();
    results.figures.push_back(partRow("Build the image set (5 images, " + std::to_string(kImagePixels) + " pixels)",
                                      "µs", build, "—"));

    results.parts.push_back(partRow("CreateDCW(\"DISPLAY\") + DeleteDC", "µs", sample([] {
        const skin::UniqueDc display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    }), "a new display context, for comparison with the screen's below"));
    results.parts.push_back(partRow("GetDC(nullptr) + ReleaseDC", "µs", sample([] {
        const skin::ClientDc screen(nullptr);
    }), "the screen's context, which memory surfaces no longer need"));
    results.parts.push_back(partRow("createMemorySurface(7, 84) and its release", "µs", sample([] {
        const skin::Surface surface = skin::createMemorySurface(7, 84);
    }), "the image set makes 5"));
    const skin::Surface target = skin::createMemorySurface(7, 84);
    int i = 0;
    results.parts.push_back(partRow("SetPixel on a memory surface", "ns", sample([&] {
        SetPixel(target.dc(), i % 7, (i / 7) % 84, RGB(i & 255, 0, 0));
        ++i;
    }), "the image set sets " + std::to_string(kImagePixels)));
}

void measureAttach(Results& results, Scene& scene, const char* name, HWND plain)
{
    SampleOptions options;
    options.samples = 21;
    options.sampleNs = 20e6;
    options.between = [] { pumpMessages(); };
    const Pair pair = samplePair(
        [plain] {
            quillmend::skin::startSkinEngine(plain);
            quillmend::skin::stopSkinEngine(plain);
        },
        [plain] {
            EnumChildWindows(plain, visitNothing, 0);
            EnumChildWindows(plain, visitNothing, 0);
        },
        options);
    scene.check();

    SampleOptions once = options;
    once.sampleNs = 1; // one attach, or one detach, per sample
    once.between = [plain] { quillmend::skin::stopSkinEngine(plain); pumpMessages(); };
    const Summary attach = sample([plain] { quillmend::skin::startSkinEngine(plain); }, once);
    once.between = [plain] { pumpMessages(); quillmend::skin::startSkinEngine(plain); pumpMessages(); };
    const Summary detach = sample([plain] { quillmend::skin::stopSkinEngine(plain); }, once);
    quillmend::skin::stopSkinEngine(plain);
    pumpMessages();
    scene.check();
    results.parts.push_back(partRow(std::string("Attach alone, ") + name, "µs", attach, "startSkinEngine, images already built"));
    results.parts.push_back(partRow(std::string("Detach alone, ") + name, "µs", detach, "stopSkinEngine"));
    results.figures.push_back(pairRow(std::string("Attach + detach, ") + name + " (" + std::to_string(windowCount(plain))
                                          + " windows), per cycle",
                                      "µs", pair, "two no-op EnumChildWindows walks over the same windows"));
}

void measureRouting(Results& results, HWND skinned, HWND plain)
{
    const Pair pair = samplePair([skinned] { SendMessageW(skinned, WM_NULL, 0, 0); },
                                 [plain] { SendMessageW(plain, WM_NULL, 0, 0); });
    results.figures.push_back(pairRow("Unhandled message (WM_NULL by SendMessageW) to a push button", "ns", pair,
                                      "the same message to the unskinned button"));

    results.parts.push_back(partRow("GetPropW, one property", "ns", sample([skinned] {
        GetPropW(skinned, skin::prop::kProcAddr.text);
    }), "a trip to the Wine server; the engine reads its own copy on the message path"));
    results.parts.push_back(partRow("CallWindowProcW to the button's own procedure", "ns", sample([skinned] {
        CallWindowProcW(skin::savedProcOf(skinned), skinned, WM_NULL, 0, 0);
    }), "the saved procedure read from the engine's own copy"));
    results.parts.push_back(partRow("SetPropW, one property", "ns", sample([skinned] {
        SetPropW(skinned, skin::prop::kAlphaLevel.text, GetPropW(skinned, skin::prop::kAlphaLevel.text));
    }), "includes a GetPropW; the engine writes a property when its value changes"));
    results.parts.push_back(partRow("GetClassNameW", "ns", sample([skinned] {
        wchar_t name[256];
        GetClassNameW(skinned, name, 255);
    }), "every attach, detach and fade step asks once"));
}

void measureRepaint(Results& results, const char* name, HWND skinned, HWND plain)
{
    SampleOptions options;
    options.samples = 21;
    options.sampleNs = 20e6;
    const Pair pair = samplePair([skinned] { RedrawWindow(skinned, nullptr, nullptr, kRepaintFlags); },
                                 [plain] { RedrawWindow(plain, nullptr, nullptr, kRepaintFlags); }, options);
    results.figures.push_back(pairRow(std::string("Full repaint, ") + name, "µs", pair,
                                      "RedrawWindow(INVALIDATE|ERASE|FRAME|UPDATENOW|ALLCHILDREN) of the unskinned one"));
}

void measureFade(Results& results, HWND skinned, HWND plain)
{
    skin::WindowBounds bounds;
    skin::getWindowBounds(skinned, bounds);
    const std::string size = std::to_string(bounds.width) + " x " + std::to_string(bounds.height);
    const skin::Surface source = skin::createMemorySurface(bounds.width, bounds.height);
    const skin::WindowDc plainDc(plain);

    // Each step raises the level by 3 and wraps to 0 after the last, so any
    // number of steps in a row is a run of ordinary fade steps.
    skin::setAlpha(skinned, 0);
    const Pair pair = samplePair(
        [skinned] { SendMessageW(skinned, WM_TIMER, skin::kFadeTimerId, 0); },
        [&] { BitBlt(plainDc.get(), 0, 0, bounds.width, bounds.height, source.dc(), 0, 0, SRCCOPY); });
    skin::setAlpha(skinned, 0);
    RedrawWindow(skinned, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    results.figures.push_back(pairRow("One fade step, " + size + " push button (WM_TIMER)", "µs", pair,
                                      "one BitBlt of " + size + " from a memory surface to the unskinned button"));

    results.parts.push_back(partRow("GetWindowDC + ReleaseDC of the button", "µs", sample([skinned] {
        const skin::WindowDc dc(skinned);
    }), "every fade step paints through its own window DC"));
    const skin::WindowDc skinnedDc(skinned);
    HDC face = skin::stateSurface(skinned, 0);
    results.parts.push_back(partRow("AlphaBlend " + size + " at a constant alpha", "µs", sample([&] {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 128, 0};
        GdiAlphaBlend(skinnedDc.get(), 0, 0, bounds.width, bounds.height, face, 0, 0, bounds.width, bounds.height, blend);
    }), "onto the button's window DC"));
    RedrawWindow(skinned, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    std::vector<double> fadeShare, timerShare, fadeWall, timerWall, fadeBusy, timerBusy;
    for (int run = 0; run < 3; ++run) {
        const CpuShare fade = realFade(skinned);
        const CpuShare timer = bareTimer(plain);
        fadeShare.push_back(fade.percent);
        fadeWall.push_back(fade.wallNs);
        timerShare.push_back(timer.percent);
        timerWall.push_back(timer.wallNs);
        fadeBusy.push_back(fade.busyPercent);
        timerBusy.push_back(timer.busyPercent);
    }
    results.figures.push_back(pairRow("CPU share of a whole 86-step fade (real 15 ms timer)", "%",
                                      {summarise(fadeShare), summarise(timerShare)},
                                      "86 ticks of the same timer on the unskinned button, doing nothing"));
    results.parts.push_back(partRow("Share of the fade's wall time spent handling its 86 WM_TIMER messages", "%",
                                    summarise(fadeBusy),
                                    "bare timer: " + std::to_string(summarise(timerBusy).median).substr(0, 5)
                                        + " %; counts the waits on the Wine server the CPU share misses"));
    results.parts.push_back(partRow("Wall time of the whole fade", "ms", summarise(fadeWall),
                                    "86 ticks of the bare timer: " + std::to_string(summarise(timerWall).median / 1e6).substr(0, 6) + " ms"));
}

void measureButtonAttachParts(Results& results, HWND skinned, HWND plain)
{
    skin::WindowBounds bounds;
    skin::getWindowBounds(skinned, bounds);
    const std::string size = std::to_string(bounds.width) + " x " + std::to_string(bounds.height);
    const skin::Surface target = skin::createMemorySurface(bounds.width, bounds.height);
    results.parts.push_back(partRow("drawImagePart, one " + size + " nine-slice face", "µs", sample([&] {
        skin::drawImagePart(target.dc(), 0, 0, bounds.width, bounds.height, skin::buttonFaceImage(), 0, 0, 7, 21,
                            3, 3, 3, 3);
    }), "composes on the engine's reused scratch surface"));
    results.parts.push_back(partRow("createMemorySurface(" + std::to_string(bounds.width) + ", "
                                        + std::to_string(bounds.height) + ") and its release", "µs", sample([&bounds] {
        const skin::Surface scratch = skin::createMemorySurface(bounds.width, bounds.height);
    }), "what each composition made and freed before scratch surfaces were reused"));
    results.parts.push_back(partRow("StretchBlt of the face tile's middle to " + std::to_string(bounds.width - 6) + " x "
                                        + std::to_string(bounds.height - 6), "µs", sample([&] {
        StretchBlt(target.dc(), 3, 3, bounds.width - 6, bounds.height - 6, skin::buttonFaceImage(), 3, 3, 1, 15, SRCCOPY);
    }), "the largest of the nine pieces"));
    results.parts.push_back(partRow("renderButtonFaces, " + size + " button (4 faces and captions)", "µs",
                                    sample([skinned] { skin::renderButtonFaces(skinned); }),
                                    "each push button's attach draws them"));
    results.parts.push_back(partRow("SetWindowRgn rounded, then none, on a button", "µs", sample([plain, &bounds] {
        HRGN region = CreateRoundRectRgn(0, 0, bounds.width + 1, bounds.height + 1, 3, 3);
        if (!SetWindowRgn(plain, region, TRUE))
            DeleteObject(region);
        SetWindowRgn(plain, nullptr, TRUE);
    }), "attach sets one, detach takes it away"));
}

void measureNcPaint(Results& results, const std::string& name, HWND skinned, HWND plain, const std::string& note)
{
    const Pair pair = samplePair([skinned] { SendMessageW(skinned, WM_NCPAINT, 1, 0); },
                                 [plain] { SendMessageW(plain, WM_NCPAINT, 1, 0); });
    results.parts.push_back(partRow("WM_NCPAINT to the skinned " + name, "µs", pair.measured,
                                    "unskinned: " + std::to_string(pair.baseline.median / 1e3).substr(0, 6) + " µs; " + note));
}

void measureScrollBarPaint(Results& results, HWND skinned, HWND plain)
{
    measureNcPaint(results, "list box", skinned, plain, "its frame and its scroll bar");
    results.parts.push_back(partRow("paintScrollBars, the list box's bar", "µs", sample([skinned] {
        skin::paintScrollBars(skinned);
    }), "the skin's share of the list box's WM_NCPAINT"));
}

// A host's dialog of 100 push buttons, 10 x 10, as a program would show it.
// Skinning it counts until its windows have painted once; so does giving
// it back.
void measureButtonDialog(Results& results)
{
    constexpr int kButtons = 100;
    const auto dialog = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>(
        CreateWindowExW(0, L"#32770", L"100 buttons", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 220, 10 * 86 + 16,
                        10 * 28 + 40, nullptr, nullptr, nullptr, nullptr),
        &DestroyWindow);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < kButtons; ++i) {
        HWND button = CreateWindowExW(0, L"Button", (L"Button " + std::to_wstring(i + 1)).c_str(),
                                      WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 6 + (i % 10) * 86, 6 + (i / 10) * 28, 80,
                                      24, dialog.get(), nullptr, nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    pumpMessages();
    HWND hwnd = dialog.get();
    SampleOptions once;
    once.samples = 9;
    once.sampleNs = 1;
    once.between = [hwnd] { quillmend::skin::stopSkinEngine(hwnd); pumpMessages(); };
    const Summary attach = sample([hwnd] {
        quillmend::skin::startSkinEngine(hwnd);
        pumpMessages();
    }, once);
    once.between = [hwnd] { pumpMessages(); quillmend::skin::startSkinEngine(hwnd); pumpMessages(); };
    const Summary detach = sample([hwnd] {
        quillmend::skin::stopSkinEngine(hwnd);
        pumpMessages();
    }, once);
    quillmend::skin::stopSkinEngine(hwnd);
    once.between = [] { pumpMessages(); };
    const Summary plain = sample([hwnd] {
        RedrawWindow(hwnd, nullptr, nullptr, kRepaintFlags);
        pumpMessages();
    }, once);
    results.figures.push_back({"Skin a dialog of 100 push buttons, until painted", "ms", attach, plain,
                               "a full repaint of the unskinned dialog"});
    results.figures.push_back({"Give the dialog of 100 push buttons back, until painted", "ms", detach, plain,
                               "a full repaint of the unskinned dialog"});
}

// Many push buttons in one window, as a large program's windows hold them in
// all: the time to skin 1,000 until painted, beside a full repaint of the same
// window unskinned, and the GDI objects the skin holds for 5,000 at once,
// beside the process's count with the same buttons unskinned.
void measureManyButtons(Results& results)
{
    for (const int count : {1000, 5000}) {
        const auto window = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>(
            CreateWindowExW(0, L"#32770", L"buttons", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 640, nullptr, nullptr,
                            nullptr, nullptr),
            &DestroyWindow);
        for (int i = 0; i < count; ++i)
            CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, (i % 40) * 25, (i / 40) % 32 * 20,
                            24, 19, window.get(), nullptr, nullptr, nullptr);
        pumpMessages();
        HWND hwnd = window.get();
        const std::string buttons = count == 1000 ? "1,000" : "5,000";
        if (count == 1000) {
            SampleOptions once;
            once.samples = 3;
            once.sampleNs = 1;
            once.between = [hwnd] { quillmend::skin::stopSkinEngine(hwnd); pumpMessages(); };
            const Summary attach = sample([hwnd] { quillmend::skin::startSkinEngine(hwnd); pumpMessages(); }, once);
            once.between = [] { pumpMessages(); };
            const Summary plain = sample([hwnd] { RedrawWindow(hwnd, nullptr, nullptr, kRepaintFlags); pumpMessages(); }, once);
            results.figures.push_back({"Skin " + buttons + " push buttons in one window, until painted", "ms", attach,
                                       plain, "a full repaint of the unskinned window"});
            continue;
        }
        const double unskinned = win32::liveGdiObjects();
        quillmend::skin::startSkinEngine(hwnd);
        pumpMessages();
        const double skinned = win32::liveGdiObjects();
        quillmend::skin::stopSkinEngine(hwnd);
        const auto exact = [](double v) { return Summary{v, v, v}; };
        results.figures.push_back({"GDI objects of the process, " + buttons + " push buttons skinned", "objects",
                                   exact(skinned), exact(unskinned), "the same buttons unskinned"});
        results.figures.push_back({"GDI objects per skinned push button, " + buttons + " at once", "objects",
                                   exact((skinned - unskinned) / count), std::nullopt, ""});
    }
}

} // namespace

Results measureAll(int startupRuns)
{
    Results results;
    measureImageSet(results);
    {
        Scene scene;
        scene.check();
        HWND skinnedButton = scene.form1.form().window(L"Command2");
        HWND plainButton = scene.plainForm1.window(L"Command2");

        measureAttach(results, scene, "Form1", scene.plainForm1.hwnd());
        measureAttach(results, scene, "gallery", scene.plainGallery->hwnd());
        measureRouting(results, skinnedButton, plainButton);
        measureFade(results, skinnedButton, plainButton);
        measureRepaint(results, "Form1", scene.form1.hwnd(), scene.plainForm1.hwnd());
        measureRepaint(results, "gallery, a window with every kind of control", scene.gallery->hwnd(),
                       scene.plainGallery->hwnd());
        measureRepaint(results, "list box with a scroll bar", scene.gallery->window(L"List"),
                       scene.plainGallery->window(L"List"));
        measureButtonAttachParts(results, skinnedButton, plainButton);
        measureNcPaint(results, "Form1", scene.form1.hwnd(), scene.plainForm1.hwnd(),
                       "attach and detach send one to every window with a frame");
        measureScrollBarPaint(results, scene.gallery->window(L"List"), scene.plainGallery->window(L"List"));
        scene.check();
        scene.form1.form().unload();
        scene.gallery->unload();
    }
    measureButtonDialog(results);
    measureManyButtons(results);

    const StartupFigures startup = measureStartup(startupRuns);
    results.figures.push_back(pairRow("Process start to Form1's first paint (form and controls)", "ms",
                                      startup.painted, "the same form without the engine, in a child process"));
    results.parts.push_back(partRow("Process start to wmain, skinned child", "ms", startup.entered.measured,
                                    "unskinned child: " + std::to_string(startup.entered.baseline.median / 1e6).substr(0, 5) + " ms"));
    results.parts.push_back(partRow("Form1 built, hidden, skinned child", "ms", startup.built.measured,
                                    "unskinned child: " + std::to_string(startup.built.baseline.median / 1e6).substr(0, 5) + " ms"));
    results.parts.push_back(partRow("Form1 show(): load handler, then the first paint, skinned child", "ms",
                                    startup.shown.measured,
                                    "unskinned child: " + std::to_string(startup.shown.baseline.median / 1e6).substr(0, 5)
                                        + " ms; the load handler starts the engine"));
    return results;
}

} // namespace bench
