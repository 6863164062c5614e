// The HP-GL help pictures: the bytes drawn as a picture file on the help sheet, replayed on
// a small picture and on the printer's canvas.
#include "fuzzsupport.h"
#include "graphics/hpgl.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string path = fuzz::InFolder("bild.plt");
    fuzz::WriteFile(path, data, size);
    fuzz::FuzzApp f;
    App& app = f.app;
    if (ShowHelpPicture(app.Graphics, app.Graphics.Hpgl, Dialogs(app), path)) {
        fuzz::ReplayAll(app.Graphics, app.Config);
    }
    return 0;
}
