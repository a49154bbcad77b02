// The message fuzzer: random messages, mostly those the skin handles, with
// hostile parameters, to every kind of skinned control. Nothing may crash or
// hang, and taking the skin off afterwards must leave nothing of it behind.
// QM_FUZZ_SEED and QM_FUZZ_MESSAGES replay or lengthen a run.
#include "kinds_form.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/core/window_proc.h"
#include "skin/images/skin_images.h"
#include "skin/input/fade.h"
#include "support/gdi_count.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <thread>

using namespace qmtest;

namespace {

constexpr unsigned long long kDefaultSeed = 0x51'4d'46'55'5aULL;
constexpr long kDefaultMessages = 200000;
constexpr DWORD kTimeBudgetMs = 100000;
constexpr DWORD kStallMs = 20000; // one message taking this long is a hang
constexpr int kSystemCacheSlack = 8;

struct Weighted {
    UINT msg;
    int weight;
};

// The routed messages, and harmless others the skin passes on (none reads
// lParam as a pointer or starts a modal loop). Those that paint or resize
// cost a few milliseconds each under Wine and come less often, so that the
// run stays within its time and still sends each of them thousands of times.
constexpr Weighted kMessages[] = {
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

// What was being sent, for the report of a crash or a hang.
struct InFlight {
    std::atomic<long> index{-1};
    std::atomic<UINT> msg{0};
    std::atomic<HWND> target{nullptr};
    std::atomic<WPARAM> wParam{0};
    std::atomic<LPARAM> lParam{0};
    std::atomic<unsigned long long> seed{0};
};
InFlight g_inFlight;

void reportInFlight(const char* what)
{
    wchar_t name[64]{};
    GetClassNameW(g_inFlight.target.load(), name, 64);
    std::fprintf(stderr, "fuzz %s at message %ld (0x%04X, %llX, %llX to %ls), seed 0x%llX\n", what,
                 g_inFlight.index.load(), g_inFlight.msg.load(),
                 static_cast<unsigned long long>(g_inFlight.wParam.load()),
                 static_cast<unsigned long long>(g_inFlight.lParam.load()), name, g_inFlight.seed.load());
    std::fflush(stderr);
}

// Names the module and offset of each frame of the faulting stack.
void printStack(CONTEXT context)
{
    for (int frame = 0; frame < 24 && context.Rip; ++frame) {
        HMODULE module = nullptr;
        wchar_t path[MAX_PATH]{};
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(context.Rip), &module);
        GetModuleFileNameW(module, path, MAX_PATH);
        std::fprintf(stderr, "  #%d %ls+0x%llX\n", frame, path,
                     static_cast<unsigned long long>(context.Rip - reinterpret_cast<DWORD64>(module)));
        DWORD64 base = 0;
        RUNTIME_FUNCTION* function = RtlLookupFunctionEntry(context.Rip, &base, nullptr);
        if (!function) {
            context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
            context.Rsp += 8;
            continue;
        }
        void* handlerData = nullptr;
        DWORD64 establisher = 0;
        RtlVirtualUnwind(UNW_FLAG_NHANDLER, base, context.Rip, function, &context, &handlerData, &establisher, nullptr);
    }
    std::fflush(stderr);
}

LONG WINAPI reportCrash(EXCEPTION_POINTERS* exception)
{
    reportInFlight("crash");
    printStack(*exception->ContextRecord);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Ends the process with a report when the sending thread makes no progress.
class Watchdog {
public:
    Watchdog() : m_done(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_thread([this] { watch(); }) {}
    ~Watchdog() { SetEvent(m_done); m_thread.join(); CloseHandle(m_done); }
private:
    void watch()
    {
        long last = -2;
        while (WaitForSingleObject(m_done, kStallMs) == WAIT_TIMEOUT) {
            const long now = g_inFlight.index.load();
            if (now == last) {
                reportInFlight("hang");
                TerminateProcess(GetCurrentProcess(), 3);
            }
            last = now;
        }
    }
    HANDLE m_done;
    std::thread m_thread;
};

class Fuzzer {
public:
    Fuzzer(unsigned long long seed, std::vector<HWND> targets, std::vector<HWND> handles)
        : m_rng(seed), m_targets(std::move(targets)), m_handles(std::move(handles)) {}

    void send(long index)
    {
        const HWND target = m_targets[pick(m_targets.size())];
        const UINT msg = message();
        WPARAM wParam = value();
        LPARAM lParam = value();
        WINDOWPOS pos{};
        switch (msg) {
        case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_NCHITTEST:
            wParam = pick(2) ? pick(32) : wParam;
            lParam = point();
            break;
        case WM_KEYDOWN: case WM_KEYUP:
            wParam = pick(4) ? pick(256) : VK_SPACE;
            break;
        case WM_TIMER:
            wParam = pick(2) ? skin::kFadeTimerId : wParam;
            break;
        case WM_SETFOCUS: case WM_KILLFOCUS:
            wParam = reinterpret_cast<WPARAM>(handle());
            break;
        case WM_ENABLE:
            wParam = pick(3) ? pick(2) : wParam;
            break;
        case WM_PAINT:
            wParam = 0; // the common controls paint into a context passed here
            break;
        case WM_ACTIVATE: case WM_ENTERIDLE: case WM_CTLCOLORLISTBOX: case WM_CAPTURECHANGED:
            lParam = reinterpret_cast<LPARAM>(handle());
            break;
        case WM_WINDOWPOSCHANGING:
            pos = WINDOWPOS{handle(), handle(), static_cast<int>(value()), static_cast<int>(value()),
                            static_cast<int>(value()), static_cast<int>(value()), static_cast<UINT>(m_rng())};
            lParam = reinterpret_cast<LPARAM>(&pos);
            break;
        default:
            break;
        }
        g_inFlight.msg = msg;
        g_inFlight.target = target;
        g_inFlight.wParam = wParam;
        g_inFlight.lParam = lParam;
        g_inFlight.index = index;
        SendMessageW(target, msg, wParam, lParam);
    }

private:
    size_t pick(size_t n) { return static_cast<size_t>(m_rng() % n); }

    UINT message()
    {
        static const int total = [] {
            int sum = 0;
            for (const Weighted& w : kMessages)
                sum += w.weight;
            return sum;
        }();
        int roll = static_cast<int>(pick(static_cast<size_t>(total)));
        for (const Weighted& w : kMessages)
            if ((roll -= w.weight) < 0)
                return w.msg;
        return WM_NULL;
    }

    HWND handle() { return pick(8) ? m_handles[pick(m_handles.size())] : nullptr; }

    // Inside, on the edge, far outside, negative.
    LPARAM point()
    {
        constexpr int kCoordinates[] = {-32768, -4000, -1, 0, 1, 3, 10, 40, 89, 90, 200, 4000, 32767};
        auto coordinate = [&] { return pick(4) ? kCoordinates[pick(std::size(kCoordinates))] : static_cast<short>(m_rng()); };
        const int x = coordinate();
        const int y = coordinate();
        return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    }

    LPARAM value()
    {
        switch (pick(7)) {
        case 0: return 0;
        case 1: return -1;
        case 2: return static_cast<LPARAM>(pick(16));
        case 3: return static_cast<LPARAM>(static_cast<unsigned>(m_rng()));
        case 4: return static_cast<LPARAM>(m_rng());
        case 5: return point();
        default: return reinterpret_cast<LPARAM>(handle());
        }
    }

    std::mt19937_64 m_rng;
    std::vector<HWND> m_targets;
    std::vector<HWND> m_handles;
};

// Windows of another test, and one that no longer exists.
struct Bystanders {
    UniqueWindow other = makeTopLevel(L"ThunderRT6FormDC", 120, 60, L"bystander");
    HWND otherButton = makeChild(other.get(), L"Button", L"Other", BS_PUSHBUTTON, 4, 4, 80, 24);
    HWND destroyed = [] {
        HWND gone = makeChild(GetDesktopWindow(), L"Button", L"", 0, 0, 0, 10, 10);
        DestroyWindow(gone);
        return gone;
    }();
};

// Sends `count` messages to the form's windows; returns how many were sent
// before the time budget ran out.
long fuzz(KindsForm& form, const Bystanders& by, unsigned long long seed, long count, DWORD budgetMs)
{
    std::vector<HWND> targets = form.windows();
    std::vector<HWND> handles = targets;
    handles.insert(handles.end(), {by.other.get(), by.otherButton, by.destroyed, GetDesktopWindow()});
    Fuzzer fuzzer(seed, targets, handles);
    const DWORD start = GetTickCount();
    long sent = 0;
    for (; sent < count; ++sent) {
        fuzzer.send(sent);
        if (sent % 64 == 63) {
            pumpBounded(256);
            if (GetTickCount() - start > budgetMs)
                break;
        }
    }
    ReleaseCapture();
    return sent;
}

} // namespace

TEST(Fuzz, NoMessageBreaksTheSkinAndDetachLeavesNothing)
{
    const unsigned long long seed = envNumber("QM_FUZZ_SEED", kDefaultSeed);
    const long count = static_cast<long>(envNumber("QM_FUZZ_MESSAGES", kDefaultMessages));
    g_inFlight.seed = seed;
    std::printf("fuzz seed 0x%llX (QM_FUZZ_SEED replays it), %ld messages\n", seed, count);
    SetUnhandledExceptionFilter(reportCrash);
    Watchdog watchdog;
    Bystanders by;

    // A run first, so the system's own caches (the controls' and the form
    // runtime's) are filled before counting.
    {
        KindsForm warm;
        warm.show();
        fuzz(warm, by, seed ^ 1, count / 4, kTimeBudgetMs);
        detachEverything();
    }
    pumpBounded();
    const int gdiBefore = liveGdiObjects();

    std::optional<KindsForm> form(std::in_place);
    std::map<HWND, LONG_PTR> ownProcs;
    for (HWND hwnd : threadWindows())
        ownProcs[hwnd] = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    form->show();
    ASSERT_GT(skin::attachedWindowCount(), 20);

    const DWORD start = GetTickCount();
    const long sent = fuzz(*form, by, seed, count, kTimeBudgetMs);
    const DWORD elapsed = GetTickCount() - start;
    std::printf("fuzz sent %ld messages in %lu ms\n", sent, static_cast<unsigned long>(elapsed));
    EXPECT_EQ(sent, count) << "the time budget ran out";
    EXPECT_TRUE(pumpBounded()) << "the queue never empties: a window that is never validated?";

    // Everything the skin holds now must be gone once it is taken off. What
    // the messages attached on the way (popup lists, the bystanders) is
    // detached too: that attach was legitimate.
    const std::vector<HGDIOBJ> captured = skinHandles();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
    EXPECT_FALSE(skin::skinInitialised());
    for (HWND hwnd : threadWindows()) {
        for (const wchar_t* name : {skin::prop::kProcAddr, skin::prop::kOldState, skin::prop::kMouseFlag,
                                    skin::prop::kTimerId, skin::prop::kHdIndex, skin::prop::kSurfaceDc[0]})
            EXPECT_EQ(GetPropW(hwnd, name), nullptr) << hwnd;
        EXPECT_NE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::skinWindowProc));
        if (auto own = ownProcs.find(hwnd); own != ownProcs.end()) {
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), own->second) << hwnd;
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
    EXPECT_LE(gdiAfter - gdiBefore, kSystemCacheSlack);
    std::printf("fuzz GDI objects: %d before, %d after\n", gdiBefore, gdiAfter);

    // The engine starts again cleanly.
    form.emplace();
    form->show();
    EXPECT_TRUE(skin::skinInitialised());
    EXPECT_EQ(GetObjectType(skin::buttonFaceImage()), DWORD(OBJ_MEMDC));
    EXPECT_TRUE(skin::isAttached(form->window(L"PushEnabled")));
    EXPECT_NE(skin::stateSurface(form->window(L"PushEnabled"), 0), nullptr);
    // Showing it activates it, and the bystander form that gave up the
    // activation is skinned: detach that too.
    form.reset();
    detachEverything();
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
