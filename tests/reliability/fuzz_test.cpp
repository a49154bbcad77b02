// The message fuzzer: random messages, mostly those the skin handles, with
// hostile parameters, to every kind of skinned control. Nothing may crash or
// hang, and taking the skin off afterwards must leave nothing of it behind.
// QM_FUZZ_SEED and QM_FUZZ_MESSAGES replay or lengthen a run.
#include "reliability.h"

#include "gallery/gallery_form.h"
#include "skin/router/window_proc.h"
#include "skin/images/skin_images.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <thread>
#include <tuple>

using namespace qmtest;

namespace {

constexpr DWORD kTimeBudgetMs = 100000;
constexpr DWORD kStallMs = 20000; // one message taking this long is a hang

// The routed messages, and harmless others the skin passes on (none reads
// lParam as a pointer or starts a modal loop), with their weights. Those that
// paint or resize cost a few milliseconds each under Wine and come less
// often, so the run stays within its time and still sends each thousands of
// times.
constexpr std::pair<UINT, int> kMessages[] = {
    {WM_SIZE, 1}, {WM_ACTIVATE, 1}, {WM_SETFOCUS, 1}, {WM_KILLFOCUS, 1}, {WM_ENABLE, 1}, {WM_PAINT, 1},
    {WM_WINDOWPOSCHANGING, 1}, {WM_NCPAINT, 1}, {WM_MOUSEMOVE, 1}, {WM_LBUTTONDOWN, 1}, {WM_LBUTTONUP, 1},
    {WM_LBUTTONDBLCLK, 1}, {WM_MOUSELEAVE, 1},
    {WM_KEYDOWN, 20}, {WM_KEYUP, 30}, {WM_TIMER, 25}, {WM_ENTERIDLE, 30}, {WM_CTLCOLORLISTBOX, 30},
    {WM_NULL, 8}, {WM_NCHITTEST, 8}, {WM_SETCURSOR, 4}, {WM_MOUSEHOVER, 8}, {WM_CAPTURECHANGED, 8},
    {WM_CANCELMODE, 8}, {WM_CHAR, 4}, {WM_MOUSEWHEEL, 4}, {WM_GETTEXTLENGTH, 8}, {WM_APP + 7, 8},
};

unsigned long long envNumber(const char* name, unsigned long long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
}

// What is being sent, for the report of a crash or a hang; the seed replays
// the parameters.
struct InFlight {
    std::atomic<long> index{-1};
    std::atomic<UINT> msg{0};
    std::atomic<HWND> target{nullptr};
    unsigned long long seed = 0;
} g_inFlight;

void reportInFlight(const char* what)
{
    wchar_t name[64]{};
    GetClassNameW(g_inFlight.target.load(), name, 64);
    std::fprintf(stderr, "fuzz %s at message %ld (0x%04X to %ls), seed 0x%llX\n", what, g_inFlight.index.load(),
                 g_inFlight.msg.load(), name, g_inFlight.seed);
    std::fflush(stderr);
}

// Ends the process with a report when the sending thread makes no progress.
struct Watchdog {
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread{[this] {
        for (long last = -2; WaitForSingleObject(done, kStallMs) == WAIT_TIMEOUT; last = g_inFlight.index)
            if (g_inFlight.index == last) {
                reportInFlight("hang");
                TerminateProcess(GetCurrentProcess(), 3);
            }
    }};
    ~Watchdog() { SetEvent(done); thread.join(); CloseHandle(done); }
};

// The gallery, with the kinds it lacks beside it: a frame holding a label, a
// label, a drive list, a data list and a grid. Shown, hence skinned.
std::unique_ptr<quillmend::Form> makeForm()
{
    registerSuperclasses();
    auto form = gallery::createGallery();
    HWND hwnd = form->hwnd();
    makeChild(makeChild(hwnd, L"Frame", L"分组 Frame", WS_CLIPCHILDREN, 460, 10, 150, 80, WS_EX_CONTROLPARENT),
              L"Label", L"框内 Inside", 0, 10, 24, 120, 17);
    makeChild(hwnd, L"Label", L"标签 Label", 0, 460, 100, 120, 17);
    for (auto [className, style, y] : {std::tuple{L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL, 130},
                                       {L"DataListWndClass", LBS_NOTIFY, 160}, {L"ApexGridOleDB32", WS_BORDER, 230}})
        for (const wchar_t* text : {L"第一项 First", L"שלישי Third"})
            SendMessageW(makeChild(hwnd, className, L"", static_cast<DWORD>(style), 460, y, 150, 60),
                         y == 130 ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    form->show();
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pumpBounded();
    return form;
}

// Sends `count` messages to the form's windows, with handles of its windows,
// of `others` (a window of another form, one destroyed) and 0 among the
// parameters; returns how many were sent before the time budget ran out.
long fuzz(HWND form, const std::vector<HWND>& others, unsigned long long seed, long count)
{
    std::vector<HWND> targets = windowTree(form);
    for (size_t i = 0, owned = targets.size(); i < owned; ++i) { // the drop-down lists of the combos
        COMBOBOXINFO info{sizeof(info)};
        if (GetComboBoxInfo(targets[i], &info) && info.hwndList && GetParent(info.hwndList) != targets[i])
            targets.push_back(info.hwndList);
    }
    std::vector<HWND> handles = targets;
    handles.insert(handles.end(), others.begin(), others.end());
    std::mt19937_64 rng(seed);
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    auto handle = [&] { return pick(8) ? handles[pick(handles.size())] : HWND{}; };
    constexpr int kCoordinates[] = {-32768, -4000, -1, 0, 1, 3, 10, 40, 89, 90, 200, 4000, 32767};
    auto coordinate = [&] {
        return static_cast<WORD>(pick(4) ? kCoordinates[pick(std::size(kCoordinates))] : static_cast<short>(rng()));
    };
    auto point = [&] {
        const WORD x = coordinate();
        return static_cast<LPARAM>(MAKELPARAM(x, coordinate()));
    };
    auto value = [&]() -> LPARAM {
        switch (pick(7)) {
        case 0: return 0;
        case 1: return -1;
        case 2: return static_cast<LPARAM>(pick(16));
        case 3: return static_cast<unsigned>(rng());
        case 4: return static_cast<LPARAM>(rng());
        case 5: return point();
        default: return reinterpret_cast<LPARAM>(handle());
        }
    };
    std::vector<int> weights;
    for (auto [msg, weight] : kMessages)
        weights.push_back(weight);
    std::discrete_distribution<size_t> which(weights.begin(), weights.end());

    const DWORD start = GetTickCount();
    long sent = 0;
    for (; sent < count; ++sent) {
        const HWND target = targets[pick(targets.size())];
        const UINT msg = kMessages[which(rng)].first;
        WPARAM wParam = value();
        LPARAM lParam = value();
        WINDOWPOS pos{};
        switch (msg) {
        case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_NCHITTEST:
            wParam = pick(2) ? pick(32) : wParam;
            lParam = point();
            break;
        case WM_KEYDOWN: case WM_KEYUP: wParam = pick(4) ? pick(256) : VK_SPACE; break;
        case WM_TIMER: wParam = pick(2) ? skin::kFadeTimerId : wParam; break;
        case WM_SETFOCUS: case WM_KILLFOCUS: wParam = reinterpret_cast<WPARAM>(handle()); break;
        case WM_ENABLE: wParam = pick(3) ? pick(2) : wParam; break;
        case WM_PAINT: wParam = 0; break; // the common controls paint into a context passed here
        case WM_ACTIVATE: case WM_ENTERIDLE: case WM_CTLCOLORLISTBOX: case WM_CAPTURECHANGED:
            lParam = reinterpret_cast<LPARAM>(handle());
            break;
        case WM_WINDOWPOSCHANGING:
            pos = WINDOWPOS{handle(), handle(), static_cast<int>(value()), static_cast<int>(value()),
                            static_cast<int>(value()), static_cast<int>(value()), static_cast<UINT>(rng())};
            lParam = reinterpret_cast<LPARAM>(&pos);
            break;
        }
        g_inFlight.msg = msg;
        g_inFlight.target = target;
        g_inFlight.index = sent;
        SendMessageW(target, msg, wParam, lParam);
        if (sent % 64 == 63 && (pumpBounded(256), GetTickCount() - start > kTimeBudgetMs))
            break;
    }
    ReleaseCapture();
    return sent;
}

// Every GDI handle kept in a skin property of any window of this thread, and
// the engine's image set.
std::vector<HGDIOBJ> skinHandles()
{
    std::vector<HGDIOBJ> handles{skin::buttonFaceImage(), skin::comboButtonImage(), skin::markGlyphImage(),
                                 skin::optionBubbleImage(), skin::headerItemImage()};
    for (HWND hwnd : windowTree())
        for (int n = 0; n < 4; ++n)
            for (const wchar_t* name : {skin::prop::kSurfaceDc[n], skin::prop::kSurfaceBitmap[n]})
                handles.push_back(GetPropW(hwnd, name));
    std::erase(handles, nullptr);
    return handles;
}

} // namespace

TEST(Fuzz, NoMessageBreaksTheSkinAndDetachLeavesNothing)
{
    g_inFlight.seed = envNumber("QM_FUZZ_SEED", 0x51'4d'46'55'5aULL);
    const long count = static_cast<long>(envNumber("QM_FUZZ_MESSAGES", 200000));
    std::printf("fuzz seed 0x%llX (QM_FUZZ_SEED replays it), %ld messages\n", g_inFlight.seed, count);
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS*) -> LONG {
        reportInFlight("crash");
        return EXCEPTION_CONTINUE_SEARCH;
    });
    Watchdog watchdog;
    UniqueWindow other = makeTopLevel(L"ThunderRT6FormDC", 120, 60, L"bystander");
    HWND destroyed = makeChild(other.get(), L"Button", L"", 0, 0, 0, 10, 10);
    DestroyWindow(destroyed);
    const std::vector<HWND> others{other.get(), makeChild(other.get(), L"Button", L"Other", 0, 4, 4, 80, 24),
                                   destroyed, GetDesktopWindow()};

    // A run first, so the system's own caches (the controls' and the form
    // runtime's) are filled before counting.
    fuzz(makeForm()->hwnd(), others, g_inFlight.seed ^ 1, count / 4);
    detachEverything();
    pumpBounded();
    const int gdiBefore = liveGdiObjects();

    auto form = makeForm();
    detachEverything(); // to note the windows' own procedures
    std::map<HWND, LONG_PTR> ownProcs;
    for (HWND hwnd : windowTree())
        ownProcs[hwnd] = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    ASSERT_EQ(skin::startSkinEngine(form->hwnd()), 1);
    ASSERT_GT(skin::attachedWindowCount(), 20);
    const long sent = fuzz(form->hwnd(), others, g_inFlight.seed, count);
    std::printf("fuzz sent %ld messages\n", sent);
    EXPECT_EQ(sent, count) << "the time budget ran out";
    EXPECT_TRUE(pumpBounded()) << "the queue never empties: a window that is never validated?";

    // Everything the skin holds must be gone once it is taken off, from the
    // form and from what the messages attached on the way (popup lists, the
    // bystanders).
    const std::vector<HGDIOBJ> captured = skinHandles();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    EXPECT_FALSE(skin::skinInitialised());
    for (HWND hwnd : windowTree()) {
        for (const wchar_t* name : {skin::prop::kProcAddr, skin::prop::kOldState, skin::prop::kMouseFlag,
                                    skin::prop::kTimerId, skin::prop::kHdIndex, skin::prop::kSurfaceDc[0]})
            EXPECT_EQ(GetPropW(hwnd, name), nullptr) << hwnd;
        const LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
        EXPECT_NE(proc, reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));
        if (ownProcs.contains(hwnd)) {
            EXPECT_EQ(proc, ownProcs[hwnd]) << hwnd;
        }
    }
    for (HGDIOBJ h : captured)
        EXPECT_EQ(GetObjectType(h), 0u) << h;
    form.reset();
    pumpBounded();
    // The system keeps a few objects more after some paths (a device context
    // with its region and bitmap; the same +3 after 100,000 messages as after
    // 200,000, and as many without the skin): its caches grow to the deepest
    // nesting of window contexts seen. A leak of the skin would grow with the
    // messages, by thousands.
    const int gdiAfter = liveGdiObjects();
    std::printf("fuzz GDI objects: %d before, %d after\n", gdiBefore, gdiAfter);
    EXPECT_LE(gdiAfter - gdiBefore, 8);

    // The engine starts again cleanly.
    form = makeForm();
    EXPECT_TRUE(skin::skinInitialised());
    EXPECT_EQ(GetObjectType(skin::buttonFaceImage()), DWORD(OBJ_MEMDC));
    EXPECT_NE(skin::stateSurface(form->window(L"CommandEnabled"), 0), nullptr);
    // Showing it activates it, and the bystander that gave up the activation
    // is skinned: detach that too.
    form.reset();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
