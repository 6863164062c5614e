// The settings file: loaded, saved again, and the example project calculated, reported and
// drawn with what was loaded.
#include "fuzzsupport.h"
#include "project/projectfile.h"
#include "settings/settingsfile.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::WriteFile(fuzz::InFolder("vak1.cfg"), data, size);
    fuzz::FuzzApp f;
    App& app = f.app;
    LoadSettings(app.Config, fuzz::Folder(), Dialogs(app));
    // Folders of the file would lead out of the target's folder.
    fuzz::PinFolders(app.Config);
    app.State.AbortFlag = 0;
    SaveSettings(app.Config, fuzz::Folder(), Dialogs(app));
    app.State.AbortFlag = 0;
    if (ReadProjectFile(app.Project, app.Docu, VAK1_SOURCE_DIR "/examples/l-profil.vak1").ok)
        fuzz::RunProject(f, fuzz::ChoiceOf(data, size));
    return 0;
}
