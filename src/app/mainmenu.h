// The main window's menu as the program keeps it: caption tables, the item tree with the
// recent files and the message count, and the window caption. The front end only mirrors it.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "app/captions.h"
#include "app/menu.h"

namespace vak1 {

struct App;
struct AppState;

struct MenuState {
    CaptionTables Captions;
    MenuItem Bar = BuildMenuBar();
};

// Recent-file entries of this many characters or more are shown shortened.
constexpr std::size_t kRecentShortenFrom = 50;

// Up to the first folder separator, "...", from the last separator on; shorter paths and
// paths with no separator stay as they are. Characters, not bytes, are counted.
std::string ShortenRecentPath(std::string_view path);
// "&" + k + " " + the shortened path.
std::string RecentFileCaption(int k, std::string_view path);
// Items mi_file1..4 show the non-empty entries; their separator follows entry 1.
void SetRecentFileItems(MenuItem& bar, const std::array<std::string, 4>& recent);
// "&Fehlermeldungen (n)", enabled only while the list is not empty.
void SetErrorMessagesItem(MenuItem& bar, const CaptionTables& t, int count);

// Captions, recent files and message count brought up to date.
void RefreshMenu(App& app);
// The language number of a language item (1, 2, 3, 7, 8), 0 for any other item.
int LanguageOfItem(std::string_view name);
// Fills both tables for language n, keeps n in the settings and re-applies the captions.
void SetLanguage(App& app, int n);

// The title alone, or with the project's file name.
std::string WindowCaption(const AppState& state);

} // namespace vak1
