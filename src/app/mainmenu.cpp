// The menu state of the main window and the texts derived from the program state.
#include "app/mainmenu.h"

#include "app/App.h"
#include "app/notes.h"

namespace vak1 {
namespace {

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// "&" + k. Built by appending: the "literal + temporary" form trips a false overlap warning of
// the optimiser.
std::string AccessKey(int k) {
    std::string s = "&";
    s += std::to_string(k);
    return s;
}

} // namespace

std::string ShortenRecentPath(std::string_view path) {
    if (CharCount(path) < kRecentShortenFrom) return std::string(path);
    // Projects carried over from the old program keep backslashes in their paths. The root
    // "/" of an absolute path is not the first folder: "/home/.../name.vak1" tells more.
    const std::size_t first = path.find_first_of("/\\", 1);
    const std::size_t last = path.find_last_of("/\\");
    if (first == std::string_view::npos || first >= last) return std::string(path);
    return std::string(path.substr(0, first + 1)) + "..." + std::string(path.substr(last));
}

std::string RecentFileCaption(int k, std::string_view path) {
    return AccessKey(k) + " " + ShortenRecentPath(path);
}

void SetRecentFileItems(MenuItem& bar, const std::array<std::string, 4>& recent) {
    for (int k = 1; k <= 4; ++k) {
        MenuItem* item = FindMenuItem(bar, "mi_file" + std::to_string(k));
        if (!item) continue;
        const std::string& path = recent[static_cast<std::size_t>(k - 1)];
        item->visible = !path.empty();
        item->caption = path.empty() ? AccessKey(k) : RecentFileCaption(k, path);
    }
    if (MenuItem* sep = FindMenuItem(bar, "mi_fileRecentSeparator"))
        sep->visible = !recent[0].empty();
}

void SetErrorMessagesItem(MenuItem& bar, const CaptionTables& t, int count) {
    MenuItem* item = FindMenuItem(bar, "mi_viewErrorMessages");
    if (!item) return;
    item->caption =
        CaptionToUtf8(t[Cap1::ErrorMessages], t.language1) + " (" + std::to_string(count) + ")";
    item->enabled = count > 0;
}

void RefreshMenu(App& app) {
    ApplyMenuCaptions(app.Menu.Bar, app.Menu.Captions);
    SetRecentFileItems(app.Menu.Bar, app.State.RecentFiles);
    SetErrorMessagesItem(app.Menu.Bar, app.Menu.Captions, ShownMessageCount(app));
}

int LanguageOfItem(std::string_view name) {
    if (name == "mi_helplanguageDeutsch") return 1;
    if (name == "mi_helplanguageEnglish") return 2;
    if (name == "mi_helplanguageFrancais") return 3;
    if (name == "mi_helplanguageRoman") return 7;
    if (name == "mi_helplanguageKorea") return 8;
    return 0;
}

void SetLanguage(App& app, int n) {
    app.Config.MenuLanguage = n;
    FillTable1(app.Menu.Captions, n);
    FillTable2(app.Menu.Captions, n);
    RefreshMenu(app);
}

std::string WindowCaption(const AppState& state) {
    const std::string title = kProgramTitle;
    if (state.ProjectName.empty()) return title;
    // A file named on the command line is shown as it stood there; any other by its name.
    if (state.CommandLineFile) return title + "  -  " + state.ProjectPath();
    const std::string path = state.ProjectPath();
    return title + "  -  " + path.substr(path.find_last_of('/') + 1);
}

} // namespace vak1
