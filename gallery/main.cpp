// skin-gallery.exe: every kind of control the skin paints, in one window.
#include "gallery/gallery_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    auto form = gallery::createGallery();
    form->quitOnDestroy(true);
    form->show(showCommand);
    return quillmend::runMessageLoop(form->hwnd());
}
