// skin-gallery.exe: every kind of control the skin paints, in one window;
// "skin-gallery.exe /unskinned" shows the same window as the system draws it.
#include "gallery/gallery_form.h"

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int showCommand)
{
    const bool unskinned = commandLine && std::wcsstr(commandLine, L"/unskinned");
    auto form = gallery::createGallery(unskinned ? gallery::GallerySkin::off : gallery::GallerySkin::on);
    form->quitOnDestroy(true);
    form->show(showCommand);
    return quillmend::runMessageLoop(form->hwnd());
}
