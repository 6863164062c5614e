// The recent-files file beside the settings: loaded and written back.
#include "fuzzsupport.h"
#include "settings/settingsfile.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    App& app = f.app;
    fuzz::WriteFile(SettingsFilePath(app.Config, "cff"), data, size);
    RecentFileList recent{};
    LoadRecentFiles(app.Config, fuzz::Folder(), recent);
    SaveRecentFiles(app.Config, fuzz::Folder(), fuzz::Folder(), recent, Dialogs(app));
    return 0;
}
