// Pins the menu state the window mirrors: the recent-file shortening at 49/50 characters and
// its separators, the recent items and their separator, the message-count item, the language
// switch with its stored number, and the window caption rule.
#include <gtest/gtest.h>

#include "app/App.h"
#include "app/mainmenu.h"

using namespace vak1;

namespace {
std::string Caption(const App& app, const char* name) {
    const MenuItem* m = FindMenuItem(app.Menu.Bar, name);
    return m ? m->caption : "<missing>";
}
} // namespace

TEST(RecentPath, FortyNineCharactersStayFiftyAreShortened) {
    const std::string p49 = "/home/ingenieur/projekte/2026/welle/welle_a1.vak1";
    ASSERT_EQ(p49.size(), 49u);
    EXPECT_EQ(ShortenRecentPath(p49), p49);
    const std::string p50 = "/home/ingenieur/projekte/2026/welle/welle_a12.vak1";
    ASSERT_EQ(p50.size(), 50u);
    EXPECT_EQ(ShortenRecentPath(p50), "/home/.../welle_a12.vak1");
    EXPECT_EQ(RecentFileCaption(2, p50), "&2 /home/.../welle_a12.vak1");
    EXPECT_EQ(RecentFileCaption(1, p49), "&1 " + p49);
}

TEST(RecentPath, BackslashPathsKeepTheirDriveAndCharactersNotBytesCount) {
    const std::string win = "C:\\Daten\\Querschnitte\\Kunde Alpha\\Rahmen\\profil7.vak1";
    ASSERT_GE(win.size(), 50u);
    EXPECT_EQ(ShortenRecentPath(win), "C:\\...\\profil7.vak1");
    // 45 characters, but 49 bytes: four umlauts take two bytes each.
    const std::string umlauts = "/daten/Träger/Öfen/Übergänge/profil_1234.vak1";
    ASSERT_EQ(umlauts.size(), 49u);
    EXPECT_EQ(ShortenRecentPath(umlauts), umlauts);
    const std::string noFolder(60, 'x');
    EXPECT_EQ(ShortenRecentPath(noFolder), noFolder);
}

TEST(RecentItems, OnlyFilledEntriesShowAndTheSeparatorFollowsEntryOne) {
    App app;
    app.State.RecentFiles = {"/a/eins.vak1", "/a/zwei.vak1", "", ""};
    RefreshMenu(app);
    const MenuItem& bar = app.Menu.Bar;
    EXPECT_TRUE(FindMenuItem(bar, "mi_file1")->visible);
    EXPECT_TRUE(FindMenuItem(bar, "mi_file2")->visible);
    EXPECT_FALSE(FindMenuItem(bar, "mi_file3")->visible);
    EXPECT_EQ(Caption(app, "mi_file2"), "&2 /a/zwei.vak1");
    EXPECT_TRUE(FindMenuItem(bar, "mi_fileRecentSeparator")->visible);
    app.State.RecentFiles = {};
    RefreshMenu(app);
    EXPECT_FALSE(FindMenuItem(bar, "mi_file1")->visible);
    EXPECT_FALSE(FindMenuItem(bar, "mi_fileRecentSeparator")->visible);
}

TEST(ErrorItem, CountsTheMessagesInTheCurrentLanguageAndIsDisabledWhenEmpty) {
    App app;
    RefreshMenu(app);
    EXPECT_EQ(Caption(app, "mi_viewErrorMessages"), "&Fehlermeldungen (0)");
    EXPECT_FALSE(FindMenuItem(app.Menu.Bar, "mi_viewErrorMessages")->enabled);
    AddMessage(app.Messages, "Fatal  : Kontur nicht geschlossen");
    AddMessage(app.Messages, "Warnung");
    SetLanguage(app, 2);
    EXPECT_EQ(Caption(app, "mi_viewErrorMessages"), "E&rror messages (2)");
    EXPECT_TRUE(FindMenuItem(app.Menu.Bar, "mi_viewErrorMessages")->enabled);
    // The help menu's item has no count.
    EXPECT_EQ(Caption(app, "mi_helpErrorMessages"), "E&rror messages");
}

TEST(Language, SwitchStoresTheNumberAndBothTablesFollow) {
    App app;
    SetLanguage(app, 2);
    EXPECT_EQ(app.Config.MenuLanguage, 2);
    EXPECT_EQ(Caption(app, "mi_fileOpenTable"), "Open... (&Table)");
    SetLanguage(app, 7);
    EXPECT_EQ(Caption(app, "mi_editKoerper"), "&Corp");
    EXPECT_EQ(Caption(app, "mi_file"), "&Fișier");
    SetLanguage(app, 1);
    EXPECT_EQ(Caption(app, "mi_fileOpenTable"), "Öffnen... (&Tabelle)");
    EXPECT_EQ(LanguageOfItem("mi_helplanguageKorea"), 8);
    EXPECT_EQ(LanguageOfItem("mi_helplanguage"), 0);
}

TEST(Language, KoreanCaptionsArriveAsUtf8) {
    App app;
    SetLanguage(app, 8);
    EXPECT_EQ(Caption(app, "mi_file"), "파일(&F)");
    EXPECT_EQ(Caption(app, "mi_editGeometrie"), "형상(&G)");
}

TEST(WindowCaption, TitleAloneWithExtensionAddedOrNameAsGiven) {
    AppState s;
    EXPECT_EQ(WindowCaption(s), "VAK1  Querschnittberechnung");
    s.ProjectName = "welle";
    EXPECT_EQ(WindowCaption(s), "VAK1  Querschnittberechnung  -  welle.vak1");
    s.ProjectName = "alt";
    s.ProjectFile = "/daten/alt.VAK";
    s.CommandLineFile = true;
    EXPECT_EQ(WindowCaption(s), "VAK1  Querschnittberechnung  -  /daten/alt.VAK");
}
