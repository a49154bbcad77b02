// Printing: PrintWindow, WM_PRINT and WM_PRINTCLIENT into a memory context
// draw every skinned control of Form1, the gallery and the system's Find
// dialog as the screen shows it; the same windows with the skin stopped are
// the twins. A dialog box shown by a blend ends showing the skin's faces.
#include "core/core_fixture.h"
#include "../examples/host/host_window.h"
#include "app/form1.h"
#include "gallery/gallery_form.h"
#include "skin/core/kinds.h"
#include "skin/images/gdi.h"
#include "support/pixels.h"

#include <memory>

using namespace qmtest;

namespace {

// How a print is asked for, and whether it covers the client area or the whole window.
struct Print { const char* how; bool client; void (*print)(HWND, HDC); };
constexpr UINT kAll = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN;
const Print kPrints[] = {
    {"PrintWindow client", true, [](HWND h, HDC dc) { PrintWindow(h, dc, PW_CLIENTONLY); }},
    {"PrintWindow", false, [](HWND h, HDC dc) { PrintWindow(h, dc, 0); }},
    {"WM_PRINT client", true, [](HWND h, HDC dc) { SendMessageW(h, WM_PRINT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND); }},
    {"WM_PRINT frame and children", false, [](HWND h, HDC dc) { SendMessageW(h, WM_PRINT, WPARAM(dc), kAll); }},
    {"WM_PRINTCLIENT", true, [](HWND h, HDC dc) { SendMessageW(h, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT); }}};

// The pixels of the print that differ from the screen's. Left out: the children (Wine prints a window without
// them) and what lies outside the window's region (a push button's rounded corners).
int printDifferences(HWND hwnd, const Print& p)
{
    RECT r{}, w{}; // on the screen
    GetWindowRect(hwnd, &w), GetClientRect(hwnd, &r), MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Dib screen = captureScreen(p.client ? r : (r = w)), printed(screen.width(), screen.height());
    p.print(hwnd, printed.dc());
    const skin::UniqueRegion ignored(CreateRectRgn(0, 0, 0, 0)), shape(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd, shape.get()) != ERROR) // what lies outside it
        SetRectRgn(ignored.get(), 0, 0, screen.width(), screen.height()), OffsetRgn(shape.get(), w.left - r.left, w.top - r.top),
            CombineRgn(ignored.get(), ignored.get(), shape.get(), RGN_DIFF);
    for (HWND child : descendants(hwnd)) {
        RECT c{};
        GetWindowRect(child, &c);
        const skin::UniqueRegion part(CreateRectRgn(c.left - r.left, c.top - r.top, c.right - r.left, c.bottom - r.top));
        CombineRgn(ignored.get(), ignored.get(), part.get(), RGN_OR);
    }
    const skin::UniqueBrush brush(CreateSolidBrush(kSentinel));
    FillRgn(screen.dc(), ignored.get(), brush.get()), FillRgn(printed.dc(), ignored.get(), brush.get());
    return countDifferences(screen, printed);
}

} // namespace

// A kind the skin paints prints exactly as shown; a control it leaves to the system (a group box, a list box whose
// frame and bars it draws) prints as well as its unskinned twin's client area does.
TEST(Printing, EverySkinnedControlOfForm1TheGalleryAndAFindDialogPrintsAsTheScreenShowsIt)
{
    quillmend::ProcessLauncher launcher;
    quillmend::Form1 form1(launcher);
    const std::unique_ptr<quillmend::Form> galleryForm = gallery::createGallery();
    form1.show(), galleryForm->show();
    HWND host = host::createHostWindow(GetModuleHandleW(nullptr), SW_SHOW), find = host::openFindDialog(host);
    SetCursorPos(1020, 760); // over nothing
    for (auto [top, skinned] : {std::pair{form1.hwnd(), form1.hwnd()}, {galleryForm->hwnd(), galleryForm->hwnd()}, {find, host}}) {
        SetWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE), SetForegroundWindow(top), paintNow(top);
        std::vector<std::pair<HWND, skin::ControlKind>> controls;
        std::vector<int> shown;
        for (HWND h : descendants(top)) {
            // A group box prints its frame and caption only: what shows inside them on the screen is other windows'.
            const skin::ControlKind kind = skin::windowKind(h);
            if (!skin::isAttached(h) || !IsWindowVisible(h) || kind == skin::ControlKind::container || kind == skin::ControlKind::groupBox)
                continue;
            controls.emplace_back(h, skin::windowKind(h));
            for (const Print& p : kPrints)
                shown.push_back(printDifferences(h, p));
        }
        skin::stopSkinEngine(skinned), paintNow(top);
        for (size_t i = 0; i < shown.size(); ++i) {
            const auto [h, kind] = controls[i / std::size(kPrints)];
            EXPECT_LE(shown[i], kind == skin::ControlKind::other ? printDifferences(h, kPrints[0]) : 0)
                << kPrints[i % std::size(kPrints)].how << " of " << skin::lowerClassName(h).size() << "-letter class, id " << GetDlgCtrlID(h);
        }
    }
    DestroyWindow(find), DestroyWindow(host);
}

// On Windows the blend is made of the window's print; under Wine it shows the window at once.
TEST(Printing, ADialogBoxShownByABlendEndsShowingTheSkinsFaces)
{
    SkinnedForm dialog(L"#32770");
    skin::startSkinEngine(dialog.f), ShowWindow(dialog.f, SW_HIDE);
    ASSERT_TRUE(AnimateWindow(dialog.f, 200, AW_BLEND | AW_ACTIVATE));
    RECT r{};
    pumpMessages(), GetWindowRect(dialog.push, &r), InflateRect(&r, -2, -2); // inside the rounded corners
    HDC face = skin::stateSurface(dialog.push, static_cast<int>(skin::getState(dialog.push)));
    EXPECT_TRUE(samePixels(captureScreen(r), captureDc(face, 2, 2, r.right - r.left, r.bottom - r.top)));
}
